// The hook library's file name, which carries a hash of its content.
#include "msglog/HookLibraryName.h"
#include "msglog/HookProcedures.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using orvex::ContentHash;

TEST(HookLibraryName, SameContentSameNameAndAnyChangeAnother) {
    const std::array<std::byte, 2> ab{std::byte{'a'}, std::byte{'b'}};
    const std::array<std::byte, 2> ab2 = ab;
    const std::array<std::byte, 2> ba{std::byte{'b'}, std::byte{'a'}};
    const std::array<std::byte, 2> ac{std::byte{'a'}, std::byte{'c'}};
    const std::array<std::byte, 1> a{std::byte{'a'}};
    EXPECT_EQ(ContentHash(ab), ContentHash(ab2));
    EXPECT_NE(ContentHash(ab), ContentHash(ba)) << "the order of the bytes counts";
    EXPECT_NE(ContentHash(ab), ContentHash(ac));
    EXPECT_NE(ContentHash(ab), ContentHash(a));
    EXPECT_NE(ContentHash(a), ContentHash({}));
}

TEST(HookLibraryName, CarriesTheHashInSixteenUpperCaseDigits) {
    using orvex::HookFile;
    EXPECT_EQ(HookFileName(HookFile::Library, 0xAF63DC4C8601EC8Cull), L"OrvexHook-AF63DC4C8601EC8C.dll");
    EXPECT_EQ(HookFileName(HookFile::Library, 1), L"OrvexHook-0000000000000001.dll");
    EXPECT_EQ(HookFileName(HookFile::Library32, 1), L"OrvexHook32-0000000000000001.dll");
    EXPECT_EQ(HookFileName(HookFile::Host32, 1), L"OrvexHookHost32-0000000000000001.exe");
}

TEST(HookLibraryName, ProcedureCopiesByNumberAndANewLogNeverHooksWithTheCopyItTakesOver) {
    EXPECT_EQ(orvex::HookProcedureName(orvex::HookChain::Sent, 7), "OrvexCallWndProc07");
    EXPECT_EQ(orvex::HookProcedureName(orvex::HookChain::Posted, 15), "OrvexGetMsgProc15");
    for (std::uint32_t taken = 0; taken <= orvex::kHookVariants; ++taken)
        for (std::uint64_t random : {0ull, 1ull, 14ull, 15ull, 16ull, ~0ull}) {
            const std::uint32_t variant = orvex::ChooseHookVariant(random, taken);
            EXPECT_LT(variant, orvex::kHookVariants);
            EXPECT_NE(variant, taken);
        }
}

} // namespace
