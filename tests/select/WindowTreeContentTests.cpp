// What the window tree holds: every window under its parent with its label, plainly and by
// process, the two filters hiding whole subtrees, the records behind the nodes, and selection.
#include "select/WindowTreeFixture.h"

#include "harness/TargetClient.h"
#include "select/ClassImageRules.h"
#include "select/TreeLabels.h"

#include <algorithm>

namespace {

using tree_test::HandleDigits;
using tree_test::WindowTreeTest;

std::uint64_t Handle(HWND hwnd) {
    return reinterpret_cast<UINT_PTR>(hwnd);
}

// A family of windows in another process: a main window with a panel (untitled) holding a button and
// a hidden edit, a label; a hidden top-level window with a child; an untitled top-level window with
// a titled child; a popup owned by the main window.
struct Family {
    HWND top = nullptr, panel = nullptr, button = nullptr, hiddenEdit = nullptr, label = nullptr;
    HWND hiddenTop = nullptr, childOfHidden = nullptr;
    HWND untitledTop = nullptr, childOfUntitled = nullptr;
    HWND owned = nullptr;
};

HWND Make(harness::TargetProcess& target, const wchar_t* className, const wchar_t* text, DWORD style,
          HWND parent = nullptr, UINT id = 0) {
    harness::WindowRequest request;
    request.className = className;
    request.text = text;
    request.style = style;
    request.parent = parent;
    request.id = id;
    request.rect = parent ? RECT{5, 5, 120, 40} : RECT{700, 100, 1000, 300};
    return target.Create(request);
}

Family MakeFamily(harness::TargetProcess& target) {
    constexpr DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;
    Family f;
    f.top = Make(target, L"OrvexTargetWindow", L"Family", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    f.panel = Make(target, L"OrvexTargetWindow", L"", kVisibleChild, f.top, 1);
    f.button = Make(target, L"Button", L"OK", kVisibleChild | BS_PUSHBUTTON, f.panel, 2);
    f.hiddenEdit = Make(target, L"Edit", L"hidden edit", WS_CHILD, f.panel, 3);
    f.label = Make(target, L"Static", L"Label", kVisibleChild, f.top, 4);
    f.hiddenTop = Make(target, L"OrvexTargetWindow", L"Hidden", WS_POPUP);
    f.childOfHidden = Make(target, L"Button", L"Visible child", kVisibleChild, f.hiddenTop, 5);
    f.untitledTop = Make(target, L"OrvexTargetWindow", L"", WS_POPUP | WS_VISIBLE);
    f.childOfUntitled = Make(target, L"Static", L"Titled child", kVisibleChild, f.untitledTop, 6);
    f.owned = Make(target, L"OrvexTargetWindow", L"Owned", WS_POPUP | WS_VISIBLE, f.top);
    return f;
}

// Every window of a process, top-level windows and all their descendants.
std::vector<HWND> WindowsOfProcess(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> windows;
    } search{processId, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(hwnd, &owner);
            if (owner != s->processId)
                return TRUE;
            s->windows.push_back(hwnd);
            ::EnumChildWindows(
                hwnd,
                [](HWND child, LPARAM list) -> BOOL {
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&s->windows));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    std::vector<HWND> tops;
    for (HWND hwnd : WindowsOfProcess(processId))
        if (::GetAncestor(hwnd, GA_PARENT) == ::GetDesktopWindow())
            tops.push_back(hwnd);
    return tops;
}

class WindowTreeContentTest : public WindowTreeTest {
protected:
    void SetUp() override {
        WindowTreeTest::SetUp();
        ASSERT_TRUE(target.IsRunning());
        family = MakeFamily(target);
        ASSERT_TRUE(family.top && family.panel && family.button && family.hiddenEdit && family.label &&
                    family.hiddenTop && family.childOfHidden && family.untitledTop &&
                    family.childOfUntitled && family.owned);
    }
    bool Present(HWND hwnd) const { return !NodesOf(hwnd).empty(); }

    harness::TargetProcess target;
    Family family;
};

TEST_F(WindowTreeContentTest, PlainViewHoldsEveryWindowOfAnotherProcessOnceUnderItsParent) {
    ASSERT_NE(OpenTree(), nullptr);
    const HTREEITEM root = Root();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(TreeCtrl().GetNextItem(root, TVGN_NEXT), nullptr) << "the desktop is the one root";
    EXPECT_EQ(WindowOf(root), ::GetDesktopWindow());
    EXPECT_TRUE(Info(root).expanded);

    const std::vector<HWND> windows = WindowsOfProcess(target.ProcessId());
    ASSERT_GE(windows.size(), 10u);
    for (HWND hwnd : windows) {
        SCOPED_TRACE(testing::Message() << "window " << HandleDigits(hwnd));
        const std::vector<HTREEITEM> nodes = NodesOf(hwnd);
        ASSERT_EQ(nodes.size(), 1u);
        const bool topLevel = ::GetAncestor(hwnd, GA_PARENT) == ::GetDesktopWindow();
        const HTREEITEM parent = Info(nodes.front()).parent;
        if (topLevel) {
            EXPECT_EQ(parent, root) << "top-level windows, owned ones too, sit below the desktop";
        } else {
            EXPECT_EQ(WindowOf(parent), ::GetParent(hwnd));
        }
    }
    // In the window manager's order: the owned popup was made last, so it is above its owner.
    const std::vector<HTREEITEM> top = Children(root);
    const auto at = [&](HWND hwnd) { return std::find(top.begin(), top.end(), NodeOf(hwnd)) - top.begin(); };
    EXPECT_LT(at(family.owned), at(family.top));
}

TEST_F(WindowTreeContentTest, LabelsAndPicturesOfWindowNodes) {
    ASSERT_NE(OpenTree(), nullptr);
    const tree_test::TreeNodeInfo desktop = Info(Root());
    EXPECT_EQ(desktop.label, orvex::FormatWindowLabel(Handle(::GetDesktopWindow()), L"#32769", L""));
    EXPECT_EQ(desktop.image, orvex::kDesktopPicture);
    EXPECT_EQ(desktop.selectedImage, orvex::kDesktopPicture);

    const tree_test::TreeNodeInfo button = Info(NodeOf(family.button));
    EXPECT_EQ(button.label, orvex::FormatWindowLabel(Handle(family.button), L"Button", L"OK"));
    EXPECT_EQ(button.image, orvex::kPushButtonPicture);
    EXPECT_EQ(button.selectedImage, orvex::kPushButtonPicture);
    EXPECT_EQ(Info(NodeOf(family.panel)).label,
              orvex::FormatWindowLabel(Handle(family.panel), L"OrvexTargetWindow", L""));
    EXPECT_EQ(Info(NodeOf(family.top)).image, orvex::kOverlappedWindowPicture);
    EXPECT_EQ(Info(NodeOf(family.label)).image, orvex::kStaticPicture);
    // Orvex's own dialogs show as dialogs.
    EXPECT_EQ(Info(NodeOf(Main())).label, orvex::FormatWindowLabel(Handle(Main()), L"#32770", L"Orvex"));
    EXPECT_EQ(Info(NodeOf(Tree().m_hWnd)).label,
              orvex::FormatWindowLabel(Handle(Tree().m_hWnd), L"#32770", L"Window Tree View"));
    EXPECT_EQ(Info(NodeOf(Tree().m_hWnd)).image, orvex::kDialogPicture);
}

TEST_F(WindowTreeContentTest, LongTextsAreCutAt254Characters) {
    const std::wstring longText(300, L'x');
    ASSERT_TRUE(target.SetText(family.label, longText));
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(Info(NodeOf(family.label)).label,
              orvex::FormatWindowLabel(Handle(family.label), L"Static", std::wstring(254, L'x')));
}

TEST_F(WindowTreeContentTest, HidingInvisibleWindowsLeavesOutTheirWholeSubtrees) {
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    EXPECT_TRUE(Tree().m_bHideInvisible);
    EXPECT_FALSE(Present(family.hiddenTop));
    EXPECT_FALSE(Present(family.childOfHidden)) << "a visible-style child of a hidden window goes with it";
    EXPECT_FALSE(Present(family.hiddenEdit));
    for (HWND shown : {family.top, family.panel, family.button, family.label, family.untitledTop,
                       family.childOfUntitled, family.owned})
        EXPECT_TRUE(Present(shown)) << HandleDigits(shown);
    for (const tree_test::TreeNodeInfo& node : AllNodes())
        EXPECT_TRUE(::IsWindowVisible(WindowOf(node.item))) << node.label;

    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    EXPECT_FALSE(Tree().m_bHideInvisible);
    EXPECT_TRUE(Present(family.childOfHidden));
}

TEST_F(WindowTreeContentTest, HidingUntitledWindowsLeavesOutTheirWholeSubtrees) {
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_HIDE_UNTITLED);
    EXPECT_TRUE(Tree().m_bHideUntitled);
    EXPECT_FALSE(Present(family.untitledTop));
    EXPECT_FALSE(Present(family.childOfUntitled)) << "a titled child of an untitled window goes with it";
    EXPECT_FALSE(Present(family.panel));
    EXPECT_FALSE(Present(family.button));
    for (HWND shown : {family.top, family.label, family.hiddenTop, family.childOfHidden, family.owned})
        EXPECT_TRUE(Present(shown)) << HandleDigits(shown);
    EXPECT_TRUE(Present(::GetDesktopWindow())) << "the desktop is never filtered";

    // Both filters together.
    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    EXPECT_FALSE(Present(family.hiddenTop));
    EXPECT_TRUE(Present(family.top));
    EXPECT_TRUE(Present(family.label));
}

TEST_F(WindowTreeContentTest, ABuildNeverWaitsForAProgramThatDoesNotAnswer) {
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_TRUE(target.Hang(2500));
    const ULONGLONG start = ::GetTickCount64();
    TreeCommand(ID_TREE_HIDE_UNTITLED); // reads every window's text length as well
    TreeCommand(ID_TREE_CATEGORIZED);
    EXPECT_LT(::GetTickCount64() - start, 1500u) << "the build must not send the hung program messages";
    EXPECT_EQ(Info(NodeOf(family.label)).label,
              orvex::FormatWindowLabel(Handle(family.label), L"Static", L"Label"));
}

TEST_F(WindowTreeContentTest, ByProcessViewHasOneNodePerProcessInIdOrder) {
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_CATEGORIZED);
    EXPECT_TRUE(Tree().m_bCategorized);
    EXPECT_TRUE(Tree().m_wndToolBar.IsButtonChecked(ID_TREE_CATEGORIZED));

