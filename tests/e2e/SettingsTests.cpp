// Orvex's settings as a user meets them: the first run without a registry key, the values written
// at exit, stored values applied at the next start, the stored hot key with its modifiers and its
// messages, and Enter and Esc ending the program from the property list.
#include "SettingsHelpers.h"

#include "harness/WindowWatcher.h"

#include "res/resource.h"

namespace {

using namespace settings_e2e;

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The window rectangle template 102 gets in this process (same resources, same DPI awareness).
RECT TemplateWindowRect() {
    RECT rect{};
    HWND dialog = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ORVEX_DIALOG),
                                       nullptr, PlainDialogProc, 0);
    if (!dialog)
        return rect;
    ::GetWindowRect(dialog, &rect);
    ::DestroyWindow(dialog);
    return rect;
}

// True when another process holds the combination (registering it fails with 1409).
bool HeldElsewhere(UINT modifiers, UINT key) {
    if (::RegisterHotKey(nullptr, 0x7E57, modifiers, key)) {
        ::UnregisterHotKey(nullptr, 0x7E57);
        return false;
    }
    return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { harness::ClearOrvexSettings(); }
    void TearDown() override { harness::ClearOrvexSettings(); }
    harness::OrvexSession orvex;
};

// ---------------------------------------------------------------------------------------------
// First run and the values written at exit

TEST_F(SettingsTest, FirstRunOpensAtTheTemplateSizeInDetailModeAndWritesSevenValuesAtExit) {
    const RECT expected = TemplateWindowRect();
    ASSERT_GT(expected.right - expected.left, 0);

    ASSERT_TRUE(orvex.Start());
    HWND main = orvex.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    RECT rect{};
    ::GetWindowRect(main, &rect);
    EXPECT_EQ(rect.right - rect.left, expected.right - expected.left) << "width of template 102";
    EXPECT_EQ(rect.bottom - rect.top, expected.bottom - expected.top) << "height of template 102";
    EXPECT_TRUE(SameRect(rect, expected)) << Describe(rect) << " vs " << Describe(expected);
    EXPECT_FALSE(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::IsZoomed(main));
    EXPECT_TRUE(HeldElsewhere(0, VK_F9)) << "F9 alone is the hot key of a first run";

    const auto toggle = ToggleButton(orvex);
    ASSERT_TRUE(toggle.has_value()) << "the toggle could not be read";
    EXPECT_EQ(toggle->command, 32780);
    EXPECT_EQ(toggle->text, L"Summary") << "the detail listing is on, so the button offers the summary";
    EXPECT_EQ(toggle->image, 1);

    const RECT normal = PlacementOf(main).rcNormalPosition;
    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(orvex.Process().ExitCode(), 0u);

    EXPECT_EQ(QueryDword(kSettings, L"KeepAlwaysOnTop"), 0ul);
    EXPECT_EQ(QueryDword(kSettings, L"HideOnSeeking"), 0ul);
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x78ul);
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 1ul);
    const auto saved = QueryRect();
    ASSERT_TRUE(saved.has_value()) << "MainWindowRect is missing or not 16 bytes";
    EXPECT_TRUE(SameRect(*saved, normal)) << Describe(*saved) << " vs " << Describe(normal);
    EXPECT_EQ(QueryDword(kPlacement, L"Flags"), 0ul);
    EXPECT_EQ(QueryDword(kPlacement, L"ShowCmd"), 1ul);
}

TEST_F(SettingsTest, StoredSettingsAreAppliedAndWrittenBackUnchanged) {
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"KeepAlwaysOnTop", 1));
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HideOnSeeking", 1));
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HotKey", 0x0278));
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"ViewMode", 0));
    ASSERT_TRUE(orvex.Start());
    HWND main = orvex.WaitForMainWindow();
    ASSERT_NE(main, nullptr);

    EXPECT_TRUE(::GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    const auto toggle = ToggleButton(orvex);
    ASSERT_TRUE(toggle.has_value());
    EXPECT_EQ(toggle->text, L"Detail");
    EXPECT_EQ(toggle->image, 0);

    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"KeepAlwaysOnTop"), 1ul);
    EXPECT_EQ(QueryDword(kSettings, L"HideOnSeeking"), 1ul);
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x0278ul);
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 0ul);
}

TEST_F(SettingsTest, ClickedToggleIsRememberedForTheNextStart) {
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    EXPECT_TRUE(ClickToggle(orvex, L"Detail")) << "the click did not switch to the summary listing";
    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 0ul);

    harness::OrvexSession again;
    ASSERT_TRUE(again.Start());
    ASSERT_NE(again.WaitForMainWindow(), nullptr);
    const auto toggle = ToggleButton(again);
    ASSERT_TRUE(toggle.has_value());
    EXPECT_EQ(toggle->text, L"Detail");
    EXPECT_EQ(toggle->image, 0);
    EXPECT_TRUE(again.Close());
}

// ---------------------------------------------------------------------------------------------
// The stored hot key

