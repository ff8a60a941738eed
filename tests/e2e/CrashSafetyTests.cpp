// Settings are written only on the orderly way out: a killed Orvex leaves the registry as it was,
// and the hot key it held is free again either way.
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
        const auto button = harness::ToolBarButtonScreenRect(ViewToolBar(orvex), 0);
        ASSERT_TRUE(button.has_value());
        harness::xdo::Click((button->left + button->right) / 2, (button->top + button->bottom) / 2);
        ASSERT_TRUE(harness::WaitUntil([&] {
            const auto toggle = ToggleButton(orvex);
            return toggle && toggle->text == L"Detail";
        }));
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

TEST_F(CrashSafetyTest, TheHotKeyIsWithdrawnAtAnOrderlyExit) {
    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_FALSE(HotKeyFree(0, VK_F9)) << "Orvex holds F9 while it runs";
    ASSERT_TRUE(orvex.Close());
    EXPECT_TRUE(HotKeyFree(0, VK_F9));
}

} // namespace
