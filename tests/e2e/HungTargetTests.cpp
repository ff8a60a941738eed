// A foreign window whose thread has stopped pumping messages: Orvex lists it in both listings,
// follows a drag over it and picks it with the hot key within a bounded time, and keeps answering
// its own input meanwhile.
#include "SettingsHelpers.h"

#include "harness/TargetClient.h"
#include "inspect/ValueFormat.h"

#include <memory>

namespace {

using namespace settings_e2e;

POINT CenterOf(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
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
        harness::WindowSpec frame;
        frame.text = L"Hung frame";
        frame.rect = {700, 200, 1100, 500};
        hungFrame = target.Create(frame);
        harness::WindowSpec list;
        list.className = L"SysListView32";
        list.style = WS_CHILD | WS_VISIBLE | LVS_REPORT;
        list.parent = hungFrame;
        list.rect = {10, 10, 300, 200};
        list.id = 5;
        hungList = target.Create(list);
        ASSERT_TRUE(hungFrame && hungList);
    }
    void TearDown() override { harness::ClearOrvexSettings(); }

    std::wstring ListedHandle() const {
        for (const harness::ListRow& row : orvex->PropertyRows())
            if (row.name == L"Handle")
                return row.value;
        return {};
    }
    // Lists the hung list view with the hot key and checks the time it took and Orvex's answers.
    void PickHungListWithTheHotKey() {
        ASSERT_TRUE(target.Hang(3000));
        const ULONGLONG start = ::GetTickCount64();
        POINT at = CenterOf(hungList);
        harness::xdo::MoveTo(at.x, at.y);
        harness::xdo::Key(L"F9");
        const std::wstring expected = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hungList));
        EXPECT_TRUE(harness::WaitUntil([&] { return ListedHandle() == expected; }, 2500));
        EXPECT_LT(::GetTickCount64() - start, 2500u) << "listing a hung window is bounded";
        EXPECT_TRUE(Responsive(orvex->MainWindow())) << "Orvex keeps answering its own input";
        bool timedOutQuery = false;
        for (const harness::ListRow& row : orvex->PropertyRows())
            if (row.name == L"Control Extended Styles")
                timedOutQuery = row.value == L"<n/a>";
        EXPECT_TRUE(timedOutQuery) << "the query the hung window cannot answer shows <n/a>";
    }

    harness::TargetProcess target;
    std::unique_ptr<harness::OrvexSession> orvex = std::make_unique<harness::OrvexSession>();
    HWND hungFrame = nullptr;
    HWND hungList = nullptr;
};

TEST_F(HungTargetTest, BothListingsOfAHungWindowCompleteAndOrvexStaysResponsive) {
    for (DWORD viewMode : {1u, 0u}) {
        SCOPED_TRACE(viewMode == 1 ? "detail listing" : "summary listing");
        ASSERT_TRUE(harness::WriteRegistryDword(kSettings, L"ViewMode", viewMode));
        orvex = std::make_unique<harness::OrvexSession>();
        ASSERT_TRUE(orvex->Start());
        ASSERT_NE(orvex->WaitForMainWindow(), nullptr);
        PickHungListWithTheHotKey();
        // Let the target recover before the next round.
        ASSERT_TRUE(harness::WaitUntil([&] { return target.Request("ping") == "ok"; }, 10000));
    }
}

TEST_F(HungTargetTest, DraggingOverAHungWindowStaysUsable) {
    ASSERT_TRUE(orvex->Start());
    ASSERT_NE(orvex->WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex->Activate());
    HWND finder = ::GetDlgItem(orvex->Control(100), 102);
    ASSERT_NE(finder, nullptr);
    ASSERT_TRUE(target.Hang(3000));
    const ULONGLONG start = ::GetTickCount64();
    POINT at = CenterOf(finder);
    harness::xdo::MoveTo(at.x, at.y);
    harness::xdo::ButtonDown();
    at = CenterOf(hungList);
    harness::xdo::MoveTo(at.x, at.y);
    const std::wstring expected = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hungList));
    EXPECT_TRUE(harness::WaitUntil([&] { return ListedHandle() == expected; }, 2500));
    at = CenterOf(hungFrame);
    harness::xdo::MoveTo(at.x + 150, at.y + 100);
    harness::xdo::ButtonUp();
    EXPECT_LT(::GetTickCount64() - start, 2500u);
    EXPECT_TRUE(Responsive(orvex->MainWindow()));
}

} // namespace
