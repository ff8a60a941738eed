// A tool that reaches into another tool: the layering check must refuse it.
#include "select/WindowTreeDialog.h"
