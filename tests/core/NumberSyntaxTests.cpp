// The numbers typed into the send-message dialog: decimal or "0x" hexadecimal, white space around
// them, 32-bit wrap-around, and nothing else.
#include "common/NumberSyntax.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

std::optional<std::uint32_t> Parse(const std::wstring& text) {
    std::uint32_t value = 0xDEADBEEF;
    if (!orvex::ParseNumber(text, value)) {
        EXPECT_EQ(value, 0xDEADBEEFu) << "a rejected text must leave the value alone";
        return std::nullopt;
    }
    return value;
}

TEST(NumberSyntax, AcceptsDecimalAndPrefixedHexadecimal) {
    struct Case {
        const wchar_t* text;
        std::uint32_t value;
    };
    const Case cases[] = {
        {L"0x000F", 15},
        {L"0", 0},
        {L" 12 ", 12},
        {L"\t12\r\n", 12},
        {L"0X1a", 26},
        {L"0xAbCdEf", 0xABCDEF},
        {L"0x", 0}, // the prefix alone
        {L"007", 7},
        {L"4294967295", 0xFFFFFFFF},
        {L"0xFFFFFFFF", 0xFFFFFFFF},
        // 32-bit wrap-around without a length limit.
        {L"4294967296", 0},
        {L"4294967297", 1},
        {L"0x123456789", 0x23456789},
        {L"0x00000000000000000000000000000001", 1},
        {L"000000000000000000000000000000000000000042", 42},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
        EXPECT_EQ(Parse(c.text), c.value);
    }
}

TEST(NumberSyntax, RejectsAnythingElse) {
    for (const wchar_t* text : {L"", L"   ", L"-1", L"+5", L"1 2", L"12h", L"0x1G", L"x12", L"0x 1", L"0x-1",
                                L"1.0", L"1e3", L"0b101", L"\x0661", L"\xFF11"}) {
        SCOPED_TRACE(testing::Message() << "text of " << wcslen(text) << " characters");
        EXPECT_EQ(Parse(text), std::nullopt);
    }
    // A character past an embedded null is still part of the field's text.
    EXPECT_EQ(Parse(std::wstring(L"12\0"
                                 L"3",
                                 4)),
              std::nullopt);
}

TEST(NumberSyntax, TrimsOnlyTheEnds) {
    EXPECT_EQ(orvex::TrimSpaces(L"  a b\t"), L"a b");
    EXPECT_EQ(orvex::TrimSpaces(L" \n "), L"");
}

TEST(NumberSyntax, ParametersAreSignExtendedFromTheir32BitForm) {
    EXPECT_EQ(orvex::SignExtend32(0xFFFFFFFFu), -1);
    EXPECT_EQ(orvex::SignExtend32(0x80000000u), -2147483648LL);
    EXPECT_EQ(orvex::SignExtend32(0x7FFFFFFFu), 2147483647LL);
    EXPECT_EQ(orvex::SignExtend32(0u), 0);
}

} // namespace
