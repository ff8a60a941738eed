// The window tree's life and commands: opening beside the main window, the quiet selection and
// Synch, closing and reopening, collapse and expand, the context menu's hit rules, the "View
// Options" drop-down with its check marks, and the toolbar with its tooltips.
#include "select/WindowTreeFixture.h"

#include "harness/TargetClient.h"

#include <cstring>
#include <map>

namespace {

using tree_test::HandleDigits;
using tree_test::WindowTreeTest;

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

RECT WorkArea() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

class WindowTreeCommandsTest : public WindowTreeTest {
protected:
    void SetUp() override {
        WindowTreeTest::SetUp();
        ASSERT_TRUE(target.IsRunning());
        harness::WindowRequest request;
        request.text = L"Commands target";
        request.rect = {700, 100, 1000, 300};
        top = target.Create(request);
        request.className = L"OrvexTargetWindow";
        request.text = L"";
        request.style = WS_CHILD | WS_VISIBLE;
        request.parent = top;
        request.rect = {0, 0, 200, 100};
        request.id = 1;
        panel = target.Create(request);
        request.className = L"Button";
        request.text = L"Leaf";
        request.parent = panel;
        request.id = 2;
        leaf = target.Create(request);
        ASSERT_TRUE(top && panel && leaf);
    }
    void PlaceMain(int left, int top_, int right, int bottom) {
        ::SetWindowPos(Main(), nullptr, left, top_, right - left, bottom - top_,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::map<HTREEITEM, bool> Expansion() const {
        std::map<HTREEITEM, bool> states;
        for (const tree_test::TreeNodeInfo& node : AllNodes())
            states[node.item] = node.expanded;
        return states;
    }

    harness::TargetProcess target;
    HWND top = nullptr, panel = nullptr, leaf = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Opening and placement

TEST_F(WindowTreeCommandsTest, OpensLeftOfTheMainWindowWhenThereIsRoom) {
    PlaceMain(500, 120, 1100, 620);
    ASSERT_NE(OpenTree(), nullptr);
    const RECT tree = WindowRect(Tree().m_hWnd);
    EXPECT_EQ(tree.left, 100);
    EXPECT_EQ(tree.top, 120);
    EXPECT_EQ(tree.right - tree.left, 400);
    EXPECT_EQ(tree.bottom - tree.top, 500);
    EXPECT_TRUE(::IsWindowVisible(Tree().m_hWnd));
    EXPECT_EQ(::GetWindow(Tree().m_hWnd, GW_OWNER), Main());
}

TEST_F(WindowTreeCommandsTest, OpensRightOfTheMainWindowOrCentredOnIt) {
    const RECT work = WorkArea();
    PlaceMain(100, 50, 700, 450);
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(WindowRect(Tree().m_hWnd).left, 700);
    Tree().SendMessage(WM_CLOSE);
    harness::PumpMessages();
    ASSERT_EQ(Inside().Tree(), nullptr);

    // Too wide for the tree on its right: centred on it.
    const int right = work.right - work.left - 300;
    PlaceMain(100, 50, right, 450);
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(WindowRect(Tree().m_hWnd).left, 100 + (right - 100) / 2 - 200);
    EXPECT_EQ(WindowRect(Tree().m_hWnd).top, 50);
}

TEST_F(WindowTreeCommandsTest, ASecondCommandBringsTheOpenTreeForwardWithoutMovingIt) {
    PlaceMain(500, 120, 1100, 620);
    CWindowTreeDialog* tree = OpenTree();
    ASSERT_NE(tree, nullptr);
    ::SetWindowPos(tree->m_hWnd, nullptr, 30, 40, 300, 200, SWP_NOZORDER);
    ::SetForegroundWindow(Main());
    ASSERT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == Main(); }, 3000));
    EXPECT_EQ(OpenTree(), tree) << "at most one tree window";
    EXPECT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == tree->m_hWnd; }, 3000));
    const RECT rect = WindowRect(tree->m_hWnd);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 40);
}

