// The end-to-end suite's entry: GoogleTest, a screenshot of the desktop for every failed test, and
// at the end a check that no test left Orvex or a helper program running.
#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Programs of ours still running, by image name.
std::vector<std::wstring> OwnProgramsRunning() {
    std::vector<std::wstring> running;
    for (const harness::RunningProgram& program : harness::ProgramsRunning(
             {L"Orvex.exe", L"orvex_target", L"orvex_wait_window.exe", L"OrvexHookHost32"}))
        running.push_back(program.name + L" (" + std::to_wstring(program.id) + L")");
    return running;
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ScreenshotOnFailure);
    const int result = RUN_ALL_TESTS();
    // Programs closed by the last test may take a moment to exit.
    std::vector<std::wstring> left;
    harness::WaitUntil(
        [&] {
            left = OwnProgramsRunning();
            return left.empty();
        },
        10000);
    for (const std::wstring& program : left)
        std::printf("left running after the tests: %ls\n", program.c_str());
    return left.empty() ? result : 1;
}
