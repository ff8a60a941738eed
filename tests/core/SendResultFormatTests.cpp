// A message result is shown whole in both boxes: signed decimal, and unsigned decimal with its
// hexadecimal form, eight digits when it fits in 32 bits and sixteen otherwise.
#include "sendmsg/ResultFormat.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(SendResultFormat, BothBoxesShowTheWholeResult) {
    struct Case {
        std::int64_t result;
        const wchar_t* signedText;
        const wchar_t* unsignedText;
    };
    const Case cases[] = {
        {0, L"0", L"0 (0x00000000)"},
        {13, L"13", L"13 (0x0000000D)"},
        // -1 from a 64-bit window procedure is all ones, never cut to 32 bits.
        {-1, L"-1", L"18446744073709551615 (0xFFFFFFFFFFFFFFFF)"},
        // A procedure that answers the 32-bit -1 zero-extended.
        {0xFFFFFFFFLL, L"4294967295", L"4294967295 (0xFFFFFFFF)"},
        {0x100000000LL, L"4294967296", L"4294967296 (0x0000000100000000)"},
        {INT64_MIN, L"-9223372036854775808", L"9223372036854775808 (0x8000000000000000)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "result " << c.result);
        EXPECT_EQ(orvex::FormatSignedResult(c.result), c.signedText);
        EXPECT_EQ(orvex::FormatUnsignedResult(static_cast<std::uint64_t>(c.result)), c.unsignedText);
    }
}

} // namespace
