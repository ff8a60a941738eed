// Rectangles are written with signed corners and a size taken from the same four numbers.
#include "inspect/RectFormat.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(RectFormat, SignedCornersAndSizeThatNeverOverflows) {
    EXPECT_EQ(orvex::FormatRectWithSize(-20, -10, 280, 190), L"(-20, -10) - (280, 190) 300x200");
    EXPECT_EQ(orvex::FormatRectCorners(-5, 7, -1, 9), L"(-5, 7) - (-1, 9)");
    EXPECT_EQ(orvex::FormatRectWithSize(INT_MIN, 0, INT_MAX, 1),
              L"(-2147483648, 0) - (2147483647, 1) 4294967295x1");
}

} // namespace
