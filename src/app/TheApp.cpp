// The program's one application object, constructed before the entry point runs.
#include "app/OrvexApp.h"

static COrvexApp theApp;
