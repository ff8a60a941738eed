// Where the windows open beside the main window, and a stored placement always coming back where
// its user can reach it.
#include "maindlg/Placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using orvex::FitOnWorkArea;
using orvex::PlaceToolWindow;
using orvex::PlaceTreeWindow;
using orvex::ScreenRect;

constexpr ScreenRect kScreen{0, 0, 1280, 1024};
constexpr ScreenRect kWideScreen{0, 0, 1920, 1040};

bool Same(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Placement, TheTreeGoesLeftThenRightThenCentredAsTallAsTheMainWindow) {
    const orvex::WindowPlace place = PlaceTreeWindow({500, 120, 1100, 620}, kWideScreen);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 120);
    EXPECT_EQ(place.width, 400);
    EXPECT_EQ(place.height, 500);
    EXPECT_EQ(PlaceTreeWindow({401, 0, 900, 10}, kWideScreen).x, 1);
    EXPECT_EQ(PlaceTreeWindow({100, 50, 700, 450}, kWideScreen).x, 700);
    EXPECT_EQ(PlaceTreeWindow({400, 50, 1519, 450}, kWideScreen).x, 1519) << "400 is not more than 400";
    EXPECT_EQ(PlaceTreeWindow({100, 50, 1700, 450}, kWideScreen).x, 700);
    EXPECT_EQ(PlaceTreeWindow({100, 50, 1520, 450}, kWideScreen).x, 610) << "1520 + 400 is not less";
    // An odd width: the half is rounded down.
    EXPECT_EQ(PlaceTreeWindow({-301, 0, 1700, 10}, kWideScreen).x, -301 + 1000 - 200);
    EXPECT_EQ(PlaceTreeWindow({-300, 0, 1699, 10}, kWideScreen).x, -300 + 999 - 200);
}

TEST(Placement, TheTreeMeasuresTheRoomOnTheRightToTheWorkAreasRightEdge) {
    // A task bar on the left: 1400 + 400 ends short of the right edge, though not of the width.
    EXPECT_EQ(PlaceTreeWindow({100, 0, 1400, 10}, {200, 0, 1920, 1040}).x, 1400);
    // A work area left of the primary screen ends at 0: the tree would cross into the next one.
    EXPECT_EQ(PlaceTreeWindow({-1800, 0, -200, 10}, {-1920, 0, 0, 1040}).x, -1800 + 800 - 200);
}

TEST(Placement, TheSendDialogRests45AboveTheMainWindowsBottomInsideTheWorkArea) {
    struct Case {
        ScreenRect main;
        int x, y;
    };
    const Case cases[] = {
        {{200, 300, 800, 900}, 200, 900 - 45 - 320},
        {{0, 0, 560, 350}, 0, 0},           // first run: the main window in the corner
        {{-300, 500, 260, 850}, 0, 485},    // hanging off the left edge
        {{1000, 500, 1560, 850}, 780, 485}, // hanging off the right edge
        {{100, 900, 660, 1250}, 100, 664},  // hanging off the bottom
    };
    constexpr ScreenRect kWorkArea{0, 0, 1280, 984};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "main window left " << c.main.left << " top " << c.main.top);
        const orvex::PlacementPoint at = orvex::PlaceSendMessageDialog(c.main, 500, 320, kWorkArea);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
    // Larger than the work area: the caption stays reachable at its top-left corner.
    const orvex::PlacementPoint big = orvex::PlaceSendMessageDialog({0, 0, 600, 400}, 2000, 2000, kWorkArea);
    EXPECT_EQ(big.x, 0);
    EXPECT_EQ(big.y, 0);
}

