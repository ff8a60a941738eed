// --wait and --name on the helper target's windows: every window's name finds that window alone,
// and a wait ends on each of its paths with its status.
#include "cli/Arguments.h"
#include "cli/CliRun.h"
#include "cli/WaitForWindow.h"
#include "common/Utf8Text.h"
#include "harness/TargetClient.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace orvex::cli;

using cli_test::CliRun;
using cli_test::HandleArgument;
using cli_test::RunCli;

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> WindowsOfProcess(DWORD processId) {
    std::vector<HWND> all, mine;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND top : std::vector<HWND>(all))
        ::EnumChildWindows(top, &Collect, reinterpret_cast<LPARAM>(&all));
    for (HWND hwnd : all) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId)
            mine.push_back(hwnd);
    }
    return mine;
}

// Twins (same class, text and id) are there on purpose: they can only be named by handle.
TEST(WaitAndName, NameOfEveryTargetWindowFindsThatWindowAlone) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND frame = target.Create(harness::WindowRequest::Frame(L"name frame", {60, 60, 360, 260}));
    ASSERT_TRUE(frame);
    using harness::WindowRequest;
    ASSERT_TRUE(
        target.Create(WindowRequest::Child(frame, L"Button", L"OK", BS_PUSHBUTTON, {5, 5, 80, 30}, 1)));
    ASSERT_TRUE(target.Create(WindowRequest::Child(frame, L"Button", L"Same", 0, {5, 40, 80, 30}, 2)));
    ASSERT_TRUE(target.Create(WindowRequest::Child(frame, L"Button", L"Same", 0, {5, 80, 80, 30}, 2)));
    ASSERT_TRUE(target.Create(WindowRequest::Child(frame, L"Static", L"a, b\\c  ", 0, {90, 5, 80, 30}, 3)));
    ASSERT_TRUE(target.Create(WindowRequest::Child(frame, L"Edit", L"", 0, {90, 40, 80, 30}, 4)));

    const std::vector<HWND> windows = WindowsOfProcess(target.ProcessId());
    ASSERT_GE(windows.size(), 6u);
    for (HWND hwnd : windows) {
        const CliRun name = RunCli({L"--name", HandleArgument(hwnd)});
        ASSERT_EQ(name.status, kExitSuccess) << name.errors;
        ASSERT_FALSE(name.out.empty());
        const std::wstring printed(name.out.begin(), name.out.end() - 1); // the target's texts are ASCII
        SCOPED_TRACE(name.out);
        const CliRun found = RunCli({L"--find", printed});
        ASSERT_EQ(found.status, kExitSuccess) << found.errors;
        EXPECT_EQ(found.out.find('\n'), found.out.size() - 1) << "one window only";
        EXPECT_EQ(found.out.rfind(orvex::Utf8FromWide(HandleArgument(hwnd)) + "\t", 0), 0u);
    }
}

TEST(WaitAndName, WaitEndsWithTheStatusOfEachPath) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND frame = target.Create(harness::WindowRequest::Frame(L"wait frame", {60, 60, 360, 260}));
    ASSERT_TRUE(frame);

    const CliRun present = RunCli({L"--wait", HandleArgument(frame)});
    ASSERT_EQ(present.status, kExitSuccess) << present.errors;
    EXPECT_EQ(present.out.rfind(orvex::Utf8FromWide(HandleArgument(frame)) + "\t", 0), 0u) << present.out;
    EXPECT_EQ(RunCli({L"--wait", L"class=OrvexNoSuchClass", L"--gone"}).status, kExitSuccess);

    const ULONGLONG start = ::GetTickCount64();
    const CliRun late = RunCli({L"--wait", L"class=OrvexNoSuchClass", L"--timeout", L"300"});
    const ULONGLONG elapsed = ::GetTickCount64() - start;
    EXPECT_EQ(late.status, kExitTimedOut);
    EXPECT_GE(elapsed, 290u);
    EXPECT_LT(elapsed, 1500u);
    EXPECT_EQ(RunCli({L"--wait", HandleArgument(frame), L"--gone", L"--timeout", L"150"}).status,
              kExitTimedOut);

    const HANDLE stop = ::CreateEventW(nullptr, TRUE, TRUE, nullptr);
    const auto missing = std::get<orvex::WindowTarget>(orvex::ParseWindowTarget(L"class=OrvexNoSuchClass"));
    EXPECT_EQ(WaitForWindow(missing, false, std::nullopt, stop).status, WaitOutcome::Status::Interrupted);
    ::CloseHandle(stop);

    ASSERT_TRUE(target.Destroy(frame));
    EXPECT_EQ(RunCli({L"--wait", HandleArgument(frame), L"--gone", L"--timeout", L"2000"}).status,
              kExitSuccess);
}

} // namespace
