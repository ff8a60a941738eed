// Where the window tree opens beside the main window.
#include "select/TreePlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr orvex::ScreenRect kWorkArea{0, 0, 1920, 1040};

TEST(TreePlacement, GoesLeftWhenTheMainWindowStandsFarEnoughFromTheLeftEdge) {
    const orvex::WindowPlace place = orvex::PlaceTreeWindow({500, 120, 1100, 620}, kWorkArea);
    EXPECT_EQ(place.x, 100);
    EXPECT_EQ(place.y, 120);
    EXPECT_EQ(place.width, 400);
    EXPECT_EQ(place.height, 500);
    EXPECT_EQ(orvex::PlaceTreeWindow({401, 0, 900, 10}, kWorkArea).x, 1);
}

TEST(TreePlacement, GoesRightWhenItFitsThere) {
    EXPECT_EQ(orvex::PlaceTreeWindow({100, 50, 700, 450}, kWorkArea).x, 700);
    EXPECT_EQ(orvex::PlaceTreeWindow({400, 50, 1519, 450}, kWorkArea).x, 1519) << "400 is not more than 400";
}

TEST(TreePlacement, IsCentredOnTheMainWindowWhenNeitherSideHasRoom) {
    EXPECT_EQ(orvex::PlaceTreeWindow({100, 50, 1700, 450}, kWorkArea).x, 700);
    EXPECT_EQ(orvex::PlaceTreeWindow({100, 50, 1520, 450}, kWorkArea).x, 610) << "1520 + 400 is not less";
    // An odd width: the half is rounded down.
    EXPECT_EQ(orvex::PlaceTreeWindow({-301, 0, 1700, 10}, kWorkArea).x, -301 + 1000 - 200);
    EXPECT_EQ(orvex::PlaceTreeWindow({-300, 0, 1699, 10}, kWorkArea).x, -300 + 999 - 200);
}

TEST(TreePlacement, MeasuresTheRoomOnTheRightToTheWorkAreasRightEdge) {
    // A task bar on the left: 1400 + 400 ends short of the right edge, though not of the width.
    const orvex::ScreenRect shifted{200, 0, 1920, 1040};
    EXPECT_EQ(orvex::PlaceTreeWindow({100, 0, 1400, 10}, shifted).x, 1400);
    EXPECT_EQ(orvex::PlaceTreeWindow({100, 0, 1400, 10}, kWorkArea).x, 1400);
    // A work area left of the primary screen ends at 0: the tree would cross into the next one.
    const orvex::ScreenRect leftScreen{-1920, 0, 0, 1040};
    EXPECT_EQ(orvex::PlaceTreeWindow({-1800, 0, -200, 10}, leftScreen).x, -1800 + 800 - 200);
}

} // namespace
