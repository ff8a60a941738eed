#pragma once
// Reading a window's facts: its class name, its text (by the window's answer or without sending it
// a message), the process that owns it. Every view that shows them reads them here, so a fact never
// reads differently from one view to the next. WindowFacts holds what several gatherers of one
// listing need, read once: a refill that read them again for each group would pay twice over.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

// The class name, whole; empty when it cannot be read (the window has gone).
std::wstring WindowClassName(HWND hwnd);

// The text as the window answers WM_GETTEXT, at most `longest` characters. Sends the window a
// message when it belongs to another thread, and waits for the answer.
std::wstring WindowText(HWND hwnd, int longest);

// The text the window answers WM_GETTEXT with, at most `longest` characters, asked of any window,
// another program's too, with SendMessageTimeoutW: nothing when the window does not answer within
// `timeoutMs` (or its thread is judged hung, or the window is gone). A window of the calling
// thread is asked directly, without a bound.
std::optional<std::wstring> WindowTextAnswer(HWND hwnd, std::size_t longest, UINT timeoutMs);

// Whether the window answers WM_GETTEXTLENGTH with more than nothing; sends as WindowText does.
bool WindowHasText(HWND hwnd);

// The text the system keeps for the window, whole, read without sending the window a message: a
// window that does not answer never holds up the reader.
std::wstring WindowTextNoMessage(HWND hwnd);

// The id of the process that owns the window; 0 when the window has gone.
DWORD WindowProcessId(HWND hwnd);

// Whether the window is one of Orvex's own (belongs to this process).
bool IsOwnProcessWindow(HWND hwnd);

struct WindowFacts {
    HWND hwnd = nullptr;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    std::wstring className; // empty when it cannot be read (the window has gone)

    static WindowFacts Read(HWND hwnd);
};
