// Building the window tree over 1,000, 5,000 and 10,000 windows of the helper target, arranged deep
// (a spine 60 windows deep, the rest spread over its levels) and wide (every window a child of one
// top-level window). For each: our build, the level-by-level method (every window's subtree
// enumerated again, one level at a time), and the floor (the enumerations and the tree insertions
// alone, with a fixed label). Each figure is the median of repeated runs, over the whole desktop.
#include "core/LevelByLevelTreeBuild.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "harness/TargetClient.h"
#include "select/LiveWindowHierarchy.h"
#include "select/WindowNodeLook.h"
#include "select/WindowTreeBuilder.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class CBenchApp : public CWinApp {};

constexpr int kSpineDepth = 60;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Milliseconds of one run of `step`.
double Millis(const std::function<void()>& step) {
    LARGE_INTEGER a, b;
    ::QueryPerformanceCounter(&a);
    step();
    ::QueryPerformanceCounter(&b);
    return Seconds(a, b) * 1e3;
}

// Fills a real tree control the way the window tree does: label and picture read from each window.
class TreeFiller : public orvex::WindowTreeSink {
public:
    explicit TreeFiller(const CTreeCtrl& tree) : m_tree(tree) {}
    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override {
        const WindowNodeLook look = LookOfWindowNode(LiveWindowHierarchy::Handle(window));
        TVINSERTSTRUCTW insert{};
        insert.hParent = reinterpret_cast<HTREEITEM>(parent);
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(look.label.c_str());
        insert.item.iImage = look.picture;
        insert.item.iSelectedImage = look.picture;
        insert.item.lParam = static_cast<LPARAM>(nodes.size());
        nodes.push_back(window);
        return reinterpret_cast<orvex::TreeNode>(m_tree.InsertItem(insert));
    }
    std::vector<orvex::WindowId> nodes;

private:
    const CTreeCtrl& m_tree;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

HWND MakeWindow(harness::TargetProcess& target, const wchar_t* className, DWORD style, HWND parent, UINT id) {
    harness::WindowSpec request;
    request.className = className;
    request.text = L"w";
    request.style = style;
    request.parent = parent;
    request.rect = {0, 0, 20, 20};
    request.id = id;
    return target.Create(request);
}

// A hidden top-level window holding `count` windows in all, deep or wide.
HWND MakeHierarchy(harness::TargetProcess& target, int count, bool deep) {
    HWND top = MakeWindow(target, L"OrvexTargetWindow", WS_POPUP, nullptr, 0);
    int made = 1;
    std::vector<HWND> spine{top};
    if (deep) {
        for (int level = 1; level < kSpineDepth && made < count; ++level, ++made)
            spine.push_back(MakeWindow(target, L"OrvexTargetWindow", WS_CHILD | WS_VISIBLE, spine.back(), 1));
    }
    for (int i = 0; made < count; ++i, ++made) {
        HWND parent = spine[static_cast<size_t>(i) % spine.size()];
        MakeWindow(target, L"Static", WS_CHILD | WS_VISIBLE, parent, static_cast<UINT>(i + 2));
    }
    return top;
}

int DepthBelow(HWND top) {
    std::vector<HWND> all;
    ::EnumChildWindows(top, &Collect, reinterpret_cast<LPARAM>(&all));
    int deepest = 0;
    for (HWND hwnd : all) {
        int depth = 0;
        for (HWND up = hwnd; up && up != top; up = ::GetParent(up))
            ++depth;
        deepest = std::max(deepest, depth);
    }
    return deepest;
}

} // namespace

int main() {
    CBenchApp app;
    app.m_hInstance = ::GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    harness::TargetProcess target;
    if (!target.IsRunning()) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    CDialog host(9001);
    host.Create(9001);
    CTreeCtrl tree;
    tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, RECT{0, 0, 300, 300},
                host.m_hWnd, 1);
    tree.SendMessage(WM_SETREDRAW, FALSE); // as during a rebuild
    LiveWindowHierarchy windows(false, false);

    std::printf("%-7s %-5s %6s %6s %10s %16s %10s %11s %13s\n", "windows", "shape", "depth", "nodes",
                "ours ms", "level-by-level", "floor ms", "ours/floor", "level/ours");
    for (int count : {1000, 5000, 10000}) {
        for (bool deep : {true, false}) {
            HWND top = MakeHierarchy(target, count, deep);
            // The three methods take turns, so that a slower or busier moment of the machine
            // falls on all of them alike.
            const int rounds = count >= 10000 ? 5 : 7;
            TreeFiller ours(tree), levels(tree);
            HTREEITEM root = nullptr;
            const auto reset = [&] {
                tree.DeleteAllItems();
                ours.nodes.clear();
                levels.nodes.clear();
                TVINSERTSTRUCTW insert{};
                insert.hParent = TVI_ROOT;
                insert.hInsertAfter = TVI_LAST;
                insert.item.mask = TVIF_TEXT;
                insert.item.pszText = const_cast<wchar_t*>(L"desktop");
                root = tree.InsertItem(insert);
            };
            std::vector<double> oursTimes, levelTimes, floorTimes;
            std::vector<orvex::WindowId> oursNodes, levelNodes;
            for (int round = 0; round <= rounds; ++round) { // round 0 warms up and is not counted
                reset();
                const double o = Millis([&] {
                    orvex::WindowTreeBuilder(windows, ours)
                        .AddTopLevelWindows(reinterpret_cast<orvex::TreeNode>(root));
                });
                oursNodes = ours.nodes;
                reset();
                const double l = Millis([&] {
                    reference::AddChildWindowsLevelByLevel(windows, levels, 0,
                                                           reinterpret_cast<orvex::TreeNode>(root));
                });
                levelNodes = levels.nodes;
                reset();
                const double f = Millis([&] {
                    std::vector<HWND> topLevel;
                    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&topLevel));
                    TVINSERTSTRUCTW insert{};
                    insert.hParent = root;
                    insert.hInsertAfter = TVI_LAST;
                    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
                    insert.item.pszText = const_cast<wchar_t*>(L"(00000000h, Static) w");
                    std::vector<HWND> below;
                    for (HWND hwnd : topLevel) {
                        tree.InsertItem(insert);
                        below.clear();
                        ::EnumChildWindows(hwnd, &Collect, reinterpret_cast<LPARAM>(&below));
                        for (size_t i = 0; i < below.size(); ++i)
                            tree.InsertItem(insert);
                    }
                });
                if (round > 0) {
                    oursTimes.push_back(o);
                    levelTimes.push_back(l);
                    floorTimes.push_back(f);
                }
            }
            const double oursMs = Median(oursTimes), levelMs = Median(levelTimes),
                         floorMs = Median(floorTimes);
            std::printf("%-7d %-5s %6d %6zu %10.1f %16.1f %10.1f %11.2f %13.1f%s\n", count,
                        deep ? "deep" : "wide", DepthBelow(top), oursNodes.size(), oursMs, levelMs, floorMs,
                        oursMs / floorMs, levelMs / oursMs,
                        oursNodes == levelNodes ? "" : "   (the trees differ!)");
            std::fflush(stdout);
            target.Destroy(top);
        }
    }
    host.DestroyWindow();
    return 0;
}
