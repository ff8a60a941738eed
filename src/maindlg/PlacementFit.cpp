#include "maindlg/PlacementFit.h"

#include "common/DpiScale.h"

#include <algorithm>
#include <cstdint>

namespace orvex {

namespace {

// A caption this tall and this wide on the work area can still be grabbed with the mouse.
constexpr std::int64_t kReachableCaptionHeight = 30;
constexpr std::int64_t kReachableCaptionWidth = 100;

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
    return high < low ? low : std::clamp(value, low, high);
}

} // namespace

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
