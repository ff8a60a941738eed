#pragma once
// The state of the thread a window belongs to: whether it takes its messages, and its windows of
// note (active, focus, capture, menu owner, move/size, caret) with its GUI flags.

#include "inspect/PropertySink.h"

#include <windows.h>

// Appends the rows of GROUP_THREAD. Asks the window system only, never the thread itself, so a
// thread that does not answer costs nothing.
void AddThreadRows(PropertySink& sink, HWND hwnd);
