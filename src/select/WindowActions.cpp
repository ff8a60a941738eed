#include "select/WindowActions.h"

#include "common/ScreenHelpers.h"
#include "common/WindowWork.h"

namespace {

constexpr DWORD kHighlightStepMs = 100;

void ShowAndEnable(HWND hwnd) {
    if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) &&
        !::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSENDCHANGING))
        return;
    ::EnableWindow(hwnd, TRUE);
}

} // namespace

BOOL HighlightWindow(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd))
        return FALSE;
    for (int flash = 0; flash < 2; ++flash) {
        if (::IsWindow(hwnd))
            InvertWindowFrame(hwnd);
        PauseShowingTheScreen(kHighlightStepMs);
        InvertWindowFrame(hwnd);
        PauseShowingTheScreen(kHighlightStepMs);
    }
    return TRUE;
}

EnableShowRequest EnableAndShowWindow(HWND hwnd, HWND notify, UINT doneMessage) {
    if (!hwnd || !::IsWindow(hwnd))
        return EnableShowRequest::NotDone;
    if (::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId()) {
        ShowAndEnable(hwnd);
        return EnableShowRequest::Done;
    }
    const WindowWorkStart start = StartWindowWork(
        hwnd, [hwnd] { ShowAndEnable(hwnd); },
        [hwnd, notify, doneMessage] {
            if (notify)
                ::PostMessageW(notify, doneMessage, 0, reinterpret_cast<LPARAM>(hwnd));
        });
    if (start == WindowWorkStart::AlreadyWaiting)
        return EnableShowRequest::AlreadyWaiting;
    // No thread to be had: the window is left as it is rather than risk waiting forever.
    if (start == WindowWorkStart::NoThread)
        return EnableShowRequest::NotDone;
    return EnableShowRequest::Waiting;
}
