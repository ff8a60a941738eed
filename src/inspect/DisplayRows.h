#pragma once
// How a window is displayed: its DPI and awareness, its monitor, its placement, its layered
// attributes and its window region.

#include "inspect/PropertySink.h"

#include <windows.h>

// Appends the rows of GROUP_DISPLAY.
void AddDisplayRows(PropertySink& sink, HWND hwnd);
