// A class background from 1 to 31 names a system colour; everything else is a brush handle.
#include "inspect/SystemColorNames.h"

#include <gtest/gtest.h>

namespace {

using orvex::GetSystemColorName;

TEST(SystemColorNames, OnlyColourIndexPlusOneHasAName) {
    for (std::uint64_t value = 0; value <= 40; ++value) {
        const bool named = value >= 1 && value <= 31 && value != 26; // index 25 has no colour
        EXPECT_EQ(GetSystemColorName(value).starts_with(L"COLOR_"), named) << value;
    }
    EXPECT_EQ(GetSystemColorName(1), L"COLOR_SCROLLBAR");
    EXPECT_EQ(GetSystemColorName(6), L"COLOR_WINDOW");
    EXPECT_EQ(GetSystemColorName(25), L"COLOR_INFOBK");
    EXPECT_EQ(GetSystemColorName(27), L"COLOR_HOTLIGHT");
    EXPECT_EQ(GetSystemColorName(31), L"COLOR_MENUBAR");
    EXPECT_TRUE(GetSystemColorName(0x100000006ull).empty()); // a handle is never cut to its low bits
}

TEST(SystemColorNames, IndicesWithTwoPlatformNamesShowTheOlderOne) {
    EXPECT_EQ(GetSystemColorName(2), L"COLOR_DESKTOP");
    EXPECT_EQ(GetSystemColorName(16), L"COLOR_3DFACE");
    EXPECT_EQ(GetSystemColorName(17), L"COLOR_3DSHADOW");
    EXPECT_EQ(GetSystemColorName(21), L"COLOR_3DHIGHLIGHT");
}

} // namespace
