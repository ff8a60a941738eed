// How a change of the listed window reaches the open tool windows: the send-message dialog follows
// every step, the message log finished picks only.
#include "maindlg/MainDialogFixture.h"

#include "msglog/MessageLogDialog.h"
#include "sendmsg/SendMessageDialog.h"

namespace {

using maindlg_test::MainDialogTest;

class SelectionFlowTest : public MainDialogTest {};

HWND PlainWindow(const wchar_t* text) {
    return ::CreateWindowExW(0, L"STATIC", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(SelectionFlowTest, AStepRetargetsTheSendDialogOnlyAndAFinishedPickBothTools) {
    HWND first = PlainWindow(L"first"), step = PlainWindow(L"step"), picked = PlainWindow(L"picked");
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(first));
    for (UINT command : {ID_WINDOW_MESSAGE_LOG, ID_WINDOW_SEND_MESSAGE})
        dialog->SendMessage(WM_COMMAND, command);
    harness::PumpMessages();
    CMessageLogDialog* log = Inside().Log();
    CSendMessageDialog* send = Inside().SendDialog();
    ASSERT_TRUE(log && send);
    EXPECT_EQ(log->Target(), first) << "both start with the listed window";
    EXPECT_EQ(send->m_hwndTarget, first);

    dialog->SelectWindow(step, Selection::Step);
    EXPECT_EQ(send->m_hwndTarget, step);
    EXPECT_EQ(log->Target(), first) << "a step is no finished pick";

    dialog->SelectWindow(picked, Selection::Finished);
    EXPECT_EQ(send->m_hwndTarget, picked);
    EXPECT_EQ(log->Target(), picked);
    for (HWND window : {first, step, picked})
        ::DestroyWindow(window);
}

} // namespace
