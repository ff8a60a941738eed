// Finding the windows of another process from a typed target, read the way the search reads them:
// criteria narrowing over the helper target's windows, a handle, a point, and a cancelled search.
#include "find/WindowSearch.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

SearchResult Find(const std::wstring& text, const std::atomic<bool>* cancel = nullptr) {
    const auto parsed = orvex::ParseWindowTarget(text);
    EXPECT_TRUE(std::holds_alternative<orvex::WindowTarget>(parsed));
    return FindWindows(std::get<orvex::WindowTarget>(parsed), cancel);
}

std::vector<HWND> Handles(const SearchResult& result) {
    std::vector<HWND> handles;
    for (const FoundWindow& found : result.matches)
        handles.push_back(found.hwnd);
    return handles;
}

class WindowSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.IsRunning());
        // Unique to this run, so windows of other programs on the desktop never match.
        marker = L"Findable " + std::to_wstring(target.ProcessId());
        harness::WindowRequest shown =
            harness::WindowRequest::Frame(marker + L" frame", {150, 150, 450, 350}, WS_POPUP | WS_VISIBLE);
        shown.exStyle = WS_EX_TOPMOST; // so that its centre is this window's on any desktop
        frame = target.Create(shown);
        hidden = target.Create(harness::WindowRequest::Frame(marker + L" hidden", {0, 0, 50, 50}, WS_POPUP));
        button = target.Create(harness::WindowRequest::Child(frame, L"Button", L"the " + marker + L" button",
                                                             BS_PUSHBUTTON, {10, 10, 110, 40}, 1));
        label =
            target.Create(harness::WindowRequest::Child(frame, L"Static", marker, 0, {10, 60, 110, 90}, 2));
        ASSERT_TRUE(frame && hidden && button && label);
    }

    harness::TargetProcess target;
    std::wstring marker;
    HWND frame = nullptr, hidden = nullptr, button = nullptr, label = nullptr;
};

TEST_F(WindowSearchTest, EachCriterionNarrowsTheWindowsOfTheWholeDesktop) {
    const std::wstring pid = L",pid=" + std::to_wstring(target.ProcessId());
    const auto found = [&](const std::wstring& criteria) {
        std::vector<HWND> handles = Handles(Find(L"text=" + marker + criteria));
        std::sort(handles.begin(), handles.end());
        return handles;
    };
    const auto sorted = [](std::vector<HWND> handles) {
        std::sort(handles.begin(), handles.end());
        return handles;
    };
    EXPECT_EQ(found(pid), sorted({frame, hidden, button, label}));
    EXPECT_EQ(found(L",process=ORVEX_TARGET.exe"), sorted({frame, hidden, button, label}));
    EXPECT_EQ(found(pid + L",class=BUTTON"), sorted({button}));
    EXPECT_EQ(found(pid + L",visible"), sorted({frame, button, label}));
    EXPECT_EQ(found(pid + L",top"), sorted({frame, hidden}));
    EXPECT_EQ(found(L",pid=" + std::to_wstring(target.ProcessId() + 1)), std::vector<HWND>{});

    // The walk meets a window before its children; every match meets the criteria by its own facts.
    const auto criteria = std::get<orvex::WindowTarget>(orvex::ParseWindowTarget(L"text=" + marker)).criteria;
    const SearchResult result = Find(L"text=" + marker);
    const std::vector<HWND> order = Handles(result);
    const auto at = [&](HWND hwnd) { return std::find(order.begin(), order.end(), hwnd) - order.begin(); };
    EXPECT_LT(at(frame), at(button));
    EXPECT_LT(at(button), at(label));
    EXPECT_GE(result.searched, 4u);
    EXPECT_FALSE(result.cancelled);
    for (const FoundWindow& window : result.matches) {
        EXPECT_TRUE(orvex::MeetsCriteria(criteria, window.facts, &SystemUpperCase));
        EXPECT_EQ(window.facts.processName, L"orvex_target.exe");
        EXPECT_TRUE(window.imagePath.ends_with(L"\\orvex_target.exe"));
    }
}

TEST_F(WindowSearchTest, HandlesPointsAndCancellationNameOneWindowOrNone) {
    SearchResult byHandle = Find(L"0x" + harness::HandleDigits(button));
    ASSERT_EQ(Handles(byHandle), std::vector<HWND>{button});
    const orvex::CandidateWindow& facts = byHandle.matches[0].facts;
    EXPECT_EQ(facts.className, L"Button");
    EXPECT_EQ(facts.text, L"the " + marker + L" button");
    EXPECT_EQ(facts.processId, target.ProcessId());
    EXPECT_TRUE(facts.visible);
    EXPECT_FALSE(facts.topLevel);
    EXPECT_TRUE(Find(harness::Decimal(frame)).matches.at(0).facts.topLevel);

    ASSERT_TRUE(target.Destroy(hidden));
    EXPECT_TRUE(Find(harness::Decimal(hidden)).matches.empty()) << "a handle that is no longer a window";

    const POINT centre = harness::CenterOf(label);
    EXPECT_EQ(Handles(Find(L"@" + std::to_wstring(centre.x) + L"," + std::to_wstring(centre.y))),
              std::vector<HWND>{label});

    const std::atomic<bool> cancel{true};
    const SearchResult cancelled = Find(L"text=" + marker, &cancel);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.matches.empty());
    EXPECT_EQ(cancelled.searched, 0u);
}

} // namespace