TEST_F(WindowTreeCommandsTest, OpeningSelectsTheMainWindowsCurrentWindowQuietly) {
    ASSERT_TRUE(dialog->ShowWindowProperties(leaf));
    tree_test::MessageBoxSeen seen;
    auto watcher = tree_test::WatchForMessageBox(seen, {Main()}, 1000);
    ASSERT_NE(OpenTree(), nullptr);
    const HTREEITEM node = NodeOf(leaf);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), node);
    EXPECT_TRUE(Info(NodeOf(panel)).expanded) << "scrolled into view: its branch is open";
    EXPECT_EQ(dialog->ListedWindow(), leaf);
    watcher->Stop();
    EXPECT_FALSE(watcher->Seen());
}

TEST_F(WindowTreeCommandsTest, SynchAfterAFilteringRebuildShowsTheMessageButTheQuietOpeningDoesNot) {
    // A hidden window of the main window, absent as soon as hidden windows are left out.
    harness::WindowRequest hiddenRequest;
    hiddenRequest.text = L"Hidden";
    hiddenRequest.style = WS_POPUP;
    HWND hidden = target.Create(hiddenRequest);
    ASSERT_NE(hidden, nullptr);
    ASSERT_TRUE(dialog->ShowWindowProperties(hidden));

    tree_test::MessageBoxSeen quiet;
    auto quietWatcher = tree_test::WatchForMessageBox(quiet, {Main()}, 1000);
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    ASSERT_EQ(NodeOf(hidden), nullptr);
    quietWatcher->Stop();
    EXPECT_FALSE(quietWatcher->Seen());

    tree_test::MessageBoxSeen seen;
    auto watcher = tree_test::WatchForMessageBox(seen, {Main()});
    TreeCommand(ID_TREE_SYNCH);
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "no message box";
    EXPECT_EQ(seen.caption, L"Orvex");
    EXPECT_EQ(seen.text, L"Could not find window in the Window Tree View.");

    // Back in view, Synch finds it and says nothing.
    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    tree_test::MessageBoxSeen none;
    auto silent = tree_test::WatchForMessageBox(none, {Main()}, 1000);
    TreeCommand(ID_TREE_SYNCH);
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), NodeOf(hidden));
    silent->Stop();
    EXPECT_FALSE(silent->Seen());
}

// ---------------------------------------------------------------------------------------------
// Closing

TEST_F(WindowTreeCommandsTest, ClosingAndReopeningResetsTheViewAndBothFilters) {
    ASSERT_NE(OpenTree(), nullptr);
    TreeCommand(ID_TREE_CATEGORIZED);
    TreeCommand(ID_TREE_HIDE_INVISIBLE);
    TreeCommand(ID_TREE_HIDE_UNTITLED);
    const HWND first = Tree().m_hWnd;
    const size_t bound = CWnd::BoundWindowCount();

    ::SendMessageW(first, WM_CLOSE, 0, 0);
    harness::PumpMessages();
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_EQ(Inside().Tree(), nullptr) << "the tree clears the main dialog's pointer";
    EXPECT_EQ(CWnd::BoundWindowCount(), bound - 3)
        << "the dialog, its toolbar's keyboard and the tree's focus watch let go; its other controls are "
           "plain views";

    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_FALSE(Tree().m_bCategorized);
    EXPECT_FALSE(Tree().m_bHideInvisible);
    EXPECT_FALSE(Tree().m_bHideUntitled);
    EXPECT_FALSE(Tree().m_wndToolBar.IsButtonChecked(ID_TREE_CATEGORIZED));
    EXPECT_EQ(Tree().RecordOf(Children(Root()).front())->nKind, ITEM_WINDOW) << "the plain view again";
}

