// Resource hygiene: the process's GDI and USER objects, kernel handles and private memory after
// start, then after 10,000 refills, 100 rebuilds of the window tree and 1,000 highlights. None of
// them may grow. Each loop runs a few rounds before its figures are taken as the starting point,
// so that caches filled once (fonts, images, the heap's first pages) are not counted as growth.
#include "BenchSupport.h"

#include "BenchOrvexApp.h"
#include "common/ScreenHelpers.h"
#include "harness/ProcessResources.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "maindlg/MainDialog.h"
#include "maindlg/MainDialogTestView.h"
#include "res/resource.h"
#include "select/WindowTreeDialog.h"

#include <functional>
#include <string>

namespace {

// Wine keeps no per-process object or handle counts and reports 0 for them.
std::string Describe(const harness::ProcessResources& r) {
    std::string text = r.HasObjectCounts()
                           ? "GDI " + std::to_string(r.gdi) + ", USER " + std::to_string(r.user)
                           : std::string("GDI/USER n/a");
    text += r.handles ? ", " + std::to_string(r.handles) + " handles" : std::string(", handles n/a");
    char memory[32];
    std::snprintf(memory, sizeof(memory), ", %.1f MiB", double(r.privateBytes) / (1024.0 * 1024.0));
    return text + memory;
}

// Private memory may move by a page or two with the heap's bookkeeping; growth is what a loop
// keeps adding, so the allowance is small and does not scale with the number of rounds.
constexpr SIZE_T kMemoryAllowance = 256 * 1024;

void Row(const std::string& name, int rounds, const std::function<void()>& step) {
    const int warmUp = bench::TinyMode() ? 1 : 20;
    for (int i = 0; i < warmUp; ++i)
        step();
    harness::PumpMessages();
    const harness::ProcessResources before = harness::ReadProcessResources();
    for (int i = 0; i < rounds; ++i) {
        step();
        if (i % 50 == 0)
            harness::PumpMessages();
    }
    harness::PumpMessages();
    const harness::ProcessResources after = harness::ReadProcessResources();
    const bool grew = after.gdi > before.gdi || after.user > before.user || after.handles > before.handles ||
                      after.privateBytes > before.privateBytes + kMemoryAllowance;
    char growth[64];
    std::snprintf(growth, sizeof(growth), "%+ld KiB, %+ld handles",
                  static_cast<long>((static_cast<long long>(after.privateBytes) -
                                     static_cast<long long>(before.privateBytes)) /
                                    1024),
                  static_cast<long>(after.handles) - static_cast<long>(before.handles));
    bench::PrintInfoRow("after " + bench::Thousands(rounds) + " " + name, Describe(after), growth,
                        grew ? "growth: NOT MET" : "no growth: met");
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    const bool tiny = bench::TinyMode();
    CBenchOrvexApp app;

    harness::TargetProcess target;
    harness::WindowRequest frame;
    frame.text = L"Hygiene target";
    frame.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    frame.rect = {600, 100, 1000, 400};
    HWND top = target.Create(frame);
    harness::WindowRequest editRequest;
    editRequest.className = L"Edit";
    editRequest.text = L"refilled";
    editRequest.style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    editRequest.exStyle = WS_EX_CLIENTEDGE;
    editRequest.parent = top;
    editRequest.rect = {10, 10, 300, 40};
    editRequest.id = 9;
    HWND edit = target.Create(editRequest);
    if (!edit) {
        std::printf("the helper target did not start\n");
        return 1;
    }

    CMainDialog dialog(app.m_settings);
    app.m_pMainWnd = &dialog;
    dialog.Create(IDD_ORVEX_DIALOG);
    dialog.ShowWindow(SW_SHOW);
    harness::PumpMessages();
    bench::PrintInfoRow("resources after start", Describe(harness::ReadProcessResources()), "", "");

    int refill = 0;
    Row("refills", tiny ? 10 : 10000, [&] {
        // Both listings, of a control and of a top-level window, in turn.
        app.m_settings.m_nViewMode = (refill / 2) % 2;
        dialog.ShowWindowProperties(refill % 2 ? edit : top);
        ++refill;
    });

    dialog.SendMessage(WM_COMMAND, ID_VIEW_WINDOW_TREE);
    harness::PumpMessages();
    const CWindowTreeDialog* treeDialog = MainDialogTestView{dialog}.Tree();
    const HWND tree = treeDialog ? treeDialog->m_hWnd : nullptr;
    if (!tree) {
        std::printf("the window tree did not open\n");
        return 1;
    }
    Row("tree rebuilds", tiny ? 2 : 100, [&] { ::SendMessageW(tree, WM_COMMAND, ID_TREE_REFRESH, 0); });

    // A highlight draws the frame twice and takes it away twice, with pauses between that only
    // make the loop slower: the drawing is done here without them.
    Row("highlights", tiny ? 10 : 1000, [&] {
        for (int i = 0; i < 4; ++i)
            InvertWindowFrame(edit);
    });

    dialog.DestroyWindow();
    harness::PumpMessages();
    return 0;
}
