#pragma once
// Work on another thread's window that waits for that thread to answer. A program that has stopped
// answering would freeze the window thread that waited for it, so the work runs on a thread of its
// own; and at most one such thread waits for any one window, so pressing again over a hung program
// piles up nothing.

#include <windows.h>

#include <functional>

enum class WindowWorkStart {
    Started,        // `work` runs on a thread of its own
    AlreadyWaiting, // earlier work for the same window still runs: nothing was started
    NoThread,       // no thread to be had: nothing was started
};

// Runs `work` for `hwnd` on a new thread, then, once the window is free for the next work,
// `afterwards` on the same thread (so whoever it tells may start more work at once).
WindowWorkStart StartWindowWork(HWND hwnd, std::function<void()> work, std::function<void()> afterwards = {});
