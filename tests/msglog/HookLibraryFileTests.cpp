// The hook library as a file: carried inside the program, written under its content's name, held
// against writing and deletion while in use, and written afresh when its content was changed.
#include "msglog/HookLibraryFile.h"

#include "msglog/HookLibraryName.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class HookLibraryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"OrvexHookLibraryTest";
        ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    void TearDown() override {
        ::DeleteFileW(expected.c_str());
        ::RemoveDirectoryW(folder.c_str());
    }
    static bool CanOpenForWriting(const std::wstring& path) {
        fw::UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        return static_cast<bool>(file);
    }

    std::wstring folder;
    std::wstring expected;
};

TEST_F(HookLibraryFileTest, IsWrittenUnderItsContentsNameHeldWhileInUseAndRewrittenWhenChanged) {
    const std::span<const std::byte> library = HookLibraryFile::LibraryResource();
    ASSERT_GT(library.size(), 1024u) << "the program carries no hook library";
    ASSERT_EQ(std::memcmp(library.data(), "MZ", 2), 0) << "the resource is not a library";
    expected = folder + L"\\" + orvex::HookFileName(orvex::HookFile::Library, orvex::ContentHash(library));
    {
        const HookLibraryFile file(library, folder);
        ASSERT_EQ(file.status(), HookLibraryFile::Status::Ready);
        EXPECT_EQ(file.path(), expected);
        EXPECT_FALSE(CanOpenForWriting(expected)) << "another program could replace it while in use";
        EXPECT_FALSE(::DeleteFileW(expected.c_str()));
        // The loader reads it beside Orvex's own handle.
        HMODULE loaded = ::LoadLibraryExW(expected.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        EXPECT_NE(loaded, nullptr);
        if (loaded)
            ::FreeLibrary(loaded);
    }
    ASSERT_TRUE(CanOpenForWriting(expected)) << "let go once the file is no longer needed";

    // Replaced with something else under the same name: found out and written again.
    {
        fw::UniqueFileHandle tamper(::CreateFileW(expected.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(tamper);
        DWORD wrote = 0;
        ASSERT_TRUE(::WriteFile(tamper.get(), "MZ not the library", 18, &wrote, nullptr));
    }
    const HookLibraryFile again(library, folder);
    EXPECT_EQ(again.status(), HookLibraryFile::Status::Ready);
}

TEST_F(HookLibraryFileTest, AFolderThatCannotBeWrittenOrNoLibraryIsSaidSo) {
    const std::byte some[4] = {};
    EXPECT_EQ(HookLibraryFile(some, folder + L"\\missing\\deeper").status(),
              HookLibraryFile::Status::CannotWrite);
    EXPECT_EQ(HookLibraryFile({}, folder).status(), HookLibraryFile::Status::NoLibrary);
}

} // namespace
