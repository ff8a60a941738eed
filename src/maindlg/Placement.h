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
#include <span>

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

// A tool window that opens with no place of its own (Find Window, the message log): `width` and
// `height` are its own size; it widens towards `wantedWidth` where it has room, and beside the
// main window it stands level with it and as tall (never shorter than `height`).
struct ToolWindowSize {
    int width = 0;
    int height = 0;
    int wantedWidth = 0;
    // Below or above the main window it may be as short as this (0: its own height) to fit.
    int minHeight = 0;
};

// Where a new tool window opens so that it covers neither the main window, whose list it serves,
// nor the tool windows already open (`taken`): beside the main window on the side with more room,
// else beside the target's window (`target`, the listed window's top-level window), else below
// the main window, else above it. Where only the open tools leave no such room it goes over them;
// where the work area has none at all, to the corner where it covers least of the main window.
WindowPlace PlaceToolWindow(const ScreenRect& mainWindow, const ToolWindowSize& size,
                            const ScreenRect& workArea, const std::optional<ScreenRect>& target,
                            std::span<const ScreenRect> taken);

// The rectangle to restore on `workArea`: its size kept between the minimum and the work area,
// and moved fully onto the work area unless its caption is already reachable there.
ScreenRect FitOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea, int minWidth, int minHeight);

// A rectangle stored at `fromDpi` as large on a screen at `toDpi`: its top-left corner stays where
// it was, its width and height scale, so the window shows as much as it did.
ScreenRect RescaleStoredRect(const ScreenRect& stored, int fromDpi, int toDpi);

} // namespace orvex
