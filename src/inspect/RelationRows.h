#pragma once
// The windows related to a window: its parent, owner, first child, neighbours in the Z order, root,
// root owner and last active popup, and how many children it has.

#include "inspect/PropertySink.h"

#include <windows.h>

// Appends the rows of GROUP_WINDOWS.
void AddRelationRows(PropertySink& sink, HWND hwnd);
