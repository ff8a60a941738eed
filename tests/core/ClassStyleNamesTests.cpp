// Class styles by name, and the numbered system classes by what they are.
#include "inspect/ClassStyleNames.h"
#include "inspect/SpecialClassNames.h"

#include <gtest/gtest.h>

namespace {

using orvex::FormatClassNameWithStyles;
using orvex::FormatClassStyles;

TEST(ClassStyleNames, SummaryClassNameCarriesSuffixAndStylesInBrackets) {
    EXPECT_EQ(FormatClassNameWithStyles(L"#32770", 0x0808), L"#32770 (Dialog) [CS_DBLCLKS | CS_SAVEBITS]");
    EXPECT_EQ(FormatClassNameWithStyles(L"Edit", 0x0105), L"Edit [CS_VREDRAW | 0x00000104]");
    EXPECT_EQ(FormatClassNameWithStyles(L"Edit", 0), L"Edit");
    EXPECT_EQ(FormatClassNameWithStyles(L"Edit", 0x0004), L"Edit [0x00000004]");
}

TEST(ClassStyleNames, NamedBitsInTableOrderThenTheRestAsOneValue) {
    EXPECT_EQ(FormatClassStyles(0xFFFFFFFFu),
              L"CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC | CS_CLASSDC | CS_PARENTDC | CS_NOCLOSE | "
              L"CS_SAVEBITS | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW | CS_GLOBALCLASS | CS_IME | "
              L"CS_DROPSHADOW | 0xFFFC8514");
    EXPECT_EQ(FormatClassStyles(0x8000 | 0x0400 | 0x0100 | 0x0010 | 0x0004), L"0x00008514");
}

TEST(SpecialClassNames, OnlyTheWholeExactNameCounts) {
    EXPECT_EQ(orvex::GetSpecialClassSuffix(L"#32768"), L" (Menu)");
    EXPECT_EQ(orvex::GetSpecialClassSuffix(L"#32769"), L" (Desktop)");
    EXPECT_EQ(orvex::GetSpecialClassSuffix(L"#32771"), L" (Task switch)");
    EXPECT_EQ(orvex::GetSpecialClassSuffix(L"#32772"), L" (Icon title)");
    EXPECT_EQ(orvex::GetSpecialClassDisplayName(L"#32771"), L"Task Switch");
    EXPECT_EQ(orvex::GetSpecialClassDisplayName(L"#32772"), L"Icon Title");
    for (const wchar_t* name : {L"#327700", L"x#32770", L"#3277", L"#32773", L"32770", L""}) {
        EXPECT_TRUE(orvex::GetSpecialClassSuffix(name).empty()) << name;
        EXPECT_TRUE(orvex::GetSpecialClassDisplayName(name).empty()) << name;
    }
}

} // namespace
