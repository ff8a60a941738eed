// The options dialog as a user meets it: opened from the toolbar, changed with real clicks and key
// presses, applied on OK, and the values Orvex writes at exit.
#include "DialogDriving.h"
#include "SettingsHelpers.h"

#include "common/ValueFormat.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"

namespace {

using harness::CenterOf;

using namespace settings_e2e;
using dialog_e2e::ClickControl;

constexpr int kOptionsButtonIndex = 6; // on the view toolbar

// True when another process holds the combination (registering it fails with 1409).
bool HeldElsewhere(UINT modifiers, UINT key) {
    if (::RegisterHotKey(nullptr, 0x7E57, modifiers, key)) {
        ::UnregisterHotKey(nullptr, 0x7E57);
        return false;
    }
    return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

bool OffScreen(HWND hwnd) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int shape = ::GetWindowRgn(hwnd, region);
    ::DeleteObject(region);
    return shape == NULLREGION;
}

// True when a popup owned by `hwnd` lies above it in the Z order.
bool OwnPopupAbove(HWND hwnd) {
    for (HWND above = ::GetWindow(hwnd, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV))
        if (::GetWindow(above, GW_OWNER) == hwnd)
            return true;
    return false;
}

class OptionsTest : public ::testing::Test {
protected:
    void SetUp() override { harness::ClearOrvexSettings(); }
    void TearDown() override { harness::ClearOrvexSettings(); }

    void StartOrvex() {
        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(orvex.Activate());
    }
    HWND OpenOptions() {
        dialog_e2e::ClickToolBarButton(ViewToolBar(orvex), kOptionsButtonIndex);
        return dialog_e2e::WaitForDialog(orvex.Process().Id(), L"Orvex Options");
    }
    // Presses OK or Cancel and returns once the main window has done what follows the dialog.
    void Press(HWND dialog, int button) {
        ClickControl(::GetDlgItem(dialog, button));
        ASSERT_TRUE(harness::WaitUntil([&] { return !::IsWindow(dialog); }, 5000)) << "the dialog stays open";
        // Answered only once the handler that ran the dialog has returned, or from a message box
        // that handler shows.
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(orvex.MainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    }
    static LRESULT Checked(HWND dialog, int id) {
        return ::SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0);
    }
    // Clicks the hot-key box and waits until it has the focus.
    static bool FocusHotKeyBox(HWND dialog) {
        HWND box = ::GetDlgItem(dialog, 1003);
        ClickControl(box);
        return harness::WaitUntil([&] { return harness::FocusIn(box) == box; }, 5000);
    }
    static LRESULT HotKey(HWND dialog) { return ::SendDlgItemMessageW(dialog, 1003, HKM_GETHOTKEY, 0, 0); }
    bool IsTopmost() const {
        return (::GetWindowLongPtrW(orvex.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    }
    bool MessageBoxShown() const {
        for (HWND box : orvex.OtherDialogs())
            if (::IsWindowVisible(box))
                return true;
        return false;
    }
    // A foreign window on the right half of the desktop, away from Orvex and its dialogs.
    HWND ForeignWindow() {
        return target.Create(harness::WindowRequest::Frame(L"Options target", {760, 300, 1160, 700}));
    }

    harness::TargetProcess target;
    harness::OrvexSession orvex;
};

TEST_F(OptionsTest, FreshInstallationShowsClearedBoxesAndF9AndOkKeepsThem) {
    StartOrvex();
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr) << "the Options button did not open the dialog";
    EXPECT_EQ(::GetWindow(options, GW_OWNER), orvex.MainWindow());
    EXPECT_EQ(Checked(options, 1002), BST_UNCHECKED);
    EXPECT_EQ(Checked(options, 1004), BST_UNCHECKED);
    EXPECT_EQ(HotKey(options), VK_F9) << "F9 without modifier, shown as stored";

    Press(options, IDOK);
    EXPECT_FALSE(MessageBoxShown()) << "F9 is registered again; the refusal as already registered is silent";
    EXPECT_FALSE(IsTopmost());
    EXPECT_TRUE(HeldElsewhere(0, VK_F9)) << "F9 keeps working";

    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"KeepAlwaysOnTop"), 0ul);
    EXPECT_EQ(QueryDword(kSettings, L"HideOnSeeking"), 0ul);
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x78ul);
}

TEST_F(OptionsTest, LetterTypedAloneBecomesCtrlAltPlusTheLetterAndPicksWindowsAfterOk) {
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = ForeignWindow();
    ASSERT_NE(foreign, nullptr);
    StartOrvex();
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);

    ASSERT_TRUE(FocusHotKeyBox(options)) << "the click did not focus the hot-key control";
    harness::xdo::Key(L"a");
    const LRESULT ctrlAltA = MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT);
    EXPECT_TRUE(harness::WaitUntil([&] { return HotKey(options) == ctrlAltA; }, 5000))
        << "shown: 0x" << std::hex << HotKey(options);

    Press(options, IDOK);
    EXPECT_FALSE(MessageBoxShown());
    EXPECT_TRUE(HeldElsewhere(MOD_CONTROL | MOD_ALT, 'A'));
    const POINT over = CenterOf(foreign);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"ctrl+alt+a");
    EXPECT_TRUE(orvex.WaitListed(foreign)) << "the new key takes the window under the cursor";

    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x0641ul);
}

