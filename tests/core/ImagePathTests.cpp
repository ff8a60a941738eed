// Kernel forms of an image path become drive paths; nothing else is touched, and nothing is cut.
#include "process/ImagePath.h"

#include <gtest/gtest.h>

namespace {

using orvex::NormalizeImagePath;

constexpr wchar_t kWindows[] = L"C:\\windows";

TEST(ImagePath, KernelPrefixesBecomeDrivePaths) {
    EXPECT_EQ(NormalizeImagePath(L"\\SystemRoot\\System32\\smss.exe", kWindows),
              L"C:\\windows\\System32\\smss.exe");
    EXPECT_EQ(NormalizeImagePath(L"\\SystemRoot\\x.exe", L"D:\\"), L"D:\\x.exe"); // no doubled separator
    EXPECT_EQ(NormalizeImagePath(L"\\SystemRoot\\x.exe", L""), L"\\SystemRoot\\x.exe"); // directory unknown
    EXPECT_EQ(NormalizeImagePath(L"\\??\\C:\\Windows\\csrss.exe", kWindows), L"C:\\Windows\\csrss.exe");
}

TEST(ImagePath, OnlyExactPrefixesAtTheStartAreRewritten) {
    for (const wchar_t* path : {L"\\systemroot\\System32\\smss.exe", L"\\SystemRoot",
                                L"C:\\x\\SystemRoot\\y.exe", L"C:\\dir\\??\\file.exe", L"\\\\?\\C:\\file.exe",
                                L"\\Device\\HarddiskVolume2\\a.exe", L"C:\\Program Files\\App\\app.exe", L""})
        EXPECT_EQ(NormalizeImagePath(path, kWindows), path);
}

TEST(ImagePath, ResultsLongerThanAClassicPathAreKeptWhole) {
    const std::wstring rest = std::wstring(400, L'r') + L"\\program.exe";
    const std::wstring windows = L"C:\\" + std::wstring(250, L'w');
    EXPECT_EQ(NormalizeImagePath(L"\\SystemRoot\\" + rest, windows), windows + L"\\" + rest);
    EXPECT_EQ(NormalizeImagePath(L"\\??\\C:\\" + rest, kWindows), L"C:\\" + rest);
}

} // namespace
