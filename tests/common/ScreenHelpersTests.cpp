// The window under a point and the frame on the screen, on real windows of another process.
#include "common/ScreenHelpers.h"
#include "harness/ScreenGrab.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using harness::CenterOf;

class ScreenHelpersTest : public ::testing::Test {
protected:
    HWND Frame(RECT rect, const wchar_t* text = L"frame") {
        harness::WindowRequest window;
        window.text = text;
        window.style = WS_POPUP | WS_VISIBLE;
        window.exStyle = WS_EX_TOPMOST;
        window.rect = rect;
        return target.Create(window);
    }
    HWND Child(HWND parent, const wchar_t* className, DWORD style, RECT rect, UINT id = 1) {
        harness::WindowRequest window;
        window.className = className;
        window.text = L"child";
        window.style = WS_CHILD | style;
        window.parent = parent;
        window.rect = rect;
        window.id = id;
        return target.Create(window);
    }
    harness::TargetProcess target;
};

TEST_F(ScreenHelpersTest, FindsDisabledAndTransparentControlsThatThePlainHitTestPassesOver) {
    HWND frame = Frame({200, 200, 500, 400});
    HWND disabled = Child(frame, L"Button", WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, {10, 10, 110, 40}, 1);
    HWND label = Child(frame, L"Static", WS_VISIBLE, {10, 60, 110, 90}, 2);
    ASSERT_TRUE(frame && disabled && label);
    POINT point = CenterOf(disabled);
    EXPECT_EQ(::WindowFromPoint(point), frame) << "the system's own hit test passes over a disabled control";
    EXPECT_EQ(DeepWindowFromPoint(point.x, point.y), disabled);
    // A label answers "transparent" to hit testing where the system asks it; found all the same.
    point = CenterOf(label);
    EXPECT_EQ(DeepWindowFromPoint(point.x, point.y), label);
}

TEST_F(ScreenHelpersTest, NeverFindsHiddenControlsNorControlsInsideAHiddenPanel) {
    HWND frame = Frame({200, 200, 500, 400});
    HWND hidden = Child(frame, L"Button", BS_PUSHBUTTON, {10, 10, 110, 40}, 1);
    HWND panel = Child(frame, L"OrvexTargetWindow", 0, {10, 60, 210, 160}, 2);
    HWND inPanel = Child(panel, L"Button", WS_VISIBLE | BS_PUSHBUTTON, {10, 10, 110, 40}, 3);
    ASSERT_TRUE(frame && hidden && panel && inPanel);
    POINT point = CenterOf(hidden);
    EXPECT_EQ(DeepWindowFromPoint(point.x, point.y), frame);
    point = CenterOf(inPanel);
    EXPECT_EQ(DeepWindowFromPoint(point.x, point.y), frame);
}

TEST_F(ScreenHelpersTest, NestedWindowsGiveTheInnermostAndOverlappingSiblingsTheLowerOne) {
    HWND frame = Frame({200, 200, 600, 500});
    HWND outer = Child(frame, L"OrvexTargetWindow", WS_VISIBLE, {10, 10, 310, 210}, 1);
    HWND middle = Child(outer, L"OrvexTargetWindow", WS_VISIBLE, {10, 10, 210, 160}, 2);
    HWND inner = Child(middle, L"Static", WS_VISIBLE, {10, 10, 110, 60}, 3);
    ASSERT_TRUE(frame && outer && middle && inner);
    POINT point = CenterOf(inner);
    EXPECT_EQ(DeepWindowFromPoint(point.x, point.y), inner);

    // Two overlapping siblings: the one created second is lower in the Z-order and is collected last.
    HWND first = Child(frame, L"Static", WS_VISIBLE, {320, 10, 380, 70}, 4);
    HWND second = Child(frame, L"Static", WS_VISIBLE, {340, 30, 390, 90}, 5);
    ASSERT_TRUE(first && second);
    RECT firstRect{}, secondRect{};
    ::GetWindowRect(first, &firstRect);
    ::GetWindowRect(second, &secondRect);
    const int x = (secondRect.left + firstRect.right) / 2, y = (secondRect.top + firstRect.bottom) / 2;
    EXPECT_EQ(DeepWindowFromPoint(x, y), second);
}

