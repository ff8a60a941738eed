#pragma once
// What Orvex does to a picked window at the user's request, from the main window or the window
// tree: flash a frame around it, and make it visible and enabled.

#include <windows.h>

// Flashes a frame around the window twice, for about 400 ms; FALSE when it is not a window.
BOOL HighlightWindow(HWND hwnd);

enum class EnableShowRequest {
    NotDone,        // not a window, or no thread could be had to wait for it
    Done,           // a window of this thread: changed already
    Waiting,        // another thread's window: changed once that thread answers
    AlreadyWaiting, // an earlier request for the same window still waits
};

// Makes the window visible (on top of the Z order, without activating it), then enabled; never
// hides or disables anything. Showing and enabling another thread's window wait for that thread to
// answer, and a program that has stopped answering would freeze Orvex with it, so a thread of its
// own waits instead, at most one per window. When that thread has changed the window, `notify` is
// posted `doneMessage` with the window in lParam.
EnableShowRequest EnableAndShowWindow(HWND hwnd, HWND notify = nullptr, UINT doneMessage = 0);
