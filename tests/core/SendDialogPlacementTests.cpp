// The send-message dialog opens on the main window's left edge with its bottom 45 pixels above the
// main window's bottom, and never with its caption out of reach.
#include "sendmsg/DialogPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr orvex::ScreenRect kWorkArea{0, 0, 1280, 984};

TEST(SendDialogPlacement, LeftEdgesAlignedAndBottom45PixelsAboveTheMainWindows) {
    const orvex::PlacementPoint at = orvex::PlaceSendMessageDialog({200, 300, 800, 900}, 500, 320, kWorkArea);
    EXPECT_EQ(at.x, 200);
    EXPECT_EQ(at.y, 900 - 45 - 320);
}

TEST(SendDialogPlacement, StaysInsideTheWorkArea) {
    struct Case {
        orvex::ScreenRect main;
        int x, y;
    };
    const Case cases[] = {
        {{0, 0, 560, 350}, 0, 0},           // first run: the main window in the corner
        {{-300, 500, 260, 850}, 0, 485},    // hanging off the left edge
        {{1000, 500, 1560, 850}, 780, 485}, // hanging off the right edge
        {{100, 900, 660, 1250}, 100, 664},  // hanging off the bottom
    };
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

} // namespace
