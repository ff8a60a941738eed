#include "cli/ConsoleBreak.h"

namespace {

HANDLE g_breakEvent = nullptr;

BOOL WINAPI OnConsoleControl(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT)
        return FALSE; // closing the console or logging off ends the process as usual
    ::SetEvent(g_breakEvent);
    return TRUE;
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