using harness::Inverted;
using harness::ScreenGrab;

TEST_F(ScreenHelpersTest, FrameInvertsExactlyAThreePixelBandAndASecondCallRestoresTheScreen) {
    HWND frame = Frame({300, 300, 500, 420});
    ASSERT_NE(frame, nullptr);
    harness::WaitUntil([] { return false; }, 200); // let it paint
    const RECT area{290, 290, 510, 430};
    ScreenGrab before(area);
    InvertWindowFrame(frame);
    ScreenGrab framed(area);
    for (int d = 0; d < 3; ++d) {
        EXPECT_TRUE(Inverted(before.At(300 + d, 360), framed.At(300 + d, 360))) << "left band, column " << d;
        EXPECT_TRUE(Inverted(before.At(499 - d, 360), framed.At(499 - d, 360))) << "right band, column " << d;
        EXPECT_TRUE(Inverted(before.At(400, 300 + d), framed.At(400, 300 + d))) << "top band, row " << d;
        EXPECT_TRUE(Inverted(before.At(400, 419 - d), framed.At(400, 419 - d))) << "bottom band, row " << d;
    }
    EXPECT_EQ(before.At(303, 360), framed.At(303, 360)) << "the band is three pixels wide";
    EXPECT_EQ(before.At(299, 360), framed.At(299, 360)) << "nothing outside the window";
    EXPECT_EQ(before.At(400, 360), framed.At(400, 360));
    InvertWindowFrame(frame);
    EXPECT_TRUE(ScreenGrab(area) == before);
}

TEST_F(ScreenHelpersTest, FrameIsClampedToTheScreenOriginAndTheMonitorEdge) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    HWND leftTop = Frame({-50, -40, 150, 100});
    HWND rightBottom = Frame({width - 150, height - 100, width + 60, height + 70});
    ASSERT_TRUE(leftTop && rightBottom);
    harness::WaitUntil([] { return false; }, 200);

    const RECT corner{0, 0, 160, 110};
    ScreenGrab before(corner);
    InvertWindowFrame(leftTop);
    ScreenGrab framed(corner);
    EXPECT_TRUE(Inverted(before.At(0, 50), framed.At(0, 50))) << "the frame starts at x = 0";
    EXPECT_TRUE(Inverted(before.At(80, 0), framed.At(80, 0))) << "the frame starts at y = 0";
    EXPECT_EQ(before.At(3, 50), framed.At(3, 50));
    InvertWindowFrame(leftTop);

    const RECT farCorner{width - 160, height - 110, width, height};
    ScreenGrab beforeFar(farCorner);
    InvertWindowFrame(rightBottom);
    ScreenGrab framedFar(farCorner);
    EXPECT_TRUE(Inverted(beforeFar.At(width - 1, height - 50), framedFar.At(width - 1, height - 50)))
        << "the frame ends at the monitor's right edge";
    EXPECT_TRUE(Inverted(beforeFar.At(width - 80, height - 1), framedFar.At(width - 80, height - 1)))
        << "the frame ends at the monitor's bottom edge";
    InvertWindowFrame(rightBottom);
    EXPECT_TRUE(ScreenGrab(farCorner) == beforeFar);
}

TEST_F(ScreenHelpersTest, FrameFollowsTheWindowsOwnRegion) {
    HWND frame = Frame({300, 300, 500, 500});
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(target.SetEllipticRegion(frame, {0, 0, 200, 200}));
    harness::WaitUntil([] { return false; }, 200);
    const RECT area{300, 300, 500, 500};
    ScreenGrab before(area);
    InvertWindowFrame(frame);
    ScreenGrab framed(area);
    EXPECT_EQ(before.At(301, 301), framed.At(301, 301)) << "the corner lies outside the region";
    EXPECT_TRUE(Inverted(before.At(400, 300), framed.At(400, 300))) << "the top of the ellipse";
    EXPECT_TRUE(Inverted(before.At(301, 400), framed.At(301, 400))) << "the left of the ellipse";
    InvertWindowFrame(frame);
    EXPECT_TRUE(ScreenGrab(area) == before);
}

} // namespace
