#pragma once
// The properties a program has set on a window with SetProp.

#include "inspect/PropertySink.h"

#include <windows.h>

// Appends one row of GROUP_WINDOW_PROPERTIES per property, in the order the window system lists
// them, or a single "<None>" row.
void AddWindowPropertyRows(PropertySink& sink, HWND hwnd);
