// Values are written in the 32-bit listing format, and never cut when they are wider.
#include "common/ValueFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueFormat, PointerUsesEightDigitsWhenItFitsAndSixteenOtherwise) {
    EXPECT_EQ(orvex::FormatPointer(0), L"0x00000000");
    EXPECT_EQ(orvex::FormatPointer(0x1A2B), L"0x00001A2B");
    EXPECT_EQ(orvex::FormatPointer(0xFFFFFFFFull), L"0xFFFFFFFF");
    EXPECT_EQ(orvex::FormatPointer(0x100000000ull), L"0x0000000100000000");
    EXPECT_EQ(orvex::FormatPointer(0x00007FF6ABCD1234ull), L"0x00007FF6ABCD1234");
    EXPECT_EQ(orvex::FormatPointer(0xFFFFFFFFFFFFFFFFull), L"0xFFFFFFFFFFFFFFFF");
    EXPECT_EQ(orvex::PointerDigits(0xABCDEFull), L"00ABCDEF");
}

TEST(ValueFormat, FixedWidthHexUsesUpperCaseDigits) {
    EXPECT_EQ(orvex::FormatHex32(0xdeadbeef), L"0xDEADBEEF");
    EXPECT_EQ(orvex::FormatHex16(0x4b), L"0x004B");
    EXPECT_EQ(orvex::FormatHex16(0x12345), L"0x12345"); // never cut, only padded
}

TEST(ValueFormat, CountsTakeCommasBetweenTheThousands) {
    EXPECT_EQ(orvex::WithThousands(999), L"999");
    EXPECT_EQ(orvex::WithThousands(1000), L"1,000");
    EXPECT_EQ(orvex::WithThousands(12345678), L"12,345,678");
}

} // namespace
