// The main window's placement across runs, and its size as a user drags its borders.
#include "SettingsHelpers.h"

namespace {

using namespace settings_e2e;

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { harness::ClearOrvexSettings(); }
    void TearDown() override { harness::ClearOrvexSettings(); }

    // Starts Orvex and returns its main window, or null.
    static HWND Open(harness::OrvexSession& orvex) {
        if (!orvex.Start())
            return nullptr;
        return orvex.WaitForMainWindow();
    }
};

TEST_F(PlacementTest, MaximisedWindowComesBackMaximised) {
    harness::OrvexSession first;
    HWND main = Open(first);
    ASSERT_NE(main, nullptr);
    ::SetWindowPos(main, nullptr, 60, 50, 600, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(harness::WaitUntil([&] { return PlacementOf(main).rcNormalPosition.left == 60; }, 5000));
    const RECT normal = PlacementOf(main).rcNormalPosition;
    ::PostMessageW(main, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::IsZoomed(main) != FALSE; }, 5000));
    ASSERT_TRUE(first.Close());

    EXPECT_EQ(QueryDword(kPlacement, L"ShowCmd"), 3ul);
    EXPECT_EQ(QueryDword(kPlacement, L"Flags"), 0ul);
    const auto saved = QueryRect();
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(SameRect(*saved, normal)) << "the restored rectangle is kept: " << Describe(*saved);

    harness::OrvexSession second;
    main = Open(second);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsZoomed(main));

    // Restoring it brings back the rectangle it had before it was maximised. (Wine answers
    // another process's GetWindowPlacement with the current window rectangle, so the normal
    // rectangle is looked at the way a user sees it.)
    ::PostMessageW(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    RECT now{};
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            ::GetWindowRect(main, &now);
            return !::IsZoomed(main) && SameRect(now, normal);
        },
        5000))
        << "restored to " << Describe(now) << ", expected " << Describe(normal);
    EXPECT_TRUE(second.Close());
}

TEST_F(PlacementTest, MinimisedWindowComesBackRestoredAtItsNormalRectangle) {
    harness::OrvexSession first;
    HWND main = Open(first);
    ASSERT_NE(main, nullptr);
    ::SetWindowPos(main, nullptr, 140, 90, 640, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(harness::WaitUntil([&] { return PlacementOf(main).rcNormalPosition.left == 140; }, 5000));
    const RECT normal = PlacementOf(main).rcNormalPosition;
    ::PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 5000));
    ASSERT_TRUE(first.Close());

    EXPECT_EQ(QueryDword(kPlacement, L"ShowCmd"), 1ul);
    const auto saved = QueryRect();
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(SameRect(*saved, normal)) << Describe(*saved);

    harness::OrvexSession second;
    main = Open(second);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsIconic(main));
    EXPECT_FALSE(::IsZoomed(main));
    RECT now{};
    ::GetWindowRect(main, &now);
    EXPECT_TRUE(SameRect(now, normal)) << Describe(now) << " vs " << Describe(normal);
    EXPECT_TRUE(second.Close());
}

TEST_F(PlacementTest, StoredMinimisedShowCommandOpensInTheNormalState) {
    const RECT stored{200, 150, 800, 550};
    ASSERT_TRUE(harness::WriteRegistryBinary(kPlacement, L"MainWindowRect", &stored, sizeof(stored)));
    ASSERT_TRUE(harness::WriteRegistryDword(kPlacement, L"Flags", 0));
    ASSERT_TRUE(harness::WriteRegistryDword(kPlacement, L"ShowCmd", SW_SHOWMINIMIZED));
    harness::OrvexSession orvex;
    HWND main = Open(orvex);
    ASSERT_NE(main, nullptr) << "the main window did not come up visible";
    EXPECT_FALSE(::IsIconic(main));
    RECT now{};
    ::GetWindowRect(main, &now);
    EXPECT_TRUE(SameRect(now, stored)) << Describe(now);
    EXPECT_TRUE(orvex.Close());
}

bool InMoveSizeLoop(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) &&
           (info.flags & GUI_INMOVESIZE);
}

// A drag of the frame with the real mouse, from a point on it to another point; the moves start
// once the window's sizing loop has taken the mouse.
void DragFrame(HWND window, POINT from, POINT to) {
    harness::xdo::MoveTo(from.x, from.y);
    harness::xdo::ButtonDown();
    EXPECT_TRUE(harness::WaitUntil([&] { return InMoveSizeLoop(window); }, 5000))
        << "pressing on the frame did not start sizing";
    harness::xdo::MoveTo((from.x + to.x) / 2, (from.y + to.y) / 2);
    harness::xdo::MoveTo(to.x, to.y);
    harness::xdo::ButtonUp();
    EXPECT_TRUE(harness::WaitUntil([&] { return !InMoveSizeLoop(window); }, 5000));
}

TEST_F(PlacementTest, DraggingTheFrameStopsAtTheMinimumInEachDimension) {
    harness::OrvexSession orvex;
    HWND main = Open(orvex);
    ASSERT_NE(main, nullptr);
    ::SetWindowPos(main, nullptr, 100, 100, 640, 420, SWP_NOZORDER);
    ASSERT_TRUE(orvex.Activate());
    RECT start{};
    ::GetWindowRect(main, &start);

    // The right edge, far to the left: only the width is limited.
    const int midY = (start.top + start.bottom) / 2;
    DragFrame(main, {start.right - 2, midY}, {start.left + 60, midY});
    RECT rect{};
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            ::GetWindowRect(main, &rect);
            return rect.right - rect.left == 429;
        },
        5000))
        << "width after the drag: " << rect.right - rect.left;
    EXPECT_EQ(rect.bottom - rect.top, start.bottom - start.top) << "the height did not move";

    // The bottom edge, far up: only the height is limited.
    ::GetWindowRect(main, &start);
    const int midX = (start.left + start.right) / 2;
    DragFrame(main, {midX, start.bottom - 2}, {midX, start.top + 40});
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            ::GetWindowRect(main, &rect);
            return rect.bottom - rect.top == 165;
        },
        5000))
        << "height after the drag: " << rect.bottom - rect.top;
    EXPECT_EQ(rect.right - rect.left, 429);
    EXPECT_TRUE(orvex.Close());
}

} // namespace
