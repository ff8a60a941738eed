// Registry values of the wrong type, the wrong size, or out of any sensible range: Orvex starts,
// shows its main window where it can be reached, and writes sound values at exit.
#include "SettingsHelpers.h"

namespace {

using namespace settings_e2e;

class BrokenSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { harness::ClearOrvexSettings(); }
    void TearDown() override { harness::ClearOrvexSettings(); }

    // Starts Orvex, checks its main window is on the screen with its caption reachable, closes it.
    void StartAndCheckOnScreen() {
        ASSERT_TRUE(orvex.Start());
        HWND main = orvex.WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(orvex.OtherDialogs().empty()) << "no message box for a broken setting";
        RECT window{};
        ::GetWindowRect(main, &window);
        RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        EXPECT_GE(window.top, screen.top) << Describe(window);
        EXPECT_LE(window.top + 30, screen.bottom) << Describe(window);
        EXPECT_GT(window.right, screen.left + 50) << Describe(window);
        EXPECT_LT(window.left, screen.right - 50) << Describe(window);
        EXPECT_GE(window.right - window.left, 429);
        EXPECT_GE(window.bottom - window.top, 165);
        ASSERT_TRUE(orvex.Close());
    }
    void ExpectSoundPlacementWritten() {
        const auto rect = QueryRect();
        ASSERT_TRUE(rect.has_value()) << "a 16-byte rectangle is written";
        EXPECT_GE(rect->right - rect->left, 429);
        EXPECT_EQ(QueryDword(kPlacement, L"Flags"), 0ul);
        EXPECT_EQ(QueryDword(kPlacement, L"ShowCmd"), 1ul);
    }

    harness::OrvexSession orvex;
};

TEST_F(BrokenSettingsTest, ValuesOfTheWrongTypeOrSizeReadAsAbsent) {
    const wchar_t text[] = L"F9 please";
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quillmoor\\Orvex\\1.2\\Settings", 0, nullptr,
                                0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExW(key, L"HotKey", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    ::RegCloseKey(key);
    for (DWORD size : {3u, 64u}) {
        SCOPED_TRACE(testing::Message() << "MainWindowRect of " << size << " bytes");
        BYTE garbage[64];
        for (DWORD i = 0; i < size; ++i)
            garbage[i] = static_cast<BYTE>(0xA5 ^ i);
        ASSERT_TRUE(harness::WriteRegistryBinary(kPlacement, L"MainWindowRect", garbage, size));
        StartAndCheckOnScreen();
        EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x78ul) << "the default replaces the string";
        ExpectSoundPlacementWritten();
    }
}

TEST_F(BrokenSettingsTest, ARectangleFarOutsideEveryMonitorComesBackOnTheScreen) {
    const RECT cases[] = {{30000, 30000, 30600, 30400}, {-32000, -32000, -31400, -31600}, {100, 100, 90, 90}};
    for (const RECT& stored : cases) {
        SCOPED_TRACE(Describe(stored));
        ASSERT_TRUE(harness::WriteRegistryBinary(kPlacement, L"MainWindowRect", &stored, sizeof(stored)));
        ASSERT_TRUE(harness::WriteRegistryDword(kPlacement, L"ShowCmd", 1));
        StartAndCheckOnScreen();
        ExpectSoundPlacementWritten();
    }
}

// A view mode this version does not know is listed as the summary but kept as it is: a later
// version may have given it a meaning. The minimised show command is written back as shown.
TEST_F(BrokenSettingsTest, UnknownViewModeIsKeptAndMinimisedShowCmdIsWrittenBackAsWhatWasShown) {
    const RECT stored{50, 60, 650, 460};
    ASSERT_TRUE(harness::WriteRegistryBinary(kPlacement, L"MainWindowRect", &stored, sizeof(stored)));
    ASSERT_TRUE(harness::WriteRegistryDword(kPlacement, L"ShowCmd", 2));
    ASSERT_TRUE(harness::WriteRegistryDword(kPlacement, L"Flags", 0xFFFFFFFF));
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"ViewMode", 7));
    ASSERT_TRUE(orvex.Start());
    HWND main = orvex.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsIconic(main));
    const auto toggle = ToggleButton(orvex);
    ASSERT_TRUE(toggle.has_value());
    EXPECT_EQ(toggle->text, L"Detail") << "the summary is listed, so the button offers the detail";
    ASSERT_TRUE(orvex.Close());
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 7ul);
    ExpectSoundPlacementWritten();
}

} // namespace
