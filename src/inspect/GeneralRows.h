#pragma once
// The General and Process rows of a window, and the three general rows the Summary listing
// shares.

#include "inspect/PropertySink.h"
#include "inspect/WindowFacts.h"

#include <windows.h>

// Handle, text, rectangles, procedure, character set, instance, control id or menu, user data.
void AddGeneralRows(PropertySink& sink, const WindowFacts& facts);
// Process id, thread id and, when it can be read, the process's image path.
void AddProcessRows(PropertySink& sink, HWND hwnd);

void AddHandleRow(PropertySink& sink, int group, HWND hwnd);
void AddTextRow(PropertySink& sink, int group, HWND hwnd);
// Returns the rectangle it showed, all zeros when it could not be read.
RECT AddWindowRectRow(PropertySink& sink, int group, HWND hwnd);
