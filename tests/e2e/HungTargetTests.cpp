// A foreign window whose thread has stopped pumping messages: Orvex lists it in both listings,
// follows a drag over it and picks it with the hot key within a bounded time, and keeps answering
// its own input meanwhile.
#include "SettingsHelpers.h"

#include "common/ValueFormat.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"

#include <memory>

namespace {

using harness::CenterOf;

using namespace settings_e2e;

// An Orvex of an earlier test may still be on its way out holding F9; wait until the key is free,
// or the Orvex started next could not register it.
bool WaitUntilF9IsFree() {
    return harness::WaitUntil(
        [] {
            if (!::RegisterHotKey(nullptr, 0x7E59, 0, VK_F9))
                return false;
            ::UnregisterHotKey(nullptr, 0x7E59);
            return true;
        },
        10000);
}

// Orvex's own thread answers a message within a short time.
bool Responsive(HWND main) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &result) != 0;
}

class HungTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::ClearOrvexSettings();
        hungFrame = target.Create(harness::WindowRequest::Frame(L"Hung frame", {700, 200, 1100, 500}));
        hungList = target.Create(harness::WindowRequest::Child(hungFrame, L"SysListView32", L"", LVS_REPORT,
                                                               {10, 10, 300, 200}, 5));
        ASSERT_TRUE(hungFrame && hungList);
    }
    void TearDown() override { harness::ClearOrvexSettings(); }

    void ExpectTheUnansweredQueryShowsNotAvailable() const {
        bool timedOutQuery = false;
        for (const harness::ListRow& row : orvex->PropertyRows())
            if (row.name == L"Control Extended Styles")
                timedOutQuery = row.value == L"<n/a>";
        EXPECT_TRUE(timedOutQuery) << "the query the hung window cannot answer shows <n/a>";
    }
    void StartOrvexIn(DWORD viewMode) {
        ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"ViewMode", viewMode));
        ASSERT_TRUE(WaitUntilF9IsFree());
        ASSERT_TRUE(orvex->Start());
        ASSERT_NE(orvex->WaitForMainWindow(), nullptr);
        ASSERT_TRUE(orvex->Activate());
    }
    // Drags the finder tool onto the hung list view; the target stays away longer than the bound,
    // so an Orvex that waited on it could never pass.
    void DragOntoTheHungList() {
        HWND finder = ::GetDlgItem(orvex->Control(100), 102);
        ASSERT_NE(finder, nullptr);
        ASSERT_TRUE(target.Hang(8000));
        const ULONGLONG start = ::GetTickCount64();
        POINT at = CenterOf(finder);
        harness::xdo::MoveTo(at.x, at.y);
        harness::xdo::ButtonDown();
        at = CenterOf(hungList);
        harness::xdo::MoveTo(at.x, at.y);
        EXPECT_TRUE(orvex->WaitListed(hungList));
        EXPECT_LT(::GetTickCount64() - start, 5000u) << "listing a hung window is bounded";
        EXPECT_TRUE(Responsive(orvex->MainWindow())) << "Orvex keeps answering its own input";
        ExpectTheUnansweredQueryShowsNotAvailable();
        at = CenterOf(hungFrame);
        harness::xdo::MoveTo(at.x + 150, at.y + 100);
        harness::xdo::ButtonUp();
        EXPECT_TRUE(Responsive(orvex->MainWindow()));
    }

    harness::TargetProcess target;
    std::unique_ptr<harness::OrvexSession> orvex = std::make_unique<harness::OrvexSession>();
    HWND hungFrame = nullptr;
    HWND hungList = nullptr;
};

TEST_F(HungTargetTest, DetailListingOfAHungWindowCompletesAndOrvexStaysResponsive) {
    StartOrvexIn(1);
    DragOntoTheHungList();
}

TEST_F(HungTargetTest, SummaryListingOfAHungWindowCompletesAndOrvexStaysResponsive) {
    StartOrvexIn(0);
    DragOntoTheHungList();
}

TEST_F(HungTargetTest, HotKeyOverAHungWindowListsItWithoutWaitingForIt) {
    StartOrvexIn(1);
    ASSERT_TRUE(target.Hang(8000));
    const ULONGLONG start = ::GetTickCount64();
    POINT at = CenterOf(hungList);
    harness::xdo::MoveTo(at.x, at.y);
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex->WaitListed(hungList)) << "Orvex answers: " << Responsive(orvex->MainWindow());
    EXPECT_LT(::GetTickCount64() - start, 5000u);
    EXPECT_TRUE(Responsive(orvex->MainWindow()));
    ExpectTheUnansweredQueryShowsNotAvailable();
}
} // namespace
