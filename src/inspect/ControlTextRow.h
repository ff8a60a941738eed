#pragma once
// The Control Text row, last of the Windows group: the text a control answers WM_GETTEXT with.
// The Text row reads GetWindowTextW, which never asks another program's control and so misses what
// a control keeps to itself (an edit box's contents); this row asks, so it waits for an answer: it
// is made either waiting (the command line) or with a placeholder for the caller to fill in from a
// thread of its own (the program's window, which must not wait).

#include "inspect/PropertySink.h"

#include <windows.h>

#include <string>

inline constexpr wchar_t kControlTextRow[] = L"Control Text";

// How long a control is given to answer; a thread judged hung is not waited for at all.
inline constexpr UINT kControlTextTimeoutMs = 200;

enum class ControlTextRead {
    Now,   // asked at once, waiting for the answer (at most kControlTextTimeoutMs)
    Later, // kAnswerPending for a window of another thread; one of the calling thread, which
           // answers without waiting, is asked at once
};

// The row's value: the control's text by FormatControlText, or kNoAnswer. Waits as Now does.
std::wstring ControlTextValue(HWND hwnd);

void AddControlTextRow(PropertySink& sink, HWND hwnd, ControlTextRead read);
