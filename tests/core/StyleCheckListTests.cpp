// The Change Window tool's style list: what a word ticks and chooses, and what a tick or a choice
// makes of the word, on the general table and a class with a field and a group of bits being clear.
#include "change/StyleCheckList.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using orvex::StyleWord;

orvex::StyleChoice Choice(StyleWord word, std::wstring_view className, std::wstring_view name) {
    const auto choice = orvex::FindStyleChoice(word, className, name);
    EXPECT_TRUE(choice) << std::string(name.begin(), name.end());
    return choice.value_or(orvex::StyleChoice{});
}

TEST(StyleCheckList, ABoxTicksWhenAllItsBitsAreSetAndClearsOnlyThem) {
    const auto border = Choice(StyleWord::Style, L"", L"WS_BORDER");
    const auto dialogFrame = Choice(StyleWord::Style, L"", L"WS_DLGFRAME");
    EXPECT_FALSE(orvex::IsRadioChoice(border));
    EXPECT_TRUE(orvex::ChoiceDescribes(border, 0x50800000));
    EXPECT_FALSE(orvex::ChoiceDescribes(dialogFrame, 0x50800000));
    EXPECT_EQ(orvex::WordWithChoice(border, 0x50000004, true), 0x50800004u);
    EXPECT_EQ(orvex::WordWithChoice(dialogFrame, 0x50C00004, false), 0x50800004u);
}

TEST(StyleCheckList, ARadioChoiceIsTheOneOfItsGroupAndReplacesTheGroupsBits) {
    const auto left = Choice(StyleWord::Style, L"Edit", L"ES_LEFT");
    const auto right = Choice(StyleWord::Style, L"Edit", L"ES_RIGHT");
    ASSERT_TRUE(orvex::IsRadioChoice(left) && orvex::IsRadioChoice(right));
    EXPECT_TRUE(orvex::ChoiceDescribes(left, 0x50000004)) << "no alignment bit: ES_LEFT";
    EXPECT_FALSE(orvex::ChoiceDescribes(right, 0x50000004));
    EXPECT_EQ(orvex::WordWithChoice(right, 0x50000005, true), 0x50000006u);
    EXPECT_EQ(orvex::WordWithChoice(left, 0x50000006, true), 0x50000004u);
    EXPECT_EQ(orvex::WordWithChoice(right, 0x50000006, false), 0x50000006u) << "a choice is never cleared";

    // A button's type is a field: one case per word, BS_PUSHBUTTON the one of no bits.
    const auto push = Choice(StyleWord::Style, L"Button", L"BS_PUSHBUTTON");
    const auto check = Choice(StyleWord::Style, L"Button", L"BS_AUTOCHECKBOX");
    EXPECT_TRUE(orvex::ChoiceDescribes(check, 0x50010003));
    EXPECT_FALSE(orvex::ChoiceDescribes(push, 0x50010003));
    EXPECT_EQ(orvex::WordWithChoice(push, 0x50010003, true), 0x50010000u);
}

} // namespace
