// Sizes at the scalings Windows offers, and the picture set each one shows.
#include "common/DpiScale.h"
#include "maindlg/Placement.h"

#include <gtest/gtest.h>

namespace {

TEST(DpiScale, SizesAndOffsetsFollowTheScalingAndStayAsTheyAreAt96) {
    struct Case {
        int dpi, picture, marker, minWidth, minHeight, tree, gap, band;
    };
    const Case cases[] = {
        {96, 32, 16, 429, 165, 400, 45, 3},
        {120, 40, 20, 536, 206, 500, 56, 4}, // 125%: halves round up
        {144, 48, 24, 644, 248, 600, 68, 5},
        {192, 64, 32, 858, 330, 800, 90, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        EXPECT_EQ(orvex::ScaleForDpi(32, c.dpi), c.picture);
        EXPECT_EQ(orvex::ScaleForDpi(16, c.dpi), c.marker);
        EXPECT_EQ(orvex::ScaleForDpi(429, c.dpi), c.minWidth);
        EXPECT_EQ(orvex::ScaleForDpi(165, c.dpi), c.minHeight);
        EXPECT_EQ(orvex::ScaleForDpi(400, c.dpi), c.tree);
        EXPECT_EQ(orvex::ScaleForDpi(45, c.dpi), c.gap);
        EXPECT_EQ(orvex::ScaleForDpi(3, c.dpi), c.band);
    }
    EXPECT_EQ(orvex::ScaleForDpi(-7, 144), -11) << "negative insets round like positive ones";
}

TEST(DpiScale, PicksTheSmallestPictureSetThatIsLargeEnoughAndNeverStretches) {
    EXPECT_EQ(orvex::PickArtPercent(32, 96), 100);
    EXPECT_EQ(orvex::PickArtPercent(32, 99), 150) << "a pixel short is too small";
    EXPECT_EQ(orvex::PickArtPercent(32, 120), 150);
    EXPECT_EQ(orvex::PickArtPercent(32, 144), 150);
    EXPECT_EQ(orvex::PickArtPercent(32, 168), 200);
    EXPECT_EQ(orvex::PickArtPercent(32, 192), 200);
    EXPECT_EQ(orvex::PickArtPercent(32, 288), 200) << "beyond 200% the largest set";
    EXPECT_EQ(orvex::PickArtPercent(16, 72), 100) << "below 100% the smallest";
    EXPECT_EQ(orvex::ArtPixelsForDpi(16, 120), 24);
    EXPECT_EQ(orvex::ArtPixelsForDpi(32, 192), 64);
}

TEST(DpiScale, StoredRectanglesKeepTheirCornerAndScaleTheirSize) {
    EXPECT_EQ(orvex::RescaleDpi(600, 96, 144), 900);
    EXPECT_EQ(orvex::RescaleDpi(900, 144, 96), 600);
    EXPECT_EQ(orvex::RescaleDpi(600, 0, 144), 600) << "an unknown DPI leaves the size";
    const orvex::ScreenRect rect = orvex::RescaleStoredRect({-100, 50, 500, 450}, 96, 192);
    EXPECT_EQ(rect.left, -100);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right, 1100);
    EXPECT_EQ(rect.bottom, 850);
}

TEST(DpiScale, ToolWindowsOpenAtDistancesScaledToTheMainWindow) {
    const orvex::ScreenRect work{0, 0, 3840, 2080};
    const orvex::WindowPlace tree = orvex::PlaceTreeWindow({1000, 100, 2000, 900}, work, 192);
    EXPECT_EQ(tree.x, 200);
    EXPECT_EQ(tree.width, 800);
    EXPECT_EQ(orvex::PlaceTreeWindow({700, 0, 1700, 900}, work, 192).x, 1700) << "700 is less than 800";
    EXPECT_EQ(orvex::PlaceSendMessageDialog({100, 100, 1100, 1000}, 600, 400, work, 192).y, 1000 - 90 - 400);
}

} // namespace
