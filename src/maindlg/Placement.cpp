#include "maindlg/Placement.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace orvex {

namespace {

// A caption this tall and this wide on the work area can still be grabbed with the mouse.
constexpr std::int64_t kReachableCaptionHeight = 30;
constexpr std::int64_t kReachableCaptionWidth = 100;

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
    return high < low ? low : std::clamp(value, low, high);
}

// Keeps [start, start + length) inside [low, high); where it cannot fit, the start wins.
int KeepInside(int start, int length, int low, int high) {
    start = std::min(start, high - length);
    return std::max(start, low);
}

ScreenRect RectOf(const WindowPlace& place) {
    return {place.x, place.y, place.x + place.width, place.y + place.height};
}

// The area two rectangles share, in square pixels.
std::int64_t Overlap(const ScreenRect& a, const ScreenRect& b) {
    const std::int64_t width = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t height = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
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

WindowPlace PlaceToolWindow(const ScreenRect& mainWindow, const ToolWindowSize& size,
                            const ScreenRect& workArea, const std::optional<ScreenRect>& target,
                            std::span<const ScreenRect> taken) {
    const ScreenRect& m = mainWindow;
    const ScreenRect& area = workArea;
    const int areaWidth = area.right - area.left, areaHeight = area.bottom - area.top;
    const int height = std::min(size.height, areaHeight);
    const auto widthWithin = [&](int room) { return std::min(std::max(size.width, size.wantedWidth), room); };
    // Never over the main window; over the tools already open only when nothing else is left.
    const auto free = [&](const WindowPlace& place, bool avoidTaken) {
        const ScreenRect rect = RectOf(place);
        if (Overlap(rect, m) > 0)
            return false;
        return !avoidTaken || std::none_of(taken.begin(), taken.end(),
                                           [&](const ScreenRect& t) { return Overlap(rect, t) > 0; });
    };

    // Beside a window, on the side with more room first (the right one when both have as much).
    const auto beside = [&](const ScreenRect& of, int placeHeight,
                            bool avoidTaken) -> std::optional<WindowPlace> {
        const int rightRoom = area.right - of.right, leftRoom = of.left - area.left;
        const bool rightFirst = rightRoom >= leftRoom;
        for (const bool right : {rightFirst, !rightFirst}) {
            const int room = right ? rightRoom : leftRoom;
            if (room < size.width)
                continue;
            const int width = widthWithin(room);
            const WindowPlace place{right ? of.right : of.left - width,
                                    KeepInside(of.top, placeHeight, area.top, area.bottom), width,
                                    placeHeight};
            if (free(place, avoidTaken))
                return place;
        }
        return std::nullopt;
    };

    const int width = widthWithin(areaWidth);
    const int x = KeepInside(m.left, width, area.left, area.right);
    const int shortest = size.minHeight > 0 ? std::min(size.minHeight, height) : height;
    const int roomBelow = area.bottom - m.bottom, roomAbove = m.top - area.top;
    const auto search = [&](bool avoidTaken) -> std::optional<WindowPlace> {
        if (auto place = beside(m, std::min(std::max(m.bottom - m.top, height), areaHeight), avoidTaken))
            return place;
        if (target) {
            if (auto place = beside(*target, height, avoidTaken))
                return place;
        }
        if (roomBelow >= shortest) {
            const WindowPlace below{x, m.bottom, width, std::min(height, roomBelow)};
            if (free(below, avoidTaken))
                return below;
        }
        if (roomAbove >= shortest) {
            const int aboveHeight = std::min(height, roomAbove);
            const WindowPlace above{x, m.top - aboveHeight, width, aboveHeight};
            if (free(above, avoidTaken))
                return above;
        }
        return std::nullopt;
    };
    if (auto place = search(true))
        return *place;
    if (auto place = search(false))
        return *place;
    // No room anywhere: the corner where it hides least of the main window.
    const int w = std::min(size.width, areaWidth);
    const WindowPlace corners[] = {{area.right - w, area.bottom - height, w, height},
                                   {area.left, area.bottom - height, w, height},
                                   {area.right - w, area.top, w, height},
                                   {area.left, area.top, w, height}};
    return *std::min_element(std::begin(corners), std::end(corners),
                             [&](const WindowPlace& a, const WindowPlace& b) {
                                 return Overlap(RectOf(a), m) < Overlap(RectOf(b), m);
                             });
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
