// The Control Text row in the main window: listed at once with a placeholder, filled in when the
// answer comes from the thread that asked, and never filled with an answer meant for an earlier
// listing.
#include "maindlg/MainDialogFixture.h"

#include "harness/TargetClient.h"
#include "inspect/MoreRowsText.h"

namespace {

using maindlg_test::MainDialogTest;

class ControlTextRowTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(target.IsRunning());
        frame = target.Create(harness::WindowRequest::Frame(L"control text", {60, 60, 360, 260}));
        ASSERT_NE(frame, nullptr);
        app.m_settings.m_bMoreProperties = 1;
        ASSERT_TRUE(OpenDialog());
    }
    std::wstring Shown() const {
        for (int row = 0, count = View().GetItemCount(); row < count; ++row)
            if (View().GetItemText(row, 0) == L"Control Text")
                return View().GetItemText(row, 1);
        return L"(no row)";
    }

    harness::TargetProcess target;
    HWND frame = nullptr;
};

TEST_F(ControlTextRowTest, ListedWaitingThenFilledByItsOwnAnswerOnly) {
    ASSERT_TRUE(::SetWindowTextW(frame, L"two\r\nlines"));
    ASSERT_TRUE(dialog->ShowWindowProperties(frame));
    EXPECT_EQ(Shown(), orvex::kAnswerPending);
    EXPECT_TRUE(harness::WaitUntil([&] { return Shown() == L"two\\r\\nlines"; }, 5000)) << Shown();

    // A window of the main window's own thread answers without a wait: asked at once.
    HWND own =
        ::CreateWindowExW(0, L"STATIC", L"mine", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const unsigned earlier = Inside().ListingNumber();
    ASSERT_TRUE(dialog->ShowWindowProperties(own));
    EXPECT_EQ(Shown(), L"mine");
    Inside().AnswerControlText(earlier, L"late");
    EXPECT_EQ(Shown(), L"mine") << "an answer for the listing before";
    ASSERT_FALSE(dialog->ShowWindowProperties(nullptr));
    Inside().AnswerControlText(Inside().ListingNumber(), L"late");
    EXPECT_EQ(View().GetItemCount(), 0);
    ::DestroyWindow(own);
}

TEST_F(ControlTextRowTest, ABusyProgramShowsNoAnswerWithoutHoldingTheMainWindow) {
    ASSERT_TRUE(target.Hang(1500));
    ASSERT_TRUE(dialog->ShowWindowProperties(frame));
    EXPECT_EQ(Shown(), orvex::kAnswerPending) << "listed without waiting for the answer";
    EXPECT_TRUE(harness::WaitUntil([&] { return Shown() == orvex::kNoAnswer; }, 1200)) << Shown();
}

} // namespace
