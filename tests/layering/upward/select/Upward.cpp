// A tool that reaches into the main dialog: the layering check must refuse it.
#include "maindlg/MainDialog.h"