TEST_F(WindowTreeCommandsTest, EscapeClosesTheTreeForGood) {
    ASSERT_NE(OpenTree(), nullptr);
    const HWND first = Tree().m_hWnd;
    TreeCommand(IDCANCEL);
    EXPECT_FALSE(::IsWindow(first)) << "not merely hidden, which would leave it unreachable";
    EXPECT_EQ(Inside().Tree(), nullptr);
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(Tree().m_hWnd));
}

TEST_F(WindowTreeCommandsTest, ClosingTheMainDialogTakesTheTreeWithIt) {
    ASSERT_NE(OpenTree(), nullptr);
    const HWND tree = Tree().m_hWnd;
    CloseDialog();
    EXPECT_FALSE(::IsWindow(tree));
}

// ---------------------------------------------------------------------------------------------
// Collapse All and Expand All

TEST_F(WindowTreeCommandsTest, CollapseAndExpandWithoutASelectionOrOnALeafDoNothing) {
    ASSERT_NE(OpenTree(), nullptr);
    ASSERT_EQ(TreeCtrl().GetSelectedItem(), nullptr);
    const auto before = Expansion();
    TreeCommand(ID_TREE_EXPAND_ALL);
    EXPECT_EQ(Expansion(), before);
    TreeCommand(ID_TREE_COLLAPSE_ALL);
    EXPECT_EQ(Expansion(), before);

    ASSERT_TRUE(TreeCtrl().SelectItem(NodeOf(leaf)));
    const auto withLeaf = Expansion();
    TreeCommand(ID_TREE_EXPAND_ALL);
    EXPECT_EQ(Expansion(), withLeaf);
    TreeCommand(ID_TREE_COLLAPSE_ALL);
    EXPECT_EQ(Expansion(), withLeaf);
}

TEST_F(WindowTreeCommandsTest, CollapseAndExpandActOnTheSelectedBranchOnly) {
    ASSERT_NE(OpenTree(), nullptr);
    const HTREEITEM topNode = NodeOf(top);
    ASSERT_TRUE(TreeCtrl().SelectItem(topNode));
    const HTREEITEM mainNode = NodeOf(Main());
    const bool mainExpanded = Info(mainNode).expanded;

    TreeCommand(ID_TREE_EXPAND_ALL);
    EXPECT_TRUE(Info(topNode).expanded);
    EXPECT_TRUE(Info(NodeOf(panel)).expanded);
    EXPECT_FALSE(Info(NodeOf(leaf)).expanded) << "a leaf has nothing to open";
    EXPECT_EQ(Info(mainNode).expanded, mainExpanded) << "outside the branch nothing changes";
    EXPECT_TRUE(Info(Root()).expanded);

    TreeCommand(ID_TREE_COLLAPSE_ALL);
    EXPECT_FALSE(Info(topNode).expanded);
    EXPECT_FALSE(Info(NodeOf(panel)).expanded) << "the inner branches close too";
    EXPECT_EQ(Info(mainNode).expanded, mainExpanded);
    EXPECT_TRUE(Info(Root()).expanded);
}

// ---------------------------------------------------------------------------------------------
// Context menu

