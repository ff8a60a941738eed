// The helper target really is another process whose windows answer like any program's.
#include "harness/TargetClient.h"

#include <gtest/gtest.h>

namespace {

TEST(HelperTarget, CreatesWindowsOfGivenClassStyleTextAndNestingInAnotherProcess) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    EXPECT_NE(target.ProcessId(), ::GetCurrentProcessId());

    harness::WindowRequest frame;
    frame.text = L"Target frame";
    HWND top = target.Create(frame);
    ASSERT_NE(top, nullptr);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(top, &pid);
    EXPECT_EQ(pid, target.ProcessId());

    harness::WindowRequest button;
    button.className = L"Button";
    button.text = L"Press me";
    button.style = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_DISABLED;
    button.parent = top;
    button.rect = {10, 10, 110, 40};
    button.id = 1234;
    HWND child = target.Create(button);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(::GetParent(child), top);
    EXPECT_EQ(::GetDlgCtrlID(child), 1234);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE)) & 0xFFFF, DWORD(BS_AUTOCHECKBOX));
    EXPECT_FALSE(::IsWindowEnabled(child));
    wchar_t text[64] = {};
    ::GetWindowTextW(child, text, 64);
    EXPECT_STREQ(text, L"Press me");

    EXPECT_TRUE(target.Enable(child, true));
    EXPECT_TRUE(::IsWindowEnabled(child));
    EXPECT_TRUE(target.Destroy(top));
    EXPECT_FALSE(::IsWindow(child));
    harness::WindowRequest unknown;
    unknown.className = L"NoSuchClass";
    EXPECT_EQ(target.Create(unknown), nullptr);
}

} // namespace
