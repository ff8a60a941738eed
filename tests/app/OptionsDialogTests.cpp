// The options dialog in the test process, opened through the main dialog's command the way its
// toolbar button opens it: what Cancel leaves alone, OK applied at once, and a cleared hot key.
#include "maindlg/MainDialogFixture.h"

#include "harness/WindowWatcher.h"

#include <commctrl.h>

#include <functional>

namespace {

using harness::IsOwnDialog;
using maindlg_test::MainDialogTest;

constexpr WORD kCtrlShiftF9 = MAKEWORD(VK_F9, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
constexpr WORD kCtrlAltA = MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT);

bool IsOptionsDialog(HWND hwnd) {
    return IsOwnDialog(hwnd, L"Orvex Options");
}

// Message boxes carry the application name, like the main dialog, which holds the property view.
bool IsMessageBox(HWND hwnd) {
    return IsOwnDialog(hwnd, L"Orvex") && !::GetDlgItem(hwnd, 103);
}

void Click(HWND dialog, int id) {
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

struct SeenState {
    LRESULT alwaysOnTop = -1;
    LRESULT hideMainWindow = -1;
    LRESULT hotKey = -1;
};

SeenState Read(HWND dialog) {
    return {::SendDlgItemMessageW(dialog, 1002, BM_GETCHECK, 0, 0),
            ::SendDlgItemMessageW(dialog, 1004, BM_GETCHECK, 0, 0),
            ::SendDlgItemMessageW(dialog, 1003, HKM_GETHOTKEY, 0, 0)};
}

class OptionsDialogTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(OpenDialog());
        m_probe = ::CreateWindowExW(0, L"STATIC", L"probe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(m_probe);
        MainDialogTest::TearDown();
    }

    // Sends the options command to the main dialog; `act` works on the modal dialog from another
    // thread and ends it. A message box shown on the way is answered and counted.
    void RunOptions(const std::function<void(HWND)>& act) {
        harness::WindowWatcher boxes(IsMessageBox,
                                     [](HWND box) { ::PostMessageW(box, WM_COMMAND, IDOK, 0); });
        harness::WindowWatcher options(IsOptionsDialog, act);
        ::SendMessageW(Main(), WM_COMMAND, ID_VIEW_OPTIONS, 0);
        options.Stop();
        boxes.Stop();
        EXPECT_TRUE(options.Seen()) << "the options dialog did not open";
        messageShown = boxes.Seen();
    }

    // True when the combination is registered by someone (registering it fails with 1409).
    bool Held(UINT modifiers, UINT key) const {
        if (::RegisterHotKey(m_probe, 0x7E57, modifiers, key)) {
            ::UnregisterHotKey(m_probe, 0x7E57);
            return false;
        }
        return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
    }

    bool IsTopmost() const { return (::GetWindowLongPtrW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

    bool messageShown = false;

private:
    HWND m_probe = nullptr;
};

TEST_F(OptionsDialogTest, CancelAfterChangingEveryControlChangesAndAppliesNothing) {
    ASSERT_TRUE(Held(0, VK_F9));
    ASSERT_FALSE(IsTopmost());
    // Settings changed in memory only: the dialog must show them, and Cancel must not apply them.
    app.m_settings.m_bKeepAlwaysOnTop = 1;
    app.m_settings.m_bHideOnSeeking = 1;
    app.m_settings.m_nHotKey = kCtrlShiftF9;

    SeenState opened;
    RunOptions([&](HWND dialog) {
        opened = Read(dialog);
        Click(dialog, 1002);
        Click(dialog, 1004);
        ::SendDlgItemMessageW(dialog, 1003, HKM_SETHOTKEY, kCtrlAltA, 0);
        const SeenState changed = Read(dialog);
        EXPECT_EQ(changed.alwaysOnTop, BST_UNCHECKED);
        EXPECT_EQ(changed.hideMainWindow, BST_UNCHECKED);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(opened.alwaysOnTop, BST_CHECKED);
    EXPECT_EQ(opened.hideMainWindow, BST_CHECKED);
    EXPECT_EQ(opened.hotKey, kCtrlShiftF9);

    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 1);
    EXPECT_EQ(app.m_settings.m_bHideOnSeeking, 1);
    EXPECT_EQ(app.m_settings.m_nHotKey, kCtrlShiftF9);
    EXPECT_FALSE(IsTopmost()) << "nothing is applied on Cancel";
    EXPECT_FALSE(Held(MOD_CONTROL | MOD_SHIFT, VK_F9));
    EXPECT_FALSE(Held(MOD_CONTROL | MOD_ALT, 'A'));
    EXPECT_TRUE(Held(0, VK_F9));
    EXPECT_FALSE(messageShown);
}

TEST_F(OptionsDialogTest, OkAppliesKeepOnTopAtOnceBothWays) {
    RunOptions([&](HWND dialog) {
        Click(dialog, 1002);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 1);
    EXPECT_TRUE(IsTopmost()) << "topmost when the command returns";
    RunOptions([&](HWND dialog) {
        Click(dialog, 1002);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 0);
    EXPECT_FALSE(IsTopmost());
    EXPECT_FALSE(messageShown) << "F9 registered again is refused as already registered, silently";
}

TEST_F(OptionsDialogTest, MorePropertiesChosenOnOkRelistTheWindowWithTheFurtherGroups) {
    HWND listed = ::CreateWindowExW(0, L"STATIC", L"listed", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(dialog->ShowWindowProperties(listed));
    const int shown = View().GetItemCount();
    LRESULT opened = -1;
    RunOptions([&](HWND options) {
        opened = ::SendDlgItemMessageW(options, 1005, BM_GETCHECK, 0, 0);
        Click(options, 1005);
        Click(options, IDOK);
    });
    EXPECT_EQ(opened, BST_UNCHECKED) << "off by default";
    EXPECT_EQ(app.m_settings.m_bMoreProperties, 1);
    EXPECT_GT(View().GetItemCount(), shown);
    ::DestroyWindow(listed);
}

TEST_F(OptionsDialogTest, ClearedHotKeyIsStoredAsZeroAndNeverRegistered) {
    RunOptions([&](HWND dialog) {
        // Backspace clears the control, as the user would.
        HWND hotKey = ::GetDlgItem(dialog, 1003);
        ::SendMessageW(hotKey, WM_KEYDOWN, VK_BACK, 0x000E0001);
        ::SendMessageW(hotKey, WM_KEYUP, VK_BACK, 0xC00E0001);
        EXPECT_EQ(Read(dialog).hotKey, 0);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(app.m_settings.m_nHotKey, 0);
    EXPECT_FALSE(messageShown);
    EXPECT_FALSE(Held(0, 0)) << "a key that does not exist was registered";
    EXPECT_FALSE(Held(0, VK_F9)) << "the cleared key is given back to every other program";

    // The next start (stored 0) registers nothing at all, and says nothing about it.
    harness::WindowWatcher boxes(IsMessageBox, [](HWND box) { ::PostMessageW(box, WM_COMMAND, IDOK, 0); });
    ASSERT_TRUE(OpenDialog());
    boxes.Stop();
    EXPECT_FALSE(boxes.Seen());
    EXPECT_FALSE(Held(0, VK_F9));
    EXPECT_FALSE(Held(0, 0));
}

} // namespace
