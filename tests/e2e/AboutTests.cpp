// The about box as a user meets it: opened from its button, its licence link opening the terms
// on top of it, and back.
#include "DialogDriving.h"

#include <gtest/gtest.h>

namespace {

using dialog_e2e::ClickControl;

bool WaitForeground(HWND hwnd) {
    return harness::WaitUntil([&] { return ::GetForegroundWindow() == hwnd; }, 5000);
}

TEST(AboutBox, LicenceLinkOpensTheTermsOnTopAndClosingThemReturnsToTheAboutBox) {
    harness::ClearOrvexSettings();
    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    HWND main = orvex.WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(orvex.Activate());
    const DWORD processId = orvex.Process().Id();

    dialog_e2e::ClickToolBarButton(orvex.Control(105), 0);
    HWND about = dialog_e2e::WaitForDialog(processId, L"About Orvex");
    ASSERT_NE(about, nullptr) << "no dialog captioned \"About Orvex\"";
    EXPECT_EQ(::GetWindow(about, GW_OWNER), main);
    EXPECT_TRUE(WaitForeground(about));

    const auto link = dialog_e2e::LinkScreenPoint(::GetDlgItem(about, 1003));
    ASSERT_TRUE(link.has_value()) << "the licence line holds no link";
    harness::xdo::Click(link->x, link->y);
    HWND terms = dialog_e2e::WaitForDialog(processId, L"Term of Use");
    ASSERT_NE(terms, nullptr) << "the licence link did not open the terms";
    EXPECT_EQ(::GetWindow(terms, GW_OWNER), about);
    EXPECT_TRUE(WaitForeground(terms)) << "the terms come on top";
    EXPECT_FALSE(::IsWindowEnabled(about)) << "the about box waits for the terms";
    HWND text = ::GetDlgItem(terms, 1006);
    const LONG_PTR style = ::GetWindowLongPtrW(text, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & WS_TABSTOP);
    // A control's text is asked for directly: GetWindowText reads only captions across processes.
    EXPECT_GT(::SendMessageW(text, WM_GETTEXTLENGTH, 0, 0), 200);

    ClickControl(::GetDlgItem(terms, IDOK));
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(terms); }, 5000));
    EXPECT_TRUE(WaitForeground(about)) << "closing the terms returns to the about box";
    EXPECT_TRUE(::IsWindowEnabled(about));

    ClickControl(::GetDlgItem(about, IDOK));
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(about); }, 5000));
    EXPECT_TRUE(WaitForeground(main));
    EXPECT_TRUE(orvex.Close());
}

} // namespace
