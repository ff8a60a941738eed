// The window commands on a window whose program has stopped answering: Orvex carries them out
// without waiting for that program, and what needs the program's answer lands once it answers.
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "maindlg/MainDialogFixture.h"
#include "select/WindowActions.h"

namespace {

using maindlg_test::MainDialogTest;

class HungWindowCommandsTest : public MainDialogTest {};

TEST_F(HungWindowCommandsTest, EnableVisibleAndHighlightNeverWaitForAHungProgram) {
    ASSERT_TRUE(OpenDialog());
    harness::TargetProcess target;
    HWND hidden = target.Create(harness::WindowRequest::Frame(L"Hidden, disabled, hung", {720, 420, 900, 520},
                                                              WS_OVERLAPPEDWINDOW | WS_DISABLED));
    ASSERT_NE(hidden, nullptr);
    ASSERT_TRUE(target.Hang(3000));

    constexpr UINT kDone = WM_APP + 7;
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(EnableAndShowWindow(hidden, Main(), kDone), EnableShowRequest::Waiting);
    EXPECT_LT(::GetTickCount64() - start, 1000u) << "Enable/Visible waited for the hung program";
    EXPECT_EQ(EnableAndShowWindow(hidden, Main(), kDone), EnableShowRequest::AlreadyWaiting)
        << "a second press over the hung program piles up no second waiting thread";
    const ULONGLONG highlight = ::GetTickCount64();
    HighlightWindow(hidden);
    EXPECT_LT(::GetTickCount64() - highlight, 1500u) << "the highlight waited for the hung program";

    // Once the program answers again, the window is shown and enabled, and only then is the
    // requester told (the main window takes the foreground on that word).
    MSG done{};
    const ULONGLONG deadline = ::GetTickCount64() + 8000;
    while (!::PeekMessageW(&done, Main(), kDone, kDone, PM_REMOVE) && ::GetTickCount64() < deadline)
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_POSTMESSAGE);
    ASSERT_EQ(done.message, kDone) << "the requester was never told";
    EXPECT_EQ(reinterpret_cast<HWND>(done.lParam), hidden);
    EXPECT_TRUE(::IsWindowVisible(hidden));
    EXPECT_TRUE(::IsWindowEnabled(hidden));
    EXPECT_EQ(EnableAndShowWindow(hidden), EnableShowRequest::Waiting)
        << "the finished request waits no more";
}

} // namespace