class TreeContextMenuTest : public WindowTreeCommandsTest {
protected:
    // The tree's right click with the pointer at a point of the tree, in tree coordinates.
    void RightClickAt(POINT inTree) {
        POINT screen = inTree;
        ::ClientToScreen(TreeCtrl().m_hWnd, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ASSERT_TRUE(harness::WaitUntil(
            [&] {
                POINT at{};
                return ::GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
            },
            3000));
        NMHDR header{TreeCtrl().m_hWnd, IDC_TREE_TREE, static_cast<UINT>(NM_RCLICK)};
        Tree().SendMessage(WM_NOTIFY, IDC_TREE_TREE, reinterpret_cast<LPARAM>(&header));
        harness::PumpMessages();
    }
    RECT LabelRect(HTREEITEM item) const {
        // The request carries the item in the rectangle's place.
        RECT rect{};
        std::memcpy(&rect, &item, sizeof(item));
        TreeCtrl().SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    UINT HitFlags(POINT at) const {
        TVHITTESTINFO hit{};
        hit.pt = at;
        TreeCtrl().SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        return hit.flags;
    }
};

TEST_F(TreeContextMenuTest, OnlyAWindowNodesLabelOpensTheMenu) {
    ASSERT_NE(OpenTree(), nullptr);
    ::SetWindowPos(Tree().m_hWnd, HWND_TOP, 50, 50, 400, 700, SWP_SHOWWINDOW);
    const HTREEITEM node = NodeOf(top);
    ASSERT_NE(node, nullptr);
    TreeCtrl().SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    const RECT label = LabelRect(node);
    const int middle = (label.top + label.bottom) / 2;

    const POINT onIcon{label.left - 8, middle};
    const POINT onButton{label.left - 16 - 10, middle};
    ASSERT_TRUE(HitFlags(onIcon) & TVHT_ONITEMICON);
    ASSERT_TRUE(HitFlags(onButton) & (TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT));
    const RECT client = TreeCtrl().GetClientRect();
    const HTREEITEM last = TreeCtrl().GetNextItem(nullptr, TVGN_LASTVISIBLE);
    const POINT belowAll{client.right / 2, LabelRect(last).bottom + 5};
    const POINT rightOfLabel{label.right + 20, middle};
    for (POINT at : {onIcon, onButton, rightOfLabel, belowAll}) {
        SCOPED_TRACE(testing::Message() << "at " << at.x << ", " << at.y << " flags " << HitFlags(at));
        tree_test::PopupSeen seen;
        auto watcher = tree_test::WatchForPopup(seen, {VK_ESCAPE}, 500);
        RightClickAt(at);
        watcher->Stop();
        EXPECT_FALSE(watcher->Seen()) << "a menu away from a label";
        EXPECT_EQ(TreeCtrl().GetSelectedItem(), nullptr) << "and no selection";
    }

    tree_test::PopupSeen seen;
    auto watcher = tree_test::WatchForPopup(seen, {VK_ESCAPE});
    RightClickAt({label.left + 3, middle});
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "no menu on a window node's label";
    EXPECT_EQ(seen.items, (std::vector<std::wstring>{L"Enable/Visible", L"HighLight"}));
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), node) << "the node is selected first";
    EXPECT_EQ(dialog->ListedWindow(), top);
}

TEST_F(TreeContextMenuTest, AProcessNodesLabelOpensNoMenu) {
    ASSERT_NE(OpenTree(), nullptr);
    ::SetWindowPos(Tree().m_hWnd, HWND_TOP, 50, 50, 400, 700, SWP_SHOWWINDOW);
    TreeCommand(ID_TREE_CATEGORIZED);
    ASSERT_TRUE(TreeCtrl().SelectItem(NodeOf(top)));
    const HTREEITEM process = ProcessNode(target.ProcessId());
    ASSERT_NE(process, nullptr);
    TreeCtrl().SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(process));
    const RECT label = LabelRect(process);

    tree_test::PopupSeen seen;
    auto watcher = tree_test::WatchForPopup(seen, {VK_ESCAPE}, 500);
    RightClickAt({label.left + 3, (label.top + label.bottom) / 2});
    watcher->Stop();
    EXPECT_FALSE(watcher->Seen()) << "its commands would act on another window";
    EXPECT_EQ(TreeCtrl().GetSelectedItem(), NodeOf(top));
}

