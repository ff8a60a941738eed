#pragma once
// Where Orvex's windows open: the tool windows beside the main window, and a stored rectangle
// brought back onto the screen. Pure logic: rectangles in, places out; no window system here.
// PlacementOnScreen measures the screen and applies these rules.
//
// A stored rectangle may come from another monitor layout, another resolution, or a hand edit: a
// window restored where nobody can reach its caption is lost to its user.

#include "common/DpiScale.h"
#include "common/ScreenRect.h"

#include <optional>

namespace orvex {

struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct PlacementPoint {
    int x = 0;
    int y = 0;
};

// Sizes at 96 DPI, scaled to the main window's DPI.
inline constexpr int kTreeWindowWidth = 400;
// The send-message dialog's bottom edge rests this far above the main window's bottom edge.
inline constexpr int kSendDialogBottomGap = 45;

// The smallest message log a stored rectangle brings back.
inline constexpr int kMessageLogMinWidth = 200;
inline constexpr int kMessageLogMinHeight = 120;

// The window tree: as tall as the main window and level with it; on its left when it stands more
// than the tree's width from the screen's left edge, else on its right when it ends short of the
// work area's right edge, else centred on it.
WindowPlace PlaceTreeWindow(const ScreenRect& mainWindow, const ScreenRect& workArea, int dpi = kBaseDpi);

// The top-left corner of the send-message dialog of the given size: its left edge on the main
// window's left edge, its bottom edge kSendDialogBottomGap above the main window's bottom edge.
// Where that would put part of it outside the work area (a main window near the top of the screen,
// say) it is moved just far enough to lie inside, top-left corner first, so its caption can always
// be reached.
PlacementPoint PlaceSendMessageDialog(const ScreenRect& mainWindow, int width, int height,
                                      const ScreenRect& workArea, int dpi = kBaseDpi);

// The message log opened with no stored place: beside the main window, level with it and as tall
// (never shorter than its own `height`). It goes on the side the window tree leaves free (the left
// when the tree stands right of the main window's left edge), or with no tree open on the left
// where it fits there. It widens from `width` to `widthForColumns` as far as that side has room,
// and is kept on the work area.
WindowPlace PlaceMessageLog(const ScreenRect& mainWindow, int width, int height, int widthForColumns,
                            const ScreenRect& workArea, const std::optional<ScreenRect>& tree);

// Find Window of the given size: below the main window's caption, over its property list, kept on
// the work area.
PlacementPoint PlaceFindWindow(const ScreenRect& mainWindow, int width, int height,
                               const ScreenRect& workArea);

// The rectangle to restore on `workArea`: its size kept between the minimum and the work area,
// and moved fully onto the work area unless its caption is already reachable there.
ScreenRect FitOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea, int minWidth, int minHeight);

// A rectangle stored at `fromDpi` as large on a screen at `toDpi`: its top-left corner stays where
// it was, its width and height scale, so the window shows as much as it did.
ScreenRect RescaleStoredRect(const ScreenRect& stored, int fromDpi, int toDpi);

} // namespace orvex
