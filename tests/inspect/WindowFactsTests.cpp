// A window of the helper target read through the one reader of a window's facts: class, texts,
// process and image path by each way of access, and a class name longer than any text limit.
#include "harness/ExternalProcess.h"
#include "harness/TargetClient.h"
#include "inspect/WindowFacts.h"
#include "process/ProcessImage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::_wcsicmp(a.c_str(), b.c_str()) == 0;
}

TEST(WindowFacts, AWindowOfAnotherProcessIsReadWhole) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    const std::wstring text = L"facts " + std::wstring(300, L'x');
    HWND frame = target.Create(harness::WindowRequest::Frame(text, {100, 100, 300, 200}));
    ASSERT_TRUE(frame);

    EXPECT_EQ(WindowClassName(frame), L"OrvexTargetWindow");
    EXPECT_EQ(WindowTextNoMessage(frame), text);
    EXPECT_EQ(WindowText(frame, 259), text.substr(0, 259));
    EXPECT_TRUE(WindowHasText(frame));
    EXPECT_EQ(WindowProcessId(frame), target.ProcessId());
    EXPECT_FALSE(IsOwnProcessWindow(frame));

    const std::wstring image = harness::BinaryDirectory() + L"orvex_target.exe";
    EXPECT_TRUE(SamePath(ProcessImagePath(target.ProcessId(), ImageAccess::Limited), image));
    EXPECT_TRUE(SamePath(ProcessImagePath(target.ProcessId(), ImageAccess::Full), image));
    EXPECT_TRUE(SamePath(ProcessImagePath(target.ProcessId()), image));

    ASSERT_TRUE(target.Destroy(frame));
    EXPECT_EQ(WindowClassName(frame), L"");
    EXPECT_EQ(WindowProcessId(frame), 0u);
    EXPECT_EQ(ProcessImagePath(0), L"") << "the idle process has no image";
}

TEST(WindowFacts, OwnWindowsAndTheLongestClassNameWhole) {
    const std::wstring longest(255, L'C'); // the longest name an atom holds
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = longest.c_str();
    ASSERT_TRUE(::RegisterClassW(&windowClass));
    HWND own = ::CreateWindowExW(0, longest.c_str(), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    ASSERT_TRUE(own);
    EXPECT_EQ(WindowClassName(own), longest);
    EXPECT_FALSE(WindowHasText(own));
    EXPECT_TRUE(IsOwnProcessWindow(own));
    EXPECT_FALSE(IsOwnProcessWindow(nullptr));
    ::DestroyWindow(own);
    ::UnregisterClassW(longest.c_str(), windowClass.hInstance);
}

} // namespace
