// One drag step of the finder tool over a window with 2,000 visible descendants, beside the floor
// (the same enumeration and rectangle reads issued bare), and the refills over 100 moves within
// one window, which must be one: the first entry, none after it.
#include "BenchSupport.h"

#include "common/ScreenHelpers.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "harness/TargetClient.h"
#include "select/SeekerStatic.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class CBenchApp : public CWinApp {};

class CHost : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CHost() : CDialog(9001) {}
    CSeekerStatic seeker;
    int targetChanges = 0;
    LRESULT OnTargetChanged(NMHDR*) {
        ++targetChanges;
        return 0;
    }
};

BEGIN_MESSAGE_MAP(CHost, CDialog)
ON_NOTIFY(SKN_TARGETCHANGED, 77, OnTargetChanged)
END_MESSAGE_MAP()

BOOL CALLBACK CollectBare(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    const int panels = bench::TinyMode() ? 2 : 40, buttonsPerPanel = bench::TinyMode() ? 4 : 49;
    const int moves = bench::TinyMode() ? 10 : 100;
    CBenchApp app;
    app.m_hInstance = ::GetModuleHandleW(nullptr);
    harness::TargetProcess target;
    if (!target.IsRunning()) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    harness::WindowRequest frame;
    frame.text = L"2,000 descendants";
    frame.style = WS_POPUP | WS_VISIBLE;
    frame.rect = {100, 100, 900, 700};
    HWND top = target.Create(frame);
    // Forty panels of fifty buttons each: 2,000 visible descendants in two levels.
    for (int panel = 0; panel < panels; ++panel) {
        harness::WindowRequest p;
        p.className = L"OrvexTargetWindow";
        p.style = WS_CHILD | WS_VISIBLE;
        p.parent = top;
        p.rect = {(panel % 8) * 100, (panel / 8) * 120, (panel % 8) * 100 + 98, (panel / 8) * 120 + 118};
        p.id = static_cast<UINT>(panel + 1);
        HWND panelWindow = target.Create(p);
        for (int i = 0; i < buttonsPerPanel; ++i) {
            harness::WindowRequest b;
            b.className = L"Button";
            b.style = WS_CHILD | WS_VISIBLE;
            b.parent = panelWindow;
            b.rect = {(i % 7) * 14, (i / 7) * 16, (i % 7) * 14 + 12, (i / 7) * 16 + 14};
            b.id = static_cast<UINT>(i + 1);
            target.Create(b);
        }
    }
    std::vector<HWND> all;
    ::EnumChildWindows(top, &CollectBare, reinterpret_cast<LPARAM>(&all));
    // Between two panels: the window under the point is the top-level window itself, so each step
    // enumerates all 2,000 descendants.
    const POINT point{199, 105};

    // The floor of one step: the window under the point, then every descendant's visibility and
    // rectangle, issued bare.
    const auto floorStep = [](POINT at, HWND within) {
        HWND hit = ::WindowFromPoint(at);
        ::GetWindowLongW(hit, GWL_STYLE);
        std::vector<HWND> windows;
        ::EnumChildWindows(within, &CollectBare, reinterpret_cast<LPARAM>(&windows));
        for (HWND hwnd : windows) {
            RECT rect;
            ::IsWindowVisible(hwnd);
            ::GetWindowRect(hwnd, &rect);
        }
    };
    if (::WindowFromPoint(point) != top)
        std::printf("warning: the point is not on the top-level window\n");
    const bench::Figure step = bench::Measure(200, [&] { DeepWindowFromPoint(point.x, point.y); });
    const bench::Figure floor = bench::Measure(200, [&] { floorStep(point, top); });
    bench::PrintRow("drag step, " + bench::Thousands(static_cast<long long>(all.size())) +
                        " visible descendants",
                    step, floor, 1.2);

    harness::WindowRequest plainRequest;
    plainRequest.rect = {950, 720, 1250, 950};
    HWND plain = target.Create(plainRequest);
    RECT plainRect{};
    ::GetWindowRect(plain, &plainRect);
    const POINT plainPoint{(plainRect.left + plainRect.right) / 2, (plainRect.top + plainRect.bottom) / 2};
    const bench::Figure plainStep =
        bench::Measure(2000, [&] { DeepWindowFromPoint(plainPoint.x, plainPoint.y); });
    const bench::Figure plainFloor = bench::Measure(2000, [&] { floorStep(plainPoint, plain); });
    bench::PrintRow("drag step, a plain window", plainStep, plainFloor, 1.2);

    // 100 moves within one foreign window during a real drag of the control.
    CHost host;
    host.Create(9001);
    host.seeker.Create(WS_CHILD | WS_VISIBLE | SS_NOTIFY, RECT{0, 0, 0, 0}, host.m_hWnd, 77);
    // The cursor reaches its place asynchronously; start once it is there.
    ::SetCursorPos(plainPoint.x, plainPoint.y);
    for (POINT at{}; ::GetCursorPos(&at) && (at.x != plainPoint.x || at.y != plainPoint.y);)
        ::Sleep(5);
    host.seeker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
    for (int move = 0; move < moves; ++move) {
        const POINT to{plainPoint.x + move % 10, plainPoint.y + move / 10};
        ::SetCursorPos(to.x, to.y);
        for (POINT at{}; ::GetCursorPos(&at) && (at.x != to.x || at.y != to.y);)
            ::Sleep(1);
        host.seeker.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, 0);
    }
    host.seeker.SendMessage(WM_LBUTTONUP, 0, 0);
    // Each change of target is one refill, one frame drawn and one erased.
    bench::PrintInfoRow("refills over " + std::to_string(moves) + " moves within one window",
                        std::to_string(host.targetChanges), "",
                        host.targetChanges == 1 ? "1: met" : "1: NOT MET");
    host.DestroyWindow();
    return 0;
}
