// A stored placement always comes back where its user can reach it.
#include "maindlg/PlacementFit.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using orvex::FitOnWorkArea;
using orvex::ScreenRect;

constexpr ScreenRect kScreen{0, 0, 1280, 1024};

bool Same(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PlacementFit, AReachableRectangleIsKeptAsItIsEvenPartlyOffTheScreen) {
    for (const ScreenRect& box : {ScreenRect{100, 100, 600, 500}, ScreenRect{-200, 50, 400, 400},
                                  ScreenRect{1100, 900, 1600, 1300}}) {
        EXPECT_TRUE(Same(FitOnWorkArea(box, kScreen, 429, 165), box));
    }
}

TEST(PlacementFit, ARectangleOutsideEveryMonitorIsMovedOntoTheWorkAreaWithItsSize) {
    const ScreenRect distant = FitOnWorkArea({30000, -40000, 30600, -39600}, kScreen, 429, 165);
    EXPECT_TRUE(Same(distant, ScreenRect{680, 0, 1280, 400}));
    const ScreenRect aboveCaption = FitOnWorkArea({100, -20, 600, 400}, kScreen, 429, 165);
    EXPECT_EQ(aboveCaption.top, 0) << "a caption above the screen cannot be grabbed";
    EXPECT_EQ(aboveCaption.left, 100);
}

TEST(PlacementFit, SizesAreKeptBetweenTheMinimumAndTheWorkArea) {
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
