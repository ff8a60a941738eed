// The hook library's file name, which carries a hash of its content.
#include "msglog/HookLibraryName.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(HookLibraryName, CarriesTheContentHashInSixteenDigits) {
    EXPECT_EQ(orvex::ContentHash({}), 0xCBF29CE484222325ull);
    const std::array<std::byte, 1> a{std::byte{'a'}};
    EXPECT_EQ(orvex::ContentHash(a), 0xAF63DC4C8601EC8Cull);
    EXPECT_EQ(orvex::HookLibraryFileName(0xAF63DC4C8601EC8Cull), L"OrvexHook-AF63DC4C8601EC8C.dll");
    EXPECT_EQ(orvex::HookLibraryFileName(1), L"OrvexHook-0000000000000001.dll");
}

} // namespace
