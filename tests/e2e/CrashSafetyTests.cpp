// Settings are written only on the orderly ways out (closing Orvex, or the end of the Windows
// session): a killed Orvex leaves the registry as it was, and the hot key it held is free again
// either way.
#include "SettingsHelpers.h"

namespace {

using namespace settings_e2e;

class CrashSafetyTest : public ::testing::Test {
protected:
    void SetUp() override { harness::ClearOrvexSettings(); }
    void TearDown() override { harness::ClearOrvexSettings(); }
};

bool HotKeyFree(UINT modifiers, UINT key) {
    if (!::RegisterHotKey(nullptr, 0x7E58, modifiers, key))
        return false;
    ::UnregisterHotKey(nullptr, 0x7E58);
    return true;
}

TEST_F(CrashSafetyTest, AKilledOrvexLeavesTheRegistryAsItWasAndTheNextStartIsNormal) {
    const RECT stored{40, 50, 640, 450};
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"ViewMode", 1));
    ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"HotKey", 0x0678));
    ASSERT_TRUE(harness::WriteRegistryBinary(kPlacement, L"MainWindowRect", &stored, sizeof(stored)));
    {
        harness::OrvexSession orvex;
        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        ASSERT_TRUE(orvex.Activate());
        // Change what would be saved: the listing mode and the window's place.
        ASSERT_TRUE(ClickToggle(orvex, L"Detail"));
        ::SetWindowPos(orvex.MainWindow(), nullptr, 300, 300, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        orvex.Process().Kill();
        ASSERT_FALSE(orvex.Process().IsRunning());
    }
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 1ul);
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x0678ul);
    const auto rect = QueryRect();
    ASSERT_TRUE(rect.has_value());
    EXPECT_TRUE(SameRect(*rect, stored)) << Describe(*rect);
    EXPECT_TRUE(harness::WaitUntil([] { return HotKeyFree(MOD_CONTROL | MOD_ALT, VK_F9); }, 5000))
        << "a dead program's hot key is free again";

    harness::OrvexSession again;
    ASSERT_TRUE(again.Start());
    ASSERT_NE(again.WaitForMainWindow(), nullptr);
    const auto toggle = ToggleButton(again);
    ASSERT_TRUE(toggle.has_value());
    EXPECT_EQ(toggle->text, L"Summary") << "the detail listing, as stored";
    EXPECT_TRUE(again.Close());
}

TEST_F(CrashSafetyTest, TheEndOfTheSessionWritesWhatAnOrderlyExitWrites) {
    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    ASSERT_TRUE(ClickToggle(orvex, L"Detail"));
    ::SetWindowPos(orvex.MainWindow(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = PlacementOf(orvex.MainWindow()).rcNormalPosition;

    EXPECT_NE(::SendMessageW(orvex.MainWindow(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0)
        << "Orvex never holds the session up";
    ::SendMessageW(orvex.MainWindow(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    // The system ends the program soon after; nothing more of it runs.
    orvex.Process().Kill();
    EXPECT_EQ(QueryDword(kSettings, L"ViewMode"), 0ul);
    EXPECT_EQ(QueryDword(kSettings, L"HotKey"), 0x78ul);
    const auto rect = QueryRect();
    ASSERT_TRUE(rect.has_value());
    EXPECT_TRUE(SameRect(*rect, moved)) << Describe(*rect) << " vs " << Describe(moved);
}

TEST_F(CrashSafetyTest, TheHotKeyIsWithdrawnAtAnOrderlyExit) {
    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_FALSE(HotKeyFree(0, VK_F9)) << "Orvex holds F9 while it runs";
    ASSERT_TRUE(orvex.Close());
    EXPECT_TRUE(HotKeyFree(0, VK_F9));
}

} // namespace
