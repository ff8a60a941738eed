// Owning handles: filled through put(), handed on with release(), freed exactly once.
#include "framework/Handles.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

TEST(Handles, PutFreesWhatWasHeldAndReleaseHandsTheValueOn) {
    fw::UniqueLocalMemory<wchar_t> text(static_cast<wchar_t*>(::LocalAlloc(LMEM_FIXED, 16)));
    ASSERT_TRUE(text);
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING, L"put",
                                          0, 0, reinterpret_cast<wchar_t*>(text.put()), 0, nullptr);
    ASSERT_GT(length, 0u);
    EXPECT_STREQ(text.get(), L"put");

    wchar_t* const handed = text.release();
    EXPECT_FALSE(text);
    EXPECT_EQ(::LocalFree(handed), nullptr) << "released memory is still the caller's to free";

    fw::UniqueModule module(::LoadLibraryW(L"comctl32.dll"));
    ASSERT_TRUE(module);
    EXPECT_NE(::GetProcAddress(module.get(), "InitCommonControlsEx"), nullptr);
    module.reset();
    EXPECT_FALSE(module);
}

} // namespace
