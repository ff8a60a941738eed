#pragma once
// Notepad started for a test, moved to the right half of the screen.

#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"
#include "harness/Wait.h"

namespace e2e {

// Starts Notepad (the 64-bit one, or another build of it by path) at the right of the screen; its
// edit control, or null.
inline HWND StartNotepad(harness::BackgroundProcess& notepad, const wchar_t* program = L"notepad.exe") {
    if (!notepad.Start(program))
        return nullptr;
    HWND frame = nullptr;
    harness::WaitUntil(
        [&] {
            const auto found = harness::FindTopLevelWindows(notepad.Id(), L"Notepad", nullptr);
            frame = found.empty() ? nullptr : found.front();
            return frame != nullptr;
        },
        15000);
    if (!frame)
        return nullptr;
    ::SetWindowPos(frame, nullptr, 640, 80, 560, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    return ::FindWindowExW(frame, nullptr, L"Edit", nullptr);
}

} // namespace e2e
