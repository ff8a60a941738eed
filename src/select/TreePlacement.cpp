#include "select/TreePlacement.h"

#include "common/DpiScale.h"

namespace orvex {

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

} // namespace orvex
