// What --watch costs each interval: one read of the window and the lines of what changed, while
// the window's text and place change every time, beside the floor: the listing's reads alone, as
// a refill of the property list makes them. A refill of the real property list is shown for
// reference.
#include "BenchSupport.h"

#include "BenchOrvexApp.h"
#include "cli/WatchCommand.h"
#include "harness/TargetClient.h"
#include "inspect/ListingCapture.h"
#include "maindlg/MainDialog.h"
#include "res/resource.h"

#include <string>

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    CBenchOrvexApp app;
    harness::TargetProcess target;
    HWND frame = target.Create(harness::WindowRequest::Frame(L"Watched", {600, 100, 1000, 400}));
    HWND edit = frame ? target.Create(harness::WindowRequest::Child(frame, L"Edit", L"watched text", 0,
                                                                    {10, 10, 200, 40}, 4))
                      : nullptr;
    if (!edit) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    int step = 0;
    // A change the watch has to report: a new text and a new place, made outside the measure.
    const auto change = [&] {
        ++step;
        target.SetText(edit, L"watched text " + std::to_wstring(step));
        ::SetWindowPos(edit, nullptr, 10 + step % 50, 10, 190, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    };

    WindowWatch watch(edit, false);
    std::string text;
    watch.Start(text);
    std::vector<double> ticks, floors;
    size_t lines = 0;
    for (int round = 0; round < bench::Rounds(300); ++round) {
        change();
        double start = bench::NowMicros();
        watch.Next(text);
        ticks.push_back(bench::NowMicros() - start);
        lines += static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
        change();
        std::vector<orvex::ListingRow> rows;
        start = bench::NowMicros();
        CaptureWindowListing(edit, orvex::ViewMode::Detail, false, rows, ControlTextRead::Later,
                             StyleQueries::Skipped);
        floors.push_back(bench::NowMicros() - start);
    }
    bench::PrintRow("--watch, one interval with changes", bench::Summarize(ticks), bench::Summarize(floors),
                    1.2);

    CMainDialog dialog(app.m_settings);
    app.m_pMainWnd = &dialog;
    dialog.Create(IDD_ORVEX_DIALOG);
    const bench::Figure refill = bench::Measure(300, [&] { dialog.ShowWindowProperties(edit); });
    char seen[48];
    std::snprintf(seen, sizeof(seen), "%.1f changed rows a read",
                  ticks.empty() ? 0.0 : double(lines) / double(ticks.size()));
    bench::PrintInfoRow("  a refill of the property list, for reference", bench::Format(refill), "", seen);
    dialog.DestroyWindow();
    return 0;
}
