// Start-up: from process start to the main window shown and idle, beside a bare Win32 program
// that shows one empty dialog.
#include "BenchSupport.h"

#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"

#include <string>
#include <vector>

namespace {

// Starts the program, waits until a visible top-level window with `caption` exists and the
// process is idle; returns microseconds, then closes the program.
double TimeToIdle(const std::wstring& program, const wchar_t* caption) {
    harness::BackgroundProcess process;
    const double start = bench::NowMicros();
    if (!process.Start(L"\"" + harness::BinaryDirectory() + program + L"\"")) {
        std::printf("%ls did not start\n", program.c_str());
        return -1;
    }
    HWND shown = nullptr;
    // Looked for every millisecond: a coarser poll would add its own wait to the figure.
    for (const double giveUp = start + 30e6; !shown && bench::NowMicros() < giveUp; ::Sleep(1)) {
        for (HWND hwnd : harness::FindTopLevelWindows(process.Id(), nullptr, caption))
            if (::IsWindowVisible(hwnd))
                shown = hwnd;
    }
    if (!shown) {
        std::printf("%ls did not start\n", program.c_str());
        return -1;
    }
    // Idle: the window's thread answers a message that waits behind everything already queued.
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(shown, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
    const double elapsed = bench::NowMicros() - start;
    ::PostMessageW(shown, WM_CLOSE, 0, 0);
    process.WaitForExit(10000);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    harness::ClearOrvexSettings();
    // The programs take turns, so that a busier moment of the machine falls on all alike; the time
    // to close each is not counted.
    std::vector<double> orvex, bare, bareWithControls;
    for (int round = 0, rounds = bench::Rounds(40); round < rounds; ++round) {
        orvex.push_back(TimeToIdle(L"Orvex.exe", L"Orvex"));
        bare.push_back(TimeToIdle(L"orvex_bare_dialog.exe", L"Bare dialog"));
        bareWithControls.push_back(TimeToIdle(L"orvex_bare_controls_dialog.exe", L"Bare dialog"));
    }
    const bench::Figure ours = bench::Summarize(orvex);
    bench::PrintRow("start-up to the main window, idle", ours, bench::Summarize(bare), 1.5);
    // Under Wine, loading the common controls (and the theme library they load) costs about as
    // much as the whole bare program; this row shows Orvex beside a floor that pays for it too.
    const bench::Figure withControls = bench::Summarize(bareWithControls);
    char ratio[32];
    std::snprintf(ratio, sizeof(ratio), "ratio %.2f", ours.median / withControls.median);
    bench::PrintInfoRow("  floor with the common controls loaded", bench::Format(withControls), "", ratio);
    harness::ClearOrvexSettings();
    return 0;
}