    const std::vector<HTREEITEM> processes = Children(Root());
    ASSERT_GE(processes.size(), 3u);
    DWORD previous = 0;
    bool first = true;
    for (HTREEITEM item : processes) {
        const TREEITEMDATA* record = Tree().RecordOf(item);
        ASSERT_NE(record, nullptr);
        ASSERT_EQ(record->nKind, ITEM_PROCESS);
        const tree_test::TreeNodeInfo info = Info(item);
        EXPECT_EQ(info.image, orvex::kProcessPicture);
        EXPECT_EQ(info.selectedImage, orvex::kProcessPicture);
        const std::wstring prefix =
            orvex::FormatProcessLabel(static_cast<std::uint32_t>(record->dwValue), L"");
        EXPECT_EQ(info.label.rfind(prefix, 0), 0u) << info.label;
        if (!first) {
            EXPECT_GT(record->dwValue, previous) << "ordered by process id";
        }
        previous = static_cast<DWORD>(record->dwValue);
        first = false;
    }

    const HTREEITEM targetNode = ProcessNode(target.ProcessId());
    ASSERT_NE(targetNode, nullptr);
    EXPECT_EQ(Info(targetNode).label, orvex::FormatProcessLabel(target.ProcessId(), L"orvex_target.exe"));
    // Its top-level windows in the window manager's order, each with its subtree.
    std::vector<HWND> below;
    for (HTREEITEM item : Children(targetNode))
        below.push_back(WindowOf(item));
    EXPECT_EQ(below, TopLevelWindowsOf(target.ProcessId()));
    EXPECT_EQ(Info(NodeOf(family.button)).parent, NodeOf(family.panel));
    EXPECT_EQ(Info(NodeOf(family.panel)).parent, NodeOf(family.top));
    EXPECT_EQ(NodesOf(family.button).size(), 1u);
}