TEST_F(SettingsTest, StoredHotKeyRegistersItsModifiers) {
    struct Case {
        DWORD stored;
        UINT modifiers;
    };
    const Case cases[] = {{0x0678, MOD_CONTROL | MOD_ALT}, {0x0178, MOD_SHIFT}, {0x0878, 0}};
    const UINT candidates[] = {
        0, MOD_SHIFT, MOD_CONTROL, MOD_ALT, MOD_CONTROL | MOD_ALT, MOD_SHIFT | MOD_ALT};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored 0x" << std::hex << c.stored);
        ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HotKey", c.stored));
        harness::OrvexSession run;
        const StartResult start = StartOrvex(run);
        ASSERT_EQ(start.messageBox, nullptr)
            << "message at start: " << testing::PrintToString(harness::StaticTexts(start.messageBox));
        ASSERT_NE(start.mainWindow, nullptr);

        UINT held = 0;
        int heldCount = 0;
        for (UINT modifiers : candidates) {
            if (HeldElsewhere(modifiers, VK_F9)) {
                held = modifiers;
                ++heldCount;
            }
        }
        EXPECT_TRUE(run.Close());
        EXPECT_EQ(heldCount, 1);
        EXPECT_EQ(held, c.modifiers);
    }
}

TEST_F(SettingsTest, HotKeyHeldByAnotherProgramFailsSilently) {
    const UINT modifiers = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
    ASSERT_TRUE(::RegisterHotKey(nullptr, 1, modifiers, VK_F9)) << ::GetLastError();
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HotKey", 0x0778));
    const StartResult start = StartOrvex(orvex);
    EXPECT_EQ(start.messageBox, nullptr)
        << "message: "
        << testing::PrintToString(start.messageBox ? harness::StaticTexts(start.messageBox) : L"");
    ASSERT_NE(start.mainWindow, nullptr);
    EXPECT_TRUE(orvex.OtherDialogs().empty());

    // Had Orvex taken the combination as well, it would still hold it once ours is withdrawn.
    ::UnregisterHotKey(nullptr, 1);
    const bool orvexHoldsIt = HeldElsewhere(modifiers, VK_F9);
    EXPECT_FALSE(orvexHoldsIt);
    EXPECT_TRUE(orvex.Close());
}

TEST_F(SettingsTest, HotKeyThatCannotBeRegisteredShowsTheMessage) {
    // Look for a stored value whose registration fails with an error other than 1409.
    HWND probe =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(probe, nullptr);
    std::optional<DWORD> invalid;
    const DWORD keys[] = {0x00, 0x07, 0x0A, 0x5E, 0x7B, 0xE0, 0xFC, 0xFF};
    for (DWORD modifierFlags = 0; modifierFlags < 8 && !invalid; ++modifierFlags) {
        for (DWORD key : keys) {
            if (modifierFlags == 0 && key == 0)
                continue; // 0 is the cleared hot key, which is never registered
            const UINT modifiers = ((modifierFlags & 1) ? MOD_SHIFT : 0) |
                                   ((modifierFlags & 2) ? MOD_CONTROL : 0) |
                                   ((modifierFlags & 4) ? MOD_ALT : 0);
            if (::RegisterHotKey(probe, 1, modifiers, key)) {
                ::UnregisterHotKey(probe, 1);
                continue;
            }
            if (::GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED) {
                invalid = (modifierFlags << 8) | key;
                break;
            }
        }
    }
    ::DestroyWindow(probe);
    if (!invalid)
        GTEST_SKIP() << "Wine's RegisterHotKey fails only for a combination already held or a window of "
                        "another thread, so no stored value makes it fail otherwise (the message rule is "
                        "covered by the integration tests)";

    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HotKey", *invalid));
    const StartResult start = StartOrvex(orvex);
    ASSERT_NE(start.messageBox, nullptr) << "no message box for hot key 0x" << std::hex << *invalid;
    wchar_t caption[64] = {};
    ::GetWindowTextW(start.messageBox, caption, 64);
    EXPECT_STREQ(caption, L"Orvex");
    EXPECT_NE(::FindWindowExW(start.messageBox, nullptr, L"Static", L"Failed to register hot key."), nullptr);
    ::PostMessageW(start.messageBox, WM_COMMAND, IDOK, 0);
    EXPECT_NE(orvex.WaitForMainWindow(), nullptr) << "the program goes on after the message";
    EXPECT_TRUE(orvex.Close());
}

// ---------------------------------------------------------------------------------------------
// Enter and Esc in the property list

class EndingKeyTest : public SettingsTest {
protected:
    // Focuses the property list with a real click, presses `key` and expects the program to end
    // and save on the way.
    void PressInTheFocusedList(const wchar_t* key) {
        ASSERT_TRUE(orvex.Start());
        HWND main = orvex.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(orvex.Activate());

        HWND list = orvex.Control(103);
        RECT rect{};
        ::GetWindowRect(list, &rect);
        harness::xdo::Click((rect.left + rect.right) / 2, rect.top + (rect.bottom - rect.top) * 2 / 3);
        ASSERT_TRUE(harness::WaitUntil([&] { return harness::FocusIn(list) == list; }, 5000))
            << "the click did not focus the property list";

        harness::xdo::Key(key);
        ASSERT_TRUE(orvex.Process().WaitForExit(10000)) << "the key did not end Orvex";
        EXPECT_EQ(orvex.Process().ExitCode(), 0u);
        EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 1ul);
        EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x78ul);
        EXPECT_TRUE(QueryRect().has_value());
        EXPECT_EQ(QueryDword(kPlacement, L"ShowCmd"), 1ul);
    }
};

TEST_F(EndingKeyTest, EnterInTheFocusedPropertyListEndsTheProgramAndSaves) {
    PressInTheFocusedList(L"Return");
}

TEST_F(EndingKeyTest, EscInTheFocusedPropertyListEndsTheProgramAndSaves) {
    PressInTheFocusedList(L"Escape");
}

} // namespace
