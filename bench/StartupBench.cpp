// Start-up: from process start to the main window shown and idle, beside a bare Win32 program
// that shows one empty dialog.
#include "BenchSupport.h"

#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"
#include "harness/Wait.h"

#include <string>

namespace {

// Starts the program, waits until a visible top-level window with `caption` exists and the
// process is idle; returns microseconds, then closes the program.
double TimeToIdle(const std::wstring& program, const wchar_t* caption) {
    harness::BackgroundProcess process;
    const double start = bench::NowMicros();
    if (!process.Start(L"\"" + harness::BinaryDirectory() + program + L"\""))
        return -1;
    HWND shown = nullptr;
    harness::WaitUntil(
        [&] {
            for (HWND hwnd : harness::FindTopLevelWindows(process.Id(), nullptr, caption))
                if (::IsWindowVisible(hwnd))
                    shown = hwnd;
            return shown != nullptr;
        },
        30000);
    // Idle: the window's thread answers a message that waits behind everything already queued.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(shown, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    const double elapsed = bench::NowMicros() - start;
    ::PostMessageW(shown, WM_CLOSE, 0, 0);
    process.WaitForExit(10000);
    return elapsed;
}

} // namespace

int main() {
    harness::ClearOrvexSettings();
    const bench::Figure orvex = bench::Measure(15, [] { TimeToIdle(L"Orvex.exe", L"Orvex"); });
    const bench::Figure bare =
        bench::Measure(15, [] { TimeToIdle(L"orvex_bare_dialog.exe", L"Bare dialog"); });
    bench::PrintRow("start-up to the main window, idle", orvex, bare, 1.5);
    harness::ClearOrvexSettings();
    return 0;
}