TEST_F(WindowTreeContentTest, OrvexsOwnWindowsSitUnderItsOwnProcessNode) {
    ASSERT_NE(OpenTree(), nullptr);
    // Plainly, below the desktop like any other top-level window.
    EXPECT_EQ(Info(NodeOf(Main())).parent, Root());
    EXPECT_EQ(Info(NodeOf(Tree().m_hWnd)).parent, Root());
    EXPECT_NE(NodeOf(TreeCtrl().m_hWnd), nullptr) << "the tree control itself is listed";

    TreeCommand(ID_TREE_CATEGORIZED);
    const HTREEITEM own = ProcessNode(::GetCurrentProcessId());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(Info(NodeOf(Main())).parent, own);
    EXPECT_EQ(Info(NodeOf(Tree().m_hWnd)).parent, own);
    EXPECT_EQ(Info(NodeOf(TreeCtrl().m_hWnd)).parent, NodeOf(Tree().m_hWnd));
}

TEST_F(WindowTreeContentTest, AProcessWithoutWindowsStillHasANode) {
    harness::TargetProcess quiet; // makes no window of its own
    ASSERT_TRUE(quiet.IsRunning());
    ASSERT_EQ(quiet.Request("ping"), "ok");
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_CATEGORIZED);
    const HTREEITEM node = ProcessNode(quiet.ProcessId());
    ASSERT_NE(node, nullptr);
    std::vector<HWND> below;
    for (HTREEITEM item : Children(node))
        below.push_back(WindowOf(item));
    // Exactly the process's top-level windows: none of the test's making (Wine may add one of its own).
    EXPECT_EQ(below, TopLevelWindowsOf(quiet.ProcessId()));
}

