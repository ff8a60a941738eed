#pragma once
// Screen-level helpers of the finder, Find Window and the send dialog: which window lies under a
// point, and a frame drawn straight on the screen around a window.

#include <windows.h>

// The innermost visible window under a screen point, including disabled controls and controls
// the system's own hit test passes over; falls back to WindowFromPoint's answer.
HWND DeepWindowFromPoint(int x, int y);

// Toggles an inverted 3-pixel frame around the window: a second call for a window that has not
// moved leaves the screen as it was.
void InvertWindowFrame(HWND hwnd);