// A new tool window never covers the main window's list while the screen has room elsewhere.
TEST(Placement, AToolWindowGoesBesideTheMainWindowThenBesideTheTargetThenBelowThenWhereItCoversLeast) {
    const orvex::ToolWindowSize size{300, 200, 900};
    const orvex::WindowPlace left = PlaceToolWindow({700, 100, 1200, 500}, size, kScreen, std::nullopt, {});
    EXPECT_EQ(left.x, 0) << "the side with more room, widened to all of its 700 pixels";
    EXPECT_EQ(left.width, 700);
    EXPECT_EQ(left.y, 100);
    EXPECT_EQ(left.height, 400) << "level with the main window and as tall";

    const ScreenRect tree{100, 100, 500, 500};
    const orvex::WindowPlace right =
        PlaceToolWindow({500, 100, 900, 500}, {300, 600, 500}, kScreen, std::nullopt, {&tree, 1});
    EXPECT_EQ(right.x, 900) << "the tree stands left";
    EXPECT_EQ(right.width, 380) << "no wider than the room on the right";
    EXPECT_EQ(right.height, 600) << "never shorter than itself";

    // A main window as wide as the screen, as at 192 DPI: beside the target, then below, then above.
    const ScreenRect wide{0, 0, 1280, 600};
    const ScreenRect target{100, 650, 500, 900};
    EXPECT_EQ(PlaceToolWindow(wide, size, kScreen, target, {}).x, 500) << "right of the target";
    const orvex::WindowPlace below = PlaceToolWindow(wide, size, kScreen, std::nullopt, {});
    EXPECT_EQ(below.y, 600);
    EXPECT_EQ(below.height, 200);
    EXPECT_EQ(PlaceToolWindow({0, 300, 1280, 1024}, size, kScreen, std::nullopt, {}).y, 100) << "above";
    const orvex::WindowPlace shortened =
        PlaceToolWindow({0, 0, 1280, 904}, {300, 200, 900, 100}, kScreen, std::nullopt, {});
    EXPECT_EQ(shortened.y, 904) << "as short as it may be, below";
    EXPECT_EQ(shortened.height, 120);
    const ScreenRect log{0, 904, 1280, 1024};
    EXPECT_EQ(PlaceToolWindow({0, 0, 1280, 904}, {300, 100, 0, 0}, kScreen, std::nullopt, {&log, 1}).y, 904)
        << "over the open log rather than over the main window";

    const ScreenRect whole{0, 0, 1280, 1000};
    const orvex::WindowPlace corner = PlaceToolWindow(whole, size, kScreen, std::nullopt, {});
    EXPECT_EQ(corner.x, 980) << "no room anywhere: the corner that hides least of the main window";
    EXPECT_EQ(corner.y, 824);
}

TEST(Placement, AReachableRectangleIsKeptAsItIsEvenPartlyOffTheScreen) {
    for (const ScreenRect& box : {ScreenRect{100, 100, 600, 500}, ScreenRect{-200, 50, 400, 400},
                                  ScreenRect{1100, 900, 1600, 1300}}) {
        EXPECT_TRUE(Same(FitOnWorkArea(box, kScreen, 429, 165), box));
    }
}

TEST(Placement, ARectangleOutsideEveryMonitorIsMovedOntoTheWorkAreaWithItsSize) {
    const ScreenRect distant = FitOnWorkArea({30000, -40000, 30600, -39600}, kScreen, 429, 165);
    EXPECT_TRUE(Same(distant, ScreenRect{680, 0, 1280, 400}));
    const ScreenRect aboveCaption = FitOnWorkArea({100, -20, 600, 400}, kScreen, 429, 165);
    EXPECT_EQ(aboveCaption.top, 0) << "a caption above the screen cannot be grabbed";
    EXPECT_EQ(aboveCaption.left, 100);
}

TEST(Placement, SizesAreKeptBetweenTheMinimumAndTheWorkArea) {
    const ScreenRect tiny = FitOnWorkArea({10, 10, 20, 20}, kScreen, 429, 165);
    EXPECT_EQ(tiny.right - tiny.left, 429);
    EXPECT_EQ(tiny.bottom - tiny.top, 165);
    const ScreenRect inverted = FitOnWorkArea({500, 500, 100, 100}, kScreen, 429, 165);
    EXPECT_EQ(inverted.right - inverted.left, 429);
    const ScreenRect huge = FitOnWorkArea({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kScreen, 429, 165);
    EXPECT_TRUE(Same(huge, kScreen));
    const ScreenRect onSmallScreen = FitOnWorkArea({0, 0, 900, 700}, {0, 0, 400, 150}, 429, 165);
    EXPECT_EQ(onSmallScreen.left, 0);
    EXPECT_EQ(onSmallScreen.right - onSmallScreen.left, 429) << "never below the minimum size";
}

} // namespace
