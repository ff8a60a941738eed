// Where the windows open beside the main window, and a stored placement always coming back where
// its user can reach it.
#include "maindlg/Placement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using orvex::FitOnWorkArea;
using orvex::PlaceMessageLog;
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

TEST(Placement, TheLogTakesTheSideTheTreeLeavesFreeAndWidensAsFarAsThatSideHasRoom) {
    const ScreenRect main{700, 100, 1200, 500};
    const orvex::WindowPlace left = PlaceMessageLog(main, 300, 200, 900, kScreen, std::nullopt);
    EXPECT_EQ(left.x, 0) << "widened to the 700 pixels on the left";
    EXPECT_EQ(left.width, 700);
    EXPECT_EQ(left.y, 100);
    EXPECT_EQ(left.height, 400);
    const orvex::WindowPlace right =
        PlaceMessageLog({500, 100, 900, 500}, 300, 600, 500, kScreen, ScreenRect{100, 100, 500, 500});
    EXPECT_EQ(right.x, 900) << "the tree stands left";
    EXPECT_EQ(right.width, 380) << "no wider than the room on the right";
    EXPECT_EQ(right.height, 600) << "never shorter than itself";
    EXPECT_EQ(PlaceMessageLog({100, 0, 500, 400}, 300, 200, 0, kScreen, std::nullopt).x, 500)
        << "no room on the left";
    EXPECT_EQ(PlaceMessageLog({100, 0, 500, 400}, 300, 200, 0, kScreen, ScreenRect{600, 0, 900, 400}).x, 0)
        << "the tree stands right; kept on the work area";
}

TEST(Placement, FindWindowOpensOverTheListKeptOnTheWorkArea) {
    const orvex::PlacementPoint over = orvex::PlaceFindWindow({100, 200, 700, 700}, 400, 300, kScreen);
    EXPECT_EQ(over.x, 140);
    EXPECT_EQ(over.y, 260);
    const orvex::PlacementPoint kept = orvex::PlaceFindWindow({1000, -500, 1600, 0}, 400, 300, kScreen);
    EXPECT_EQ(kept.x, 880);
    EXPECT_EQ(kept.y, 0);
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
