// How soon --wait notices a window that appears: a wait on a text no window has yet runs on its
// own thread while the helper target makes a window with that text; the time from the request to
// the wait's return, beside the floor: one search of the desktop, the least a poll can cost.
#include "BenchSupport.h"

#include "cli/WaitForWindow.h"
#include "harness/TargetClient.h"

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    harness::TargetProcess target;
    if (!target.IsRunning()) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    const HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<double> noticed, floor;
    for (int round = 0; round < bench::Rounds(20); ++round) {
        orvex::WindowTarget awaited;
        awaited.criteria.text =
            L"awaited " + std::to_wstring(target.ProcessId()) + L" " + std::to_wstring(round);
        floor.push_back(bench::Measure(1, [&] { FindWindows(awaited); }).median);
        double seen = 0;
        std::thread waiter([&] {
            WaitForWindow(awaited, false, 10000, stop);
            seen = bench::NowMicros();
        });
        // A pause of a round-dependent length, so the window comes at every point of the poll's cycle.
        ::Sleep(static_cast<DWORD>(150 + (round * 37) % 100));
        harness::WindowRequest request;
        request.text = *awaited.criteria.text;
        request.style = WS_POPUP;
        request.rect = {0, 0, 20, 20};
        const double made = bench::NowMicros();
        HWND hwnd = target.Create(request);
        waiter.join();
        noticed.push_back(seen - made);
        target.Destroy(hwnd);
    }
    ::CloseHandle(stop);
    // The target is a time, not a ratio to the floor: the poll's interval, not the search, sets it.
    const bench::Figure figure = bench::Summarize(noticed);
    bench::PrintInfoRow("--wait notices a new window", bench::Format(figure),
                        bench::Format(bench::Summarize(floor)),
                        figure.median <= 150000 ? "<= 150 ms met" : "<= 150 ms NOT MET");
    return 0;
}
