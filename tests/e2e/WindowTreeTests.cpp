// The window tree used as a person would: opened from the main window's toolbar, a node clicked
// with the mouse and the selected window's rows read back from the main window, a branch opened
// from the keyboard, the context menu on a label and nowhere else.
#include "common/ValueFormat.h"
#include "e2e/RemoteTreeView.h"
#include "harness/OrvexSession.h"
#include "harness/RemoteToolBar.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

using harness::CenterOf;

constexpr int kWindowTreeIndex = 3; // on the view toolbar

std::wstring LabelPrefix(HWND hwnd) {
    return L"(" + harness::HandleDigits(hwnd) + L"h, ";
}

class WindowTreeE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::ClearOrvexSettings();
        ASSERT_TRUE(target.IsRunning());
        foreign = target.Create(harness::WindowRequest::Frame(L"Tree target", {760, 600, 1060, 800}));
        foreignButton = target.Create(harness::WindowRequest::Child(foreign, L"Button", L"Tree target button",
                                                                    BS_PUSHBUTTON, {10, 10, 200, 50}, 7));
        ASSERT_TRUE(foreign && foreignButton);

        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(orvex.Activate());
    }

    // Clicks "Display Window Tree View" and waits for the tree window and its tree.
    void OpenTree() {
        HWND viewToolBar = ::GetDlgItem(orvex.Control(100), 101);
        const auto button = harness::ToolBarButtonScreenRect(viewToolBar, kWindowTreeIndex);
        ASSERT_TRUE(button.has_value());
        const POINT at = CenterOf(*button);
        harness::xdo::Click(at.x, at.y);
        ASSERT_TRUE(harness::WaitUntil(
            [&] {
                for (HWND hwnd :
                     harness::FindTopLevelWindows(orvex.Process().Id(), L"#32770", L"Window Tree View"))
                    if (::IsWindowVisible(hwnd)) {
                        treeWindow = hwnd;
                        return true;
                    }
                return false;
            },
            10000))
            << "no tree window";
        tree = ::GetDlgItem(treeWindow, 102);
        ASSERT_NE(tree, nullptr);
        ASSERT_TRUE(harness::WaitUntil([&] { return e2e::TreeRoot(tree) != nullptr; }, 5000));
    }

    bool MenuShown() {
        for (HWND popup : harness::FindTopLevelWindows(orvex.Process().Id(), L"#32768", nullptr))
            if (::IsWindowVisible(popup))
                return true;
        return false;
    }

    harness::TargetProcess target;
    harness::OrvexSession orvex;
    HWND foreign = nullptr;
    HWND foreignButton = nullptr;
    HWND treeWindow = nullptr;
    HWND tree = nullptr;
};

TEST_F(WindowTreeE2eTest, ClickingANodeListsItsWindowInTheMainWindow) {
    OpenTree();
    RECT main{}, beside{};
    ::GetWindowRect(orvex.MainWindow(), &main);
    ::GetWindowRect(treeWindow, &beside);
    EXPECT_EQ(beside.right - beside.left, 400);
    EXPECT_EQ(beside.top, main.top);
    EXPECT_EQ(beside.bottom - beside.top, main.bottom - main.top);
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::FocusIn(tree) == tree; }))
        << "the tree opens with the focus in the tree, not its toolbar";

    const HTREEITEM frameNode = e2e::FindTreeChild(tree, e2e::TreeRoot(tree), LabelPrefix(foreign));
    ASSERT_NE(frameNode, nullptr) << "the foreign window is below the desktop";
    EXPECT_EQ(e2e::TreeItemText(tree, frameNode), LabelPrefix(foreign) + L"OrvexTargetWindow) Tree target");
    const auto label = e2e::TreeItemScreenRect(tree, frameNode);
    ASSERT_TRUE(label.has_value());
    const POINT at = CenterOf(*label);
    harness::xdo::Click(at.x, at.y);
    EXPECT_TRUE(orvex.WaitListed(foreign)) << "the main window lists the clicked node's window";

    // The arrow key opens the selected branch; its child is clicked in turn.
    harness::xdo::Key(L"Right");
    HTREEITEM buttonNode = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            buttonNode = e2e::FindTreeChild(tree, frameNode, LabelPrefix(foreignButton));
            return buttonNode && e2e::TreeItemScreenRect(tree, buttonNode).has_value();
        },
        5000));
    const auto buttonLabel = e2e::TreeItemScreenRect(tree, buttonNode);
    ASSERT_TRUE(buttonLabel.has_value());
    const POINT onButton = CenterOf(*buttonLabel);
    harness::xdo::Click(onButton.x, onButton.y);
    EXPECT_TRUE(orvex.WaitListed(foreignButton));
    bool textShown = false;
    for (const harness::ListRow& row : orvex.PropertyRows())
        textShown |= row.value == L"Tree target button";
    EXPECT_TRUE(textShown) << "the button's own rows, not only its handle";
}

TEST_F(WindowTreeE2eTest, RightClickOpensTheMenuOnALabelOnly) {
    OpenTree();
    const HTREEITEM frameNode = e2e::FindTreeChild(tree, e2e::TreeRoot(tree), LabelPrefix(foreign));
    ASSERT_NE(frameNode, nullptr);
    const auto label = e2e::TreeItemScreenRect(tree, frameNode);
    ASSERT_TRUE(label.has_value());

    // Right of the label, on the node's row: no menu, and the node is not selected. (The click gives
    // the tree the focus, and a tree taking the focus without a selection selects its first node.)
    const int middle = (label->top + label->bottom) / 2;
    harness::xdo::Click(label->right + 30, middle, 3);
    harness::WaitUntil([&] { return MenuShown(); }, 1000);
    EXPECT_FALSE(MenuShown());
    EXPECT_NE(orvex.ListedHandle(), orvex::FormatPointer(reinterpret_cast<UINT_PTR>(foreign)));

    harness::xdo::Click(label->left + 4, middle, 3);
    EXPECT_TRUE(harness::WaitUntil([&] { return MenuShown(); }, 5000)) << "no menu on the label";
    EXPECT_TRUE(orvex.WaitListed(foreign)) << "the node is selected before its menu opens";
    harness::xdo::Key(L"Escape");
    EXPECT_TRUE(harness::WaitUntil([&] { return !MenuShown(); }, 5000));
}

} // namespace
