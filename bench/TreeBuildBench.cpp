// Building the window tree over 1,000, 5,000 and 10,000 windows of the helper target, arranged deep
// (a spine 60 windows deep, the rest spread over its levels) and wide (every window a child of one
// top-level window). For each: our build, the level-by-level method (every window's subtree
// enumerated again, one level at a time), and the floor (the enumerations, the reads each node
// needs and the tree insertions, issued bare). Each figure is the median of repeated runs, over
// the whole desktop.
#include "BenchSupport.h"

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
#include <map>
#include <string>
#include <vector>

namespace {

class CBenchApp : public CWinApp {};

constexpr int kSpineDepth = 60;

// Microseconds of one run of `step`.
double Micros(const std::function<void()>& step) {
    const double start = bench::NowMicros();
    step();
    return bench::NowMicros() - start;
}

std::string CaseName(const char* what, int count, bool deep) {
    return std::string(what) + ", " + bench::Thousands(count) + " windows " + (deep ? "deep" : "wide");
}

// Fills a real tree control with the window tree's own look and insertion.
class TreeFiller : public orvex::WindowTreeSink {
public:
    explicit TreeFiller(const CTreeCtrl& tree) : m_tree(tree) {}
    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override {
        const WindowNodeLook look = LookOfWindowNode(LiveWindowHierarchy::Handle(window));
        const HTREEITEM item = AppendTreeNode(m_tree, reinterpret_cast<HTREEITEM>(parent), look.label,
                                              look.picture, static_cast<LPARAM>(nodes.size()));
        nodes.push_back(window);
        return reinterpret_cast<orvex::TreeNode>(item);
    }
    std::vector<orvex::WindowId> nodes;

private:
    const CTreeCtrl& m_tree;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

// The floor: the enumerations, the reads a node's place, label and picture need (parent, text,
// class name, style) issued bare, and one insertion per window with a label of the same length,
// flat under the root. With `insertsOnly` the reads are left out, which shows what they cost.
void FloorBuild(const CTreeCtrl& tree, HTREEITEM root, bool insertsOnly) {
    std::vector<HWND> topLevel;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&topLevel));
    TVINSERTSTRUCTW insert{};
    insert.hParent = root;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(L"(00000000h, Static) w");
    std::vector<HWND> below;
    volatile LONG_PTR sink = 0;
    const auto node = [&](HWND hwnd) {
        if (!insertsOnly) {
            wchar_t text[255], className[255];
            sink = sink + reinterpret_cast<LONG_PTR>(::GetParent(hwnd)) + ::GetWindowTextW(hwnd, text, 255) +
                   ::GetClassNameW(hwnd, className, 255) + ::GetWindowLongW(hwnd, GWL_STYLE);
        }
        tree.InsertItem(insert);
    };
    for (HWND hwnd : topLevel) {
        node(hwnd);
        below.clear();
        ::EnumChildWindows(hwnd, &Collect, reinterpret_cast<LPARAM>(&below));
        for (HWND child : below)
            node(child);
    }
}

HWND MakeWindow(harness::TargetProcess& target, const wchar_t* className, DWORD style, HWND parent, UINT id) {
    harness::WindowRequest request;
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

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
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

    // Microseconds per window of our build and of the floor, by shape and size, to show how they grow.
    std::map<std::pair<bool, int>, double> oursPerWindow, floorPerWindow;
    const std::vector<int> counts =
        bench::TinyMode() ? std::vector<int>{60} : std::vector<int>{1000, 5000, 10000};
    for (int count : counts) {
        for (bool deep : {true, false}) {
            HWND top = MakeHierarchy(target, count, deep);
            // The three methods take turns, so that a slower or busier moment of the machine
            // falls on all of them alike.
            const int rounds = bench::Rounds(count >= 10000 ? 5 : 7);
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
            std::vector<double> oursTimes, levelTimes, floorTimes, insertTimes;
            std::vector<orvex::WindowId> oursNodes, levelNodes;
            for (int round = 0; round <= rounds; ++round) { // round 0 warms up and is not counted
                reset();
                const double o = Micros([&] {
                    orvex::WindowTreeBuilder(windows, ours)
                        .AddTopLevelWindows(reinterpret_cast<orvex::TreeNode>(root));
                });
                oursNodes = ours.nodes;
                reset();
                const double l = Micros([&] {
                    reference::AddChildWindowsLevelByLevel(windows, levels, 0,
                                                           reinterpret_cast<orvex::TreeNode>(root));
                });
                levelNodes = levels.nodes;
                reset();
                reset();
                const double f = Micros([&] { FloorBuild(tree, root, false); });
                reset();
                const double i = Micros([&] { FloorBuild(tree, root, true); });
                if (round > 0) {
                    oursTimes.push_back(o);
                    levelTimes.push_back(l);
                    floorTimes.push_back(f);
                    insertTimes.push_back(i);
                }
            }
            const bench::Figure oursFigure = bench::Summarize(oursTimes);
            const bench::Figure levelFigure = bench::Summarize(levelTimes);
            const bench::Figure floorFigure = bench::Summarize(floorTimes);
            bench::PrintRow(CaseName("tree build", count, deep), oursFigure, floorFigure, 1.5);
            char note[64];
            std::snprintf(note, sizeof(note), "%.1fx ours%s", levelFigure.median / oursFigure.median,
                          oursNodes == levelNodes ? "" : ", trees differ!");
            bench::PrintInfoRow(CaseName("  level-by-level", count, deep), bench::Format(levelFigure), "",
                                note);
            bench::PrintInfoRow(CaseName("  floor without the reads", count, deep),
                                bench::Format(bench::Summarize(insertTimes)), "", "");
            oursPerWindow[{deep, count}] = oursFigure.median / count;
            floorPerWindow[{deep, count}] = floorFigure.median / count;
            target.Destroy(top);
        }
    }
    for (bool deep : {true, false}) {
        if (counts.size() < 2)
            break;
        // Linear growth keeps the time per window flat from the smallest to the largest tree. The
        // floor does linear work, so its growth shows how much the machine (Wine's server among
        // it) slows down with the number of windows alone; ours is judged against that.
        const auto growth = [&](const std::map<std::pair<bool, int>, double>& perWindow) {
            return perWindow.at({deep, counts.back()}) / perWindow.at({deep, counts.front()});
        };
        const double ours = growth(oursPerWindow), floor = growth(floorPerWindow);
        char figure[64], note[64];
        std::snprintf(figure, sizeof(figure), "%.2fx per window", ours);
        std::snprintf(note, sizeof(note), "%.2fx per window", floor);
        bench::PrintInfoRow(std::string("tree build growth, 1,000 to 10,000 ") + (deep ? "deep" : "wide"),
                            figure, note, ours <= 1.3 * floor ? "linear: met" : "linear: NOT MET");
    }
    host.DestroyWindow();
    return 0;
}