TEST_F(WindowTreeContentTest, ProcessNodesCannotBeSelected) {
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_CATEGORIZED);
    const HTREEITEM top = NodeOf(family.top);
    ASSERT_TRUE(TreeCtrl().SelectItem(top));
    harness::PumpMessages();
    EXPECT_EQ(dialog->ListedWindow(), family.top);

    const HTREEITEM process = ProcessNode(target.ProcessId());
    ASSERT_NE(process, nullptr);
    EXPECT_FALSE(TreeCtrl().SelectItem(process));
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), top) << "the previous selection stays";
    EXPECT_EQ(dialog->ListedWindow(), family.top);
    EXPECT_FALSE(TreeCtrl().SelectItem(ProcessNode(::GetCurrentProcessId())));
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), top);
}

TEST_F(WindowTreeContentTest, SelectingAWindowNodeListsItInTheMainWindow) {
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_TRUE(TreeCtrl().SelectItem(NodeOf(family.button)));
    harness::PumpMessages();
    EXPECT_EQ(dialog->ListedWindow(), family.button);
    EXPECT_GT(View().GetItemCount(), 0);
    ASSERT_TRUE(TreeCtrl().SelectItem(Root()));
    EXPECT_EQ(dialog->ListedWindow(), ::GetDesktopWindow()) << "the desktop node is a window node too";
}

TEST_F(WindowTreeContentTest, ANodeOfAWindowDestroyedAfterTheBuildShowsTheInvalidHandleMessage) {
    ASSERT_NE(OpenTree(), nullptr);
    HWND doomed = Make(target, L"OrvexTargetWindow", L"Doomed", WS_POPUP | WS_VISIBLE);
    ASSERT_NE(doomed, nullptr);
    TreeCommand(ID_TREE_REFRESH);
    const HTREEITEM node = NodeOf(doomed);
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(target.Destroy(doomed));
    ASSERT_FALSE(::IsWindow(doomed));
    EXPECT_NE(NodeOf(doomed), nullptr) << "nodes stay until the next rebuild";

    EXPECT_TRUE(TreeCtrl().SelectItem(node));
    harness::PumpMessages();
    EXPECT_EQ(dialog->ListedWindow(), doomed);
    EXPECT_EQ(View().GetItemCount(), 0);
    EXPECT_EQ(View().GetEmptyText(),
              L"Invalid window handle (0x" + HandleDigits(doomed) + L"). The window is not exist.");
}

TEST_F(WindowTreeContentTest, EveryNodeHasItsRecordAndRebuildsStartAfresh) {
    ASSERT_NE(OpenTree(), nullptr);
    for (UINT command : {ID_TREE_REFRESH, ID_TREE_CATEGORIZED, ID_TREE_REFRESH, ID_TREE_HIDE_UNTITLED}) {
        TreeCommand(command);
        const std::vector<tree_test::TreeNodeInfo> nodes = AllNodes();
        ASSERT_EQ(Tree().m_arrItemData.size(), nodes.size()) << "one record per node, none left over";
        for (size_t i = 0; i < nodes.size(); ++i) {
            const TREEITEMDATA* record = Tree().RecordOf(nodes[i].item);
            ASSERT_NE(record, nullptr);
            EXPECT_EQ(record, Tree().m_arrItemData[static_cast<size_t>(nodes[i].data)].get());
            if (record->nKind == ITEM_WINDOW) {
                EXPECT_EQ(record->hItem, nodes[i].item);
            }
        }
    }
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), nullptr) << "a rebuild selects nothing";
}

TEST_F(WindowTreeContentTest, RebuildingWithASelectedNodeLeavesNothingSelected) {
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_TRUE(TreeCtrl().SelectItem(NodeOf(family.button)));
    harness::PumpMessages();
    TreeCommand(ID_TREE_REFRESH);
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), nullptr);
    EXPECT_EQ(dialog->ListedWindow(), family.button) << "the main window keeps its window";
    EXPECT_NE(NodeOf(family.button), nullptr);
}

} // namespace
