// The main window worked from the keyboard alone: each command key runs its command wherever the
// focus is, Tab walks through the window's parts, and a toolbar answers the arrow keys and Space.
#include "DialogDriving.h"
#include "SettingsHelpers.h"

#include "harness/TargetClient.h"
#include "res/resource.h"

namespace {

using namespace settings_e2e;
using harness::FocusIn;

bool WatchCursorChecked(const harness::OrvexSession& orvex) {
    return ::SendMessageW(ViewToolBar(orvex), TB_ISBUTTONCHECKED, ID_VIEW_WATCH_CURSOR, 0) != 0;
}

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::ClearOrvexSettings();
        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(orvex.Activate());
        // The pointer away from the toolbars, whose hot button follows it.
        harness::xdo::MoveTo(1200, 980);
    }
    void TearDown() override { harness::ClearOrvexSettings(); }

    // Presses `keys` in the main window; true once a dialog captioned `caption` is in front, which
    // Escape then closes again. The main window is clicked to the front first: under Wine without a
    // window manager the closed dialog can leave the keyboard with the desktop window.
    bool OpensAndEscapeCloses(const wchar_t* keys, const wchar_t* caption) {
        if (!orvex.Activate() || !harness::xdo::Key(keys))
            return false;
        HWND opened = dialog_e2e::WaitForDialog(orvex.Process().Id(), caption, 5000);
        if (!opened || !harness::WaitUntil([&] { return ::GetForegroundWindow() == opened; }, 5000))
            return false;
        harness::xdo::Key(L"Escape");
        return harness::WaitUntil([&] { return !::IsWindow(opened); }, 5000);
    }

    harness::OrvexSession orvex;
};

TEST_F(KeyboardTest, CommandKeysRunTheirCommandsWhereverTheFocusIsButNotWithAltOrAGreyedButton) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    harness::WindowRequest keyed = harness::WindowRequest::Frame(L"Keyed", {720, 600, 1000, 750});
    keyed.style = WS_OVERLAPPEDWINDOW | WS_DISABLED;
    HWND window = target.Create(keyed);
    ASSERT_NE(window, nullptr);
    target.Show(window, SW_SHOWNOACTIVATE);
    const POINT inWindow = harness::CenterOf(window);
    harness::xdo::MoveTo(inWindow.x, inWindow.y);
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(window));
    target.Show(window, SW_HIDE);
    harness::xdo::MoveTo(1200, 980);
    ASSERT_TRUE(orvex.Activate());

    harness::xdo::Key(L"ctrl+d");
    EXPECT_TRUE(harness::WaitUntil([&] {
        const auto toggle = ToggleButton(orvex);
        return toggle && toggle->text == L"Detail" &&
               harness::ValueOf(orvex.PropertyRows(), L"Window Proc") == L"<missing>";
    })) << "Ctrl+D shows the Summary listing";
    target.SetText(window, L"Keyed again");
    harness::xdo::Key(L"F5");
    EXPECT_TRUE(harness::WaitUntil([&] {
        return harness::ValueOf(orvex.PropertyRows(), L"Text") == L"Keyed again";
    })) << "F5 reads the window again";
    harness::xdo::Key(L"ctrl+e");
    EXPECT_TRUE(harness::WaitUntil([&] { return ::IsWindowVisible(window) && ::IsWindowEnabled(window); }))
        << "Ctrl+E enables and shows the window";

    // With the focus on a toolbar the keys still work, and Watch Cursor's button shows its state.
    ASSERT_TRUE(orvex.Activate());
    harness::xdo::Key(L"Tab");
    ASSERT_TRUE(
        harness::WaitUntil([&] { return FocusIn(orvex.MainWindow()) == orvex.Control(IDC_WINDOW_TOOLBAR); }));
    harness::xdo::Key(L"ctrl+w");
    EXPECT_TRUE(harness::WaitUntil([&] { return WatchCursorChecked(orvex); }));
    harness::xdo::Key(L"ctrl+w");
    EXPECT_TRUE(harness::WaitUntil([&] { return !WatchCursorChecked(orvex); }));

    // AltGr is Ctrl+Alt: no command. Nor does a greyed button's key run its command.
    harness::xdo::Key(L"ctrl+alt+t");
    ::SendMessageW(ViewToolBar(orvex), TB_ENABLEBUTTON, ID_VIEW_WINDOW_TREE, FALSE);
    harness::xdo::Key(L"ctrl+t");
    EXPECT_EQ(dialog_e2e::WaitForDialog(orvex.Process().Id(), L"Window Tree View", 1500), nullptr);
    ::SendMessageW(ViewToolBar(orvex), TB_ENABLEBUTTON, ID_VIEW_WINDOW_TREE, TRUE);

    const struct {
        const wchar_t* keys;
        const wchar_t* caption;
    } opening[] = {
        {L"ctrl+t", L"Window Tree View"}, {L"ctrl+o", L"Orvex Options"}, {L"ctrl+m", L"Send Message"},
        {L"ctrl+l", L"Message Log"},      {L"ctrl+f", L"Find Window"},   {L"F1", L"About Orvex"},
    };
    for (const auto& key : opening)
        EXPECT_TRUE(OpensAndEscapeCloses(key.keys, key.caption))
            << testing::PrintToString(std::wstring(key.keys));
    EXPECT_TRUE(orvex.Close());
}

TEST_F(KeyboardTest, TabWalksThePartsAToolbarAnswersArrowsAndSpaceAndEnterStillEnds) {
    HWND list = orvex.Control(IDC_PROPERTIES);
    ASSERT_TRUE(harness::WaitUntil([&] { return FocusIn(orvex.MainWindow()) == list; }))
        << "the focus starts in the list";
    const HWND order[] = {orvex.Control(IDC_WINDOW_TOOLBAR), orvex.Control(IDC_ABOUT_TOOLBAR),
                          ViewToolBar(orvex), ::GetDlgItem(orvex.Control(IDC_MAIN_REBAR), IDC_FINDER_TOOL),
                          list};
    for (HWND part : order) {
        harness::xdo::Key(L"Tab");
        EXPECT_TRUE(harness::WaitUntil([&] { return FocusIn(orvex.MainWindow()) == part; }, 3000))
            << "Tab reaches control " << ::GetDlgCtrlID(part);
    }

    harness::xdo::Key(L"shift+Tab shift+Tab");
    ASSERT_TRUE(harness::WaitUntil([&] { return FocusIn(orvex.MainWindow()) == ViewToolBar(orvex); }, 3000));
    EXPECT_EQ(::SendMessageW(ViewToolBar(orvex), TB_GETHOTITEM, 0, 0), 0) << "the focused button shows hot";
    harness::xdo::Key(L"space");
    EXPECT_TRUE(harness::WaitUntil([&] {
        const auto toggle = ToggleButton(orvex);
        return toggle && toggle->text == L"Detail";
    })) << "Space presses Summary/Detail";
    // Past Refresh and a separator to Watch Cursor.
    harness::xdo::Key(L"Right Right Right");
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return ::SendMessageW(ViewToolBar(orvex), TB_GETHOTITEM, 0, 0) == 4; }, 3000));
    harness::xdo::Key(L"space");
    EXPECT_TRUE(harness::WaitUntil([&] { return WatchCursorChecked(orvex); }));

    harness::xdo::Key(L"Return");
    EXPECT_TRUE(orvex.Process().WaitForExit(10000)) << "Enter on a toolbar ends Orvex";
}

} // namespace
