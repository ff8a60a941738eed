#include "sendmsg/DialogPlacement.h"

#include <algorithm>

namespace orvex {

namespace {

// Keeps [start, start + length) inside [low, high); where it cannot fit, the start wins.
int KeepInside(int start, int length, int low, int high) {
    start = std::min(start, high - length);
    return std::max(start, low);
}

} // namespace

PlacementPoint PlaceSendMessageDialog(const ScreenRect& mainWindow, int width, int height,
                                      const ScreenRect& workArea, int dpi) {
    // 64-bit intermediate: rectangles far off the screen must not overflow.
    const long long wantedTop =
        static_cast<long long>(mainWindow.bottom) - ScaleForDpi(kSendDialogBottomGap, dpi) - height;
    const int top = static_cast<int>(std::clamp<long long>(wantedTop, -0x40000000LL, 0x40000000LL));
    return {KeepInside(mainWindow.left, width, workArea.left, workArea.right),
            KeepInside(top, height, workArea.top, workArea.bottom)};
}

} // namespace orvex