TEST_F(TreeContextMenuTest, EnableVisibleFromTheMenuShowsAndEnablesTheWindow) {
    HWND hidden = target.Create(harness::WindowRequest::Frame(L"Hidden and disabled", {720, 420, 900, 520},
                                                              WS_OVERLAPPEDWINDOW | WS_DISABLED));
    ASSERT_NE(hidden, nullptr);
    ASSERT_FALSE(::IsWindowVisible(hidden));
    ASSERT_FALSE(::IsWindowEnabled(hidden));
    ASSERT_NE(OpenTree(), nullptr);
    ::SetWindowPos(Tree().m_hWnd, HWND_TOP, 50, 50, 400, 700, SWP_SHOWWINDOW);
    const HTREEITEM node = NodeOf(hidden);
    ASSERT_NE(node, nullptr);
    TreeCtrl().SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    const RECT label = LabelRect(node);

    tree_test::PopupSeen seen;
    auto watcher = tree_test::WatchForPopup(seen, {'e'});
    RightClickAt({label.left + 3, (label.top + label.bottom) / 2});
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen());
    EXPECT_TRUE(
        harness::WaitUntil([&] { return ::IsWindowVisible(hidden) && ::IsWindowEnabled(hidden); }, 3000));
}

TEST_F(WindowTreeCommandsTest, MenuCommandsWithoutAWindowNodeDoNothing) {
    harness::WindowRequest request;
    request.text = L"Stays hidden";
    request.style = WS_POPUP | WS_DISABLED;
    HWND hidden = target.Create(request);
    ASSERT_NE(hidden, nullptr);
    ASSERT_TRUE(dialog->ShowWindowProperties(hidden)); // the main window's window is not the tree's
    ASSERT_NE(OpenTree(), nullptr);
    TreeCtrl().SelectItem(nullptr);
    TreeCommand(ID_TREE_ENABLE_VISIBLE);
    TreeCommand(ID_TREE_HIGHLIGHT);
    EXPECT_FALSE(::IsWindowVisible(hidden));
    EXPECT_FALSE(::IsWindowEnabled(hidden));
}

// ---------------------------------------------------------------------------------------------
// Toolbar, "View Options" and tooltips

struct TipCase {
    int id;
    const wchar_t* text;
};
constexpr TipCase kTips[] = {
    {ID_TREE_CATEGORIZED, L"Categorized"},   {ID_TREE_VIEW_OPTIONS, L"View Options"},
    {ID_TREE_SYNCH, L"Synch Tree View"},     {ID_TREE_REFRESH, L"Refresh"},
    {ID_TREE_COLLAPSE_ALL, L"Collapse All"}, {ID_TREE_EXPAND_ALL, L"Expand All"},
};

TEST_F(WindowTreeCommandsTest, ToolbarButtonsInTheirOrderWithTheirTooltips) {
    ASSERT_NE(OpenTree(), nullptr);
    const CToolBarCtrl& toolBar = Tree().m_wndToolBar;
    struct Expected {
        int command;
        int image;
        BYTE style;
    };
    const Expected expected[] = {
        {ID_TREE_CATEGORIZED, 0, BTNS_CHECK},
        {ID_TREE_VIEW_OPTIONS, 1, BTNS_WHOLEDROPDOWN},
        {0, 0, BTNS_SEP},
        {ID_TREE_REFRESH, 2, BTNS_BUTTON},
        {0, 0, BTNS_SEP},
        {ID_TREE_SYNCH, 3, BTNS_BUTTON},
        {ID_TREE_COLLAPSE_ALL, 4, BTNS_BUTTON},
        {ID_TREE_EXPAND_ALL, 5, BTNS_BUTTON},
    };
    ASSERT_EQ(toolBar.GetButtonCount(), 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        TBBUTTON button{};
        ASSERT_TRUE(
            toolBar.SendMessage(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)));
        EXPECT_EQ(button.fsStyle & (BTNS_SEP | BTNS_CHECK | BTNS_WHOLEDROPDOWN), expected[i].style);
        if (expected[i].style != BTNS_SEP) {
            EXPECT_EQ(button.idCommand, expected[i].command);
            EXPECT_EQ(button.iBitmap, expected[i].image);
        }
    }
    const auto images = reinterpret_cast<HIMAGELIST>(toolBar.SendMessage(TB_GETIMAGELIST));
    EXPECT_EQ(::ImageList_GetImageCount(images), 6);
    EXPECT_EQ(Tree().m_wndReBar.GetParent(), Tree().m_hWnd);
    EXPECT_EQ(toolBar.GetParent(), Tree().m_wndReBar.m_hWnd) << "the toolbar sits in the rebar's band";

    // The toolbar's own tooltip control asks the dialog for each button's text.
    HWND tooltip = toolBar.GetToolTips();
    ASSERT_NE(tooltip, nullptr);
    for (const TipCase& tip : kTips) {
        SCOPED_TRACE(tip.id);
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = toolBar.m_hWnd;
        tool.uId = static_cast<UINT_PTR>(tip.id);
        tool.lpszText = text;
        ::SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tip.text);
    }
    for (UINT_PTR id : {UINT_PTR(32773), UINT_PTR(32780), UINT_PTR(102)}) {
        NMTTDISPINFOW info{};
        info.hdr.code = TTN_GETDISPINFOW;
        info.hdr.idFrom = id;
        Tree().SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.lpszText, nullptr) << id;
    }
}

