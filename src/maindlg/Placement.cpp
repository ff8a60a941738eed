#include "maindlg/Placement.h"

#include <algorithm>
#include <cstdint>

namespace orvex {

namespace {

// A caption this tall and this wide on the work area can still be grabbed with the mouse.
constexpr std::int64_t kReachableCaptionHeight = 30;
constexpr std::int64_t kReachableCaptionWidth = 100;

// Find Window's offset from the main window's top-left corner: below the caption, over the list.
constexpr int kFindWindowOffsetX = 40;
constexpr int kFindWindowOffsetY = 60;

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
    return high < low ? low : std::clamp(value, low, high);
}

// Keeps [start, start + length) inside [low, high); where it cannot fit, the start wins.
int KeepInside(int start, int length, int low, int high) {
    start = std::min(start, high - length);
    return std::max(start, low);
}

} // namespace

WindowPlace PlaceTreeWindow(const ScreenRect& mainWindow, const ScreenRect& workArea, int dpi) {
    const ScreenRect& m = mainWindow;
    const int width = ScaleForDpi(kTreeWindowWidth, dpi);
    int x;
    if (m.left > width)
        x = m.left - width;
    else if (m.right + width < workArea.right)
        x = m.right;
    else
        x = m.left + (m.right - m.left) / 2 - width / 2;
    return {x, m.top, width, m.bottom - m.top};
}

PlacementPoint PlaceSendMessageDialog(const ScreenRect& mainWindow, int width, int height,
                                      const ScreenRect& workArea, int dpi) {
    // 64-bit intermediate: rectangles far off the screen must not overflow.
    const long long wantedTop =
        static_cast<long long>(mainWindow.bottom) - ScaleForDpi(kSendDialogBottomGap, dpi) - height;
    const int top = static_cast<int>(std::clamp<long long>(wantedTop, -0x40000000LL, 0x40000000LL));
    return {KeepInside(mainWindow.left, width, workArea.left, workArea.right),
            KeepInside(top, height, workArea.top, workArea.bottom)};
}

WindowPlace PlaceMessageLog(const ScreenRect& mainWindow, int width, int height, int widthForColumns,
                            const ScreenRect& workArea, const std::optional<ScreenRect>& tree) {
    const ScreenRect& m = mainWindow;
    const bool left = tree ? tree->left >= m.left : m.left - width >= workArea.left;
    const int room = left ? m.left - workArea.left : workArea.right - m.right;
    width = std::max(width, std::min(widthForColumns, room));
    const int x = std::max(workArea.left, std::min(left ? m.left - width : m.right, workArea.right - width));
    return {x, m.top, width, std::max(m.bottom - m.top, height)};
}

PlacementPoint PlaceFindWindow(const ScreenRect& mainWindow, int width, int height,
                               const ScreenRect& workArea) {
    const int left = mainWindow.left + kFindWindowOffsetX, top = mainWindow.top + kFindWindowOffsetY;
    const ScreenRect fitted = FitOnWorkArea({left, top, left + width, top + height}, workArea, width, height);
    return {fitted.left, fitted.top};
}

ScreenRect FitOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea, int minWidth, int minHeight) {
    const std::int64_t areaWidth = std::int64_t{workArea.right} - workArea.left;
    const std::int64_t areaHeight = std::int64_t{workArea.bottom} - workArea.top;
    // Sizes in 64 bits: a hand-edited rectangle may span more than an int can hold.
    const std::int64_t width = Clamp(std::int64_t{stored.right} - stored.left, minWidth,
                                     std::max<std::int64_t>(areaWidth, minWidth));
    const std::int64_t height = Clamp(std::int64_t{stored.bottom} - stored.top, minHeight,
                                      std::max<std::int64_t>(areaHeight, minHeight));
    std::int64_t left = stored.left, top = stored.top;

    const std::int64_t visibleWidth =
        std::min(left + width, std::int64_t{workArea.right}) - std::max(left, std::int64_t{workArea.left});
    const bool captionReachable = top >= workArea.top && top + kReachableCaptionHeight <= workArea.bottom &&
                                  visibleWidth >= std::min(width, kReachableCaptionWidth);
    if (!captionReachable) {
        left = Clamp(left, workArea.left, workArea.right - width);
        top = Clamp(top, workArea.top, workArea.bottom - height);
    }
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(left + width),
            static_cast<int>(top + height)};
}

ScreenRect RescaleStoredRect(const ScreenRect& stored, int fromDpi, int toDpi) {
    ScreenRect rect = stored;
    rect.right = rect.left + RescaleDpi(stored.right - stored.left, fromDpi, toDpi);
    rect.bottom = rect.top + RescaleDpi(stored.bottom - stored.top, fromDpi, toDpi);
    return rect;
}

} // namespace orvex
