#pragma once
// Where the send-message dialog opens. Pure logic: rectangles in, a position out.

#include "common/DpiScale.h"
#include "common/ScreenRect.h"

namespace orvex {

struct PlacementPoint {
    int x = 0;
    int y = 0;
};

// The dialog's bottom edge rests this far above the main window's bottom edge (at 96 DPI; scaled
// to the main window's DPI).
inline constexpr int kSendDialogBottomGap = 45;

// The top-left corner for a dialog of the given size: its left edge on the main window's left
// edge, its bottom edge kSendDialogBottomGap pixels above the main window's bottom edge. Where that
// would put part of it outside the work area (a main window near the top of the screen, say) it is
// moved just far enough to lie inside, top-left corner first, so its caption can always be reached.
PlacementPoint PlaceSendMessageDialog(const ScreenRect& mainWindow, int width, int height,
                                      const ScreenRect& workArea, int dpi = kBaseDpi);

} // namespace orvex