TEST_F(WindowTreeCommandsTest, CategorizedButtonFollowsTheView) {
    ASSERT_NE(OpenTree(), nullptr);
    ClickToolBarButton(Tree().m_wndToolBar, 0);
    EXPECT_TRUE(Tree().m_bCategorized);
    EXPECT_TRUE(Tree().m_wndToolBar.IsButtonChecked(ID_TREE_CATEGORIZED));
    EXPECT_EQ(Tree().RecordOf(Children(Root()).front())->nKind, ITEM_PROCESS);
    ClickToolBarButton(Tree().m_wndToolBar, 0);
    EXPECT_FALSE(Tree().m_bCategorized);
    EXPECT_FALSE(Tree().m_wndToolBar.IsButtonChecked(ID_TREE_CATEGORIZED));
    EXPECT_EQ(Tree().RecordOf(Children(Root()).front())->nKind, ITEM_WINDOW);
}

TEST_F(WindowTreeCommandsTest, ViewOptionsDropDownTogglesTheFiltersWithCheckMarks) {
    ASSERT_NE(OpenTree(), nullptr);
    const CToolBarCtrl& toolBar = Tree().m_wndToolBar;
    RECT button{};
    toolBar.GetItemRect(1, &button);
    ::MapWindowPoints(toolBar.m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    const std::vector<std::wstring> items{L"Hide Unvisible Windows", L"Hide Untitled Windows"};

    struct Step {
        std::vector<WPARAM> keys;
        std::vector<bool> checkedBefore;
        BOOL hideInvisible, hideUntitled;
    };
    const Step steps[] = {
        {{VK_DOWN, VK_RETURN}, {false, false}, TRUE, FALSE},
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {true, false}, TRUE, TRUE},
        {{VK_DOWN, VK_RETURN}, {true, true}, FALSE, TRUE},
        {{VK_ESCAPE}, {false, true}, FALSE, TRUE},
    };
    for (const Step& step : steps) {
        tree_test::PopupSeen seen;
        auto watcher = tree_test::WatchForPopup(seen, step.keys);
        ClickToolBarButton(toolBar, 1);
        watcher->Stop();
        ASSERT_TRUE(watcher->Seen()) << "no drop-down menu";
        EXPECT_EQ(seen.items, items);
        EXPECT_EQ(seen.checked, step.checkedBefore);
        EXPECT_EQ(seen.rect.left, button.left);
        EXPECT_EQ(seen.rect.top, button.bottom);
        EXPECT_EQ(Tree().m_bHideInvisible, step.hideInvisible);
        EXPECT_EQ(Tree().m_bHideUntitled, step.hideUntitled);
    }
}

} // namespace
