// The message log window as its owner drives it: it follows finished picks only, and its place is
// stored with the other settings at exit, never when it closes.
#include "maindlg/MainDialogFixture.h"

#include "msglog/MessageLogDialog.h"

#include <cstring>

namespace {

using maindlg_test::MainDialogTest;
using maindlg_test::ReadProfileBinary;

constexpr wchar_t kPlacement[] = L"Settings\\WindowPlacement";

class MessageLogWindowTest : public MainDialogTest {
protected:
    CMessageLogDialog* OpenLog() {
        dialog->SendMessage(WM_COMMAND, ID_WINDOW_MESSAGE_LOG);
        harness::PumpMessages();
        return dialog->m_pMessageLogDialog;
    }
    static HWND PlainWindow(const wchar_t* text) {
        return ::CreateWindowExW(0, L"STATIC", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    }
};

TEST_F(MessageLogWindowTest, FollowsFinishedPicksButNotTheWatchTicks) {
    HWND first = PlainWindow(L"first"), second = PlainWindow(L"second");
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(first));
    CMessageLogDialog* log = OpenLog();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->Target(), first) << "it starts with the listed window";
    dialog->Retarget(second);
    EXPECT_EQ(log->Target(), first) << "a watch tick is no finished pick";
    dialog->WindowChosen(second);
    EXPECT_EQ(log->Target(), second);
    ::DestroyWindow(first);
    ::DestroyWindow(second);
}

TEST_F(MessageLogWindowTest, ItsPlaceIsStoredAtExitOnlyAndTakenWhenItOpensAgain) {
    ASSERT_TRUE(OpenDialog());
    ASSERT_NE(OpenLog(), nullptr);
    const RECT moved{150, 120, 750, 520};
    ::SetWindowPos(dialog->m_pMessageLogDialog->m_hWnd, nullptr, moved.left, moved.top,
                   moved.right - moved.left, moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(dialog->m_pMessageLogDialog->m_hWnd, WM_CLOSE, 0, 0);
    harness::PumpMessages();
    EXPECT_EQ(dialog->m_pMessageLogDialog, nullptr);
    EXPECT_EQ(ReadProfileBinary(kPlacement, L"MessageLogRect"), std::nullopt)
        << "closing the log writes nothing";

    CloseDialog();
    const auto stored = ReadProfileBinary(kPlacement, L"MessageLogRect");
    ASSERT_TRUE(stored.has_value() && stored->size() == sizeof(RECT));
    RECT rect{};
    std::memcpy(&rect, stored->data(), sizeof(rect));
    EXPECT_TRUE(::EqualRect(&rect, &moved));

    ASSERT_TRUE(OpenDialog());
    ASSERT_NE(OpenLog(), nullptr);
    const RECT reopened = dialog->m_pMessageLogDialog->GetWindowRect();
    EXPECT_TRUE(::EqualRect(&reopened, &moved));
}

} // namespace
