#pragma once
// Where the window tree opens beside the main window. Pure logic: no window system here.

#include "common/DpiScale.h"
#include "common/ScreenRect.h"

namespace orvex {

struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kTreeWindowWidth = 400;

// As tall as the main window and level with it: on its left when it stands more than the tree's
// width from the screen's left edge, else on its right when it ends short of the work area's right
// edge, else centred on it.
// Widths are given at 96 DPI and scaled to the main window's `dpi`.
WindowPlace PlaceTreeWindow(const ScreenRect& mainWindow, const ScreenRect& workArea, int dpi = kBaseDpi);

} // namespace orvex
