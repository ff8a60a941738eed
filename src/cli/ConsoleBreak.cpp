#include "cli/ConsoleBreak.h"

#include <atomic>

namespace {

HANDLE g_breakEvent = nullptr;
std::atomic<HANDLE> g_closeDone{nullptr}; // a ConsoleCloseGrace's, while one is held
std::atomic<DWORD> g_closeGraceMs{0};

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT) {
        ::SetEvent(g_breakEvent);
        return TRUE;
    }
    // Closing the console or logging off ends the process once this returns, as usual, unless a
    // command asked for time to finish first.
    if (const HANDLE done = g_closeDone.load()) {
        ::SetEvent(g_breakEvent);
        ::WaitForSingleObject(done, g_closeGraceMs.load());
        return TRUE;
    }
    return FALSE;
}

} // namespace

HANDLE ConsoleBreakEvent() {
    // Made once and kept for the process's life: the handler may run on its own thread at any time.
    static const HANDLE event = [] {
        g_breakEvent = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (g_breakEvent)
            ::SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
        return g_breakEvent;
    }();
    return event;
}

ConsoleCloseGrace::ConsoleCloseGrace(DWORD graceMs) {
    ConsoleBreakEvent();
    g_closeGraceMs = graceMs;
    g_closeDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

ConsoleCloseGrace::~ConsoleCloseGrace() {
    if (const HANDLE done = g_closeDone.exchange(nullptr))
        ::CloseHandle(done);
}

void ConsoleCloseGrace::Done() const {
    if (const HANDLE done = g_closeDone.load())
        ::SetEvent(done);
}