// The hot key pressed in the box is typed there: it neither picks the window under the pointer nor
// brings the main window over its own dialog. With About open instead, it does nothing at all.
TEST_F(OptionsTest, TheHotKeyWhileADialogIsOpenPicksNothingAndTheOptionsBoxReceivesIt) {
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = ForeignWindow();
    ASSERT_NE(foreign, nullptr);
    StartOrvex();
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(HeldElsewhere(0, VK_F9)) << "the hot key is withdrawn while Options is open";
    ASSERT_TRUE(FocusHotKeyBox(options)) << "the click did not focus the hot-key control";
    const POINT over = CenterOf(foreign);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return HotKey(options) == MAKEWORD(VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT); }, 5000))
        << "shown: 0x" << std::hex << HotKey(options);
    EXPECT_FALSE(orvex.WaitListed(foreign, 1000));
    EXPECT_TRUE(OwnPopupAbove(orvex.MainWindow())) << "the dialog stays above the main window";
    Press(options, IDCANCEL);
    EXPECT_TRUE(HeldElsewhere(0, VK_F9)) << "registered again when the dialog closes";

    dialog_e2e::ClickToolBarButton(orvex.Control(105), 0);
    HWND about = dialog_e2e::WaitForDialog(orvex.Process().Id(), L"About Orvex");
    ASSERT_NE(about, nullptr);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    EXPECT_FALSE(orvex.WaitListed(foreign, 1500));
    EXPECT_TRUE(::IsWindowVisible(about));
    EXPECT_TRUE(OwnPopupAbove(orvex.MainWindow()));
    Press(about, IDOK);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    EXPECT_TRUE(orvex.WaitListed(foreign)) << "the key picks again once the dialog has closed";
}

TEST_F(OptionsTest, AClearedHotKeyIsGivenBackAndNoLongerPicksWindows) {
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = ForeignWindow();
    ASSERT_NE(foreign, nullptr);
    StartOrvex();
    ASSERT_TRUE(HeldElsewhere(0, VK_F9)) << "Orvex holds F9 to begin with";
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    // What the control holds once the user has emptied it.
    ::SendDlgItemMessageW(options, 1003, HKM_SETHOTKEY, 0, 0);
    Press(options, IDOK);
    EXPECT_FALSE(MessageBoxShown());
    EXPECT_FALSE(HeldElsewhere(0, VK_F9)) << "F9 is given back to every other program";

    const POINT over = CenterOf(foreign);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    EXPECT_FALSE(orvex.WaitListed(foreign, 2000))
        << "the cleared key still picks the window under the cursor";

    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0ul);
}

TEST_F(OptionsTest, KeepOnTopIsAppliedAtOnceBothWaysAndRemembered) {
    StartOrvex();
    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ClickControl(::GetDlgItem(options, 1002));
    EXPECT_TRUE(harness::WaitUntil([&] { return Checked(options, 1002) == BST_CHECKED; }, 5000));
    Press(options, IDOK);
    const bool topmostAtOnce = IsTopmost();
    const bool ownPopupAbove = OwnPopupAbove(orvex.MainWindow());
    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"KeepAlwaysOnTop"), 1ul);

    harness::OrvexSession again;
    ASSERT_TRUE(again.Start());
    HWND main = again.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    dialog_e2e::ClickToolBarButton(ViewToolBar(again), kOptionsButtonIndex);
    options = dialog_e2e::WaitForDialog(again.Process().Id(), L"Orvex Options");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(Checked(options, 1002), BST_CHECKED);
    ClickControl(::GetDlgItem(options, 1002));
    EXPECT_TRUE(harness::WaitUntil([&] { return Checked(options, 1002) == BST_UNCHECKED; }, 5000));
    ClickControl(::GetDlgItem(options, IDOK));
    EXPECT_TRUE(
        harness::WaitUntil([&] { return !(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST); }, 5000))
        << "no longer topmost once the dialog has closed";
    ASSERT_TRUE(again.Close());
    EXPECT_EQ(QueryDword(kSettings, L"KeepAlwaysOnTop"), 0ul);

    if (!topmostAtOnce && ownPopupAbove)
        GTEST_SKIP()
            << "Wine keeps a window's own popups (here a toolbar tooltip the mouse passed) above it and "
               "then cannot make the window topmost; the in-process test shows it applied at once";
    EXPECT_TRUE(topmostAtOnce) << "topmost as soon as the dialog has closed";
}

TEST_F(OptionsTest, HidingWhileSeekingTakesEffectFromTheNextDrag) {
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = ForeignWindow();
    ASSERT_NE(foreign, nullptr);
    StartOrvex();
    HWND main = orvex.MainWindow();
    const POINT finder = CenterOf(::GetDlgItem(orvex.Control(100), 102));
    const POINT over = CenterOf(foreign);

    // Before the change a drag leaves the main window where it is.
    harness::xdo::MoveTo(finder.x, finder.y);
    harness::xdo::ButtonDown();
    harness::xdo::MoveTo(over.x, over.y);
    EXPECT_TRUE(orvex.WaitListed(foreign));
    EXPECT_FALSE(OffScreen(main));
    harness::xdo::ButtonUp();

    HWND options = OpenOptions();
    ASSERT_NE(options, nullptr);
    ClickControl(::GetDlgItem(options, 1004));
    EXPECT_TRUE(harness::WaitUntil([&] { return Checked(options, 1004) == BST_CHECKED; }, 5000));
    Press(options, IDOK);

    harness::xdo::MoveTo(finder.x, finder.y);
    harness::xdo::ButtonDown();
    EXPECT_TRUE(harness::WaitUntil([&] { return OffScreen(main); }, 5000))
        << "the next drag hides the window";
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::ButtonUp();
    EXPECT_TRUE(harness::WaitUntil([&] { return !OffScreen(main); }, 5000));

    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"HideOnSeeking"), 1ul);
}

} // namespace
