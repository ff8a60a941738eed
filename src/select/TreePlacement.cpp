#include "select/TreePlacement.h"

namespace orvex {

WindowPlace PlaceTreeWindow(const ScreenRect& mainWindow, const ScreenRect& workArea) {
    const ScreenRect& m = mainWindow;
    int x;
    if (m.left > kTreeWindowWidth)
        x = m.left - kTreeWindowWidth;
    else if (m.right + kTreeWindowWidth < workArea.right)
        x = m.right;
    else
        x = m.left + (m.right - m.left) / 2 - kTreeWindowWidth / 2;
    return {x, m.top, kTreeWindowWidth, m.bottom - m.top};
}

} // namespace orvex
