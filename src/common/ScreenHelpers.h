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

// Waits `milliseconds` with what was drawn on the screen shown meanwhile. A plain Sleep may leave
// the drawing queued for the display until the thread next waits for its messages (Wine under X
// does), so a frame drawn and erased around it would never be seen. Nothing is dispatched.
void PauseShowingTheScreen(DWORD milliseconds);
