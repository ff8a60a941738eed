#include "select/WindowActions.h"

#include "common/ScreenHelpers.h"

#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_set>

namespace {

constexpr DWORD kHighlightStepMs = 100;

void ShowAndEnable(HWND hwnd) {
    if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) &&
        !::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSENDCHANGING))
        return;
    ::EnableWindow(hwnd, TRUE);
}

// The windows a waiting thread is changing. Never destroyed: a thread may still be waiting on a
// hung program while the process shuts down.
struct WaitingRequests {
    std::mutex lock;
    std::unordered_set<HWND> windows;
};

WaitingRequests& Waiting() {
    static auto* requests = new WaitingRequests;
    return *requests;
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
    WaitingRequests& waiting = Waiting();
    {
        std::lock_guard<std::mutex> guard(waiting.lock);
        if (!waiting.windows.insert(hwnd).second)
            return EnableShowRequest::AlreadyWaiting;
    }
    try {
        std::thread([hwnd, notify, doneMessage] {
            ShowAndEnable(hwnd);
            {
                std::lock_guard<std::mutex> guard(Waiting().lock);
                Waiting().windows.erase(hwnd);
            }
            if (notify)
                ::PostMessageW(notify, doneMessage, 0, reinterpret_cast<LPARAM>(hwnd));
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: leave the window as it is rather than risk waiting forever.
        std::lock_guard<std::mutex> guard(waiting.lock);
        waiting.windows.erase(hwnd);
        return EnableShowRequest::NotDone;
    }
    return EnableShowRequest::Waiting;
}
