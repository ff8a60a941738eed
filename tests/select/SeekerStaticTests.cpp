// The finder tool's states and notifications, driven with the messages the mouse would send.
#include "framework/Dialog.h"
#include "framework/TestApp.h"
#include "harness/Wait.h"
#include "select/SeekerStatic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class CSeekerHost : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CSeekerHost() : CDialog(IDD_TEST_DIALOG) {}
    CSeekerStatic seeker;
    std::vector<UINT> codes;
    std::vector<HWND> targets;

    LRESULT OnSeek(NMHDR* header) {
        codes.push_back(header->code);
        targets.push_back(reinterpret_cast<NMSEEKER*>(header)->hwndTarget);
        return 0;
    }
};

BEGIN_MESSAGE_MAP(CSeekerHost, CDialog)
ON_NOTIFY_RANGE(SKN_BEGINSEEK, 77, 77, OnSeek)
ON_NOTIFY_RANGE(SKN_ENDSEEK, 77, 77, OnSeek)
ON_NOTIFY_RANGE(SKN_TARGETCHANGED, 77, 77, OnSeek)
END_MESSAGE_MAP()

class SeekerStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create(IDD_TEST_DIALOG));
        ASSERT_TRUE(host.seeker.Create(WS_CHILD | WS_VISIBLE | SS_NOTIFY, RECT{0, 0, 0, 0}, host.m_hWnd, 77));
    }
    void TearDown() override { host.DestroyWindow(); }
    void Press() { host.seeker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Release() { host.seeker.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }

    CTestApp app;
    CSeekerHost host;
};

TEST_F(SeekerStaticTest, TakesTheSizeOfItsIconAndAnswersAsAButton) {
    RECT client = host.seeker.GetClientRect();
    EXPECT_EQ(client.right, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(client.bottom, ::GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(host.seeker.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON));
}

TEST_F(SeekerStaticTest, PressAndReleaseWithoutMovingSendsBeginAndEndOnly) {
    Press();
    EXPECT_TRUE(host.seeker.IsDragging());
    EXPECT_EQ(::GetCapture(), host.seeker.m_hWnd);
    Release();
    EXPECT_FALSE(host.seeker.IsSeeking());
    EXPECT_NE(::GetCapture(), host.seeker.m_hWnd);
    EXPECT_EQ(host.codes, (std::vector<UINT>{SKN_BEGINSEEK, SKN_ENDSEEK}));
}

TEST_F(SeekerStaticTest, LosingTheCaptureEndsTheDragLikeARelease) {
    Press();
    ASSERT_TRUE(host.seeker.IsDragging());
    // Something else takes the mouse, as a system dialog would.
    ::SetCapture(host.m_hWnd);
    EXPECT_FALSE(host.seeker.IsSeeking());
    EXPECT_EQ(host.codes, (std::vector<UINT>{SKN_BEGINSEEK, SKN_ENDSEEK}));
    ::ReleaseCapture();
    Press();
    EXPECT_TRUE(host.seeker.IsDragging()) << "a new drag can start";
    Release();
}

TEST_F(SeekerStaticTest, WatchingIgnoresTheMouseAndStopsCleanly) {
    HICON idle = host.seeker.GetIcon();
    host.seeker.SetWatchMode(true);
    EXPECT_TRUE(host.seeker.IsWatching());
    HICON watching = host.seeker.GetIcon();
    EXPECT_NE(watching, idle);
    Press();
    Release();
    EXPECT_TRUE(host.seeker.IsWatching()) << "a click while watching changes nothing";
    EXPECT_EQ(host.seeker.GetIcon(), watching);
    EXPECT_NE(::GetCapture(), host.seeker.m_hWnd);
    EXPECT_EQ(std::count(host.codes.begin(), host.codes.end(), SKN_BEGINSEEK), 0);

    host.seeker.SetWatchMode(false);
    EXPECT_FALSE(host.seeker.IsSeeking());
    EXPECT_EQ(host.seeker.GetIcon(), idle);
}

} // namespace
