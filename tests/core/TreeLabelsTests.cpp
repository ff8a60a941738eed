// The window tree's node labels: handles at pointer width, the numbered system classes by name.
#include "select/TreeLabels.h"

#include <gtest/gtest.h>

namespace {

TEST(TreeLabels, WindowLabelHoldsHandleClassAndText) {
    EXPECT_EQ(orvex::FormatWindowLabel(0x1002A, L"Button", L"OK"), L"(0001002Ah, Button) OK");
    EXPECT_EQ(orvex::FormatWindowLabel(0xFFFF1234, L"Edit", L"x"), L"(FFFF1234h, Edit) x")
        << "high bits set: all eight digits, no sign";
    EXPECT_EQ(orvex::FormatWindowLabel(0x0000000100000010ull, L"Edit", L"x"), L"(0000000100000010h, Edit) x")
        << "a handle wider than 32 bits is never cut";
}

TEST(TreeLabels, DesktopLabelEndsInABlankAfterItsClassName) {
    EXPECT_EQ(orvex::FormatWindowLabel(0x10010, L"#32769", L""), L"(00010010h, Desktop) ");
}

TEST(TreeLabels, NumberedSystemClassesAreNamedExactlyAndOthersKept) {
    EXPECT_EQ(orvex::FormatWindowLabel(1, L"#32768", L""), L"(00000001h, Menu) ");
    EXPECT_EQ(orvex::FormatWindowLabel(1, L"#32770", L"Open"), L"(00000001h, Dialog) Open");
    EXPECT_EQ(orvex::FormatWindowLabel(1, L"#32771", L""), L"(00000001h, Task Switch) ");
    EXPECT_EQ(orvex::FormatWindowLabel(1, L"#32772", L""), L"(00000001h, Icon Title) ");
    EXPECT_EQ(orvex::TreeClassName(L"#327700"), L"#327700");
    EXPECT_EQ(orvex::TreeClassName(L"#3277"), L"#3277");
    EXPECT_EQ(orvex::TreeClassName(L"MyClass"), L"MyClass");
}

TEST(TreeLabels, TextIsTakenAsItIs) {
    EXPECT_EQ(orvex::FormatWindowLabel(2, L"Static", L"(a) %s %d"), L"(00000002h, Static) (a) %s %d");
}

TEST(TreeLabels, ProcessLabelHoldsPaddedIdAndName) {
    EXPECT_EQ(orvex::FormatProcessLabel(0x4D2, L"notepad.exe"), L"(000004D2h) notepad.exe");
    EXPECT_EQ(orvex::FormatProcessLabel(0xFFFFFFFF, L"?"), L"(FFFFFFFFh) ?");
    // Padded ids sort as text in the order of the numbers.
    EXPECT_LT(orvex::FormatProcessLabel(0x9, L"b"), orvex::FormatProcessLabel(0xA, L"a"));
    EXPECT_LT(orvex::FormatProcessLabel(0xFF, L"z"), orvex::FormatProcessLabel(0x100, L"a"));
}

} // namespace
