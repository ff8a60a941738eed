// The window commands on a window whose program has stopped answering: Orvex carries them out
// without waiting for that program, and what needs the program's answer lands once it answers.
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "maindlg/MainDialogFixture.h"

namespace {

using maindlg_test::MainDialogTest;

class HungWindowCommandsTest : public MainDialogTest {};

TEST_F(HungWindowCommandsTest, EnableVisibleAndHighlightNeverWaitForAHungProgram) {
    ASSERT_TRUE(OpenDialog());
    harness::TargetProcess target;
    harness::WindowSpec request;
    request.text = L"Hidden, disabled, hung";
    request.style = WS_OVERLAPPEDWINDOW | WS_DISABLED;
    request.rect = {720, 420, 900, 520};
    HWND hidden = target.Create(request);
    ASSERT_NE(hidden, nullptr);
    ASSERT_TRUE(target.Hang(3000));

    const ULONGLONG start = ::GetTickCount64();
    dialog->EnableAndShowWindow(hidden);
    EXPECT_LT(::GetTickCount64() - start, 1000u) << "Enable/Visible waited for the hung program";
    const ULONGLONG highlight = ::GetTickCount64();
    dialog->HighlightWindow(hidden);
    EXPECT_LT(::GetTickCount64() - highlight, 1500u) << "the highlight waited for the hung program";

    // Once the program answers again, the window is shown and enabled all the same.
    EXPECT_TRUE(
        harness::WaitUntil([&] { return ::IsWindowVisible(hidden) && ::IsWindowEnabled(hidden); }, 8000));
}

} // namespace
