// The end-to-end suite's entry: GoogleTest plus a screenshot of the desktop for every failed test.
#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"

#include <gtest/gtest.h>

namespace {

// Wine maps the Linux root to drive Z:, so a program path there is also a Linux path.
std::wstring ArtifactDirectory() {
    std::wstring dir = harness::BinaryDirectory() + L"..\\test-artifacts\\";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    std::wstring unixPath = dir;
    if (unixPath.size() > 2 && (unixPath[0] == L'Z' || unixPath[0] == L'z') && unixPath[1] == L':')
        unixPath.erase(0, 2);
    for (wchar_t& c : unixPath)
        if (c == L'\\')
            c = L'/';
    return unixPath;
}

class ScreenshotOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override {
        if (!info.result()->Failed())
            return;
        std::string name = std::string(info.test_suite_name()) + "." + info.name();
        std::wstring path = ArtifactDirectory() + std::wstring(name.begin(), name.end()) + L".png";
        if (harness::SaveScreenshot(path))
            std::printf("screenshot of the failure: %ls\n", path.c_str());
    }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    return RUN_ALL_TESTS();
}
