#include "app/CentreOnOwner.h"

#include "common/ScreenGeometry.h"

#include <algorithm>

void CentreOnOwner(HWND dialog) {
    RECT rect{};
    if (!::GetWindowRect(dialog, &rect))
        return;
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    const orvex::ScreenRect work =
        WorkAreaOf(::MonitorFromWindow(owner ? owner : dialog, MONITOR_DEFAULTTONEAREST));
    // A minimised or hidden owner gives no useful middle: the work area's is taken instead.
    RECT around = ToRect(work);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &around);

    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = around.left + (around.right - around.left - width) / 2;
    int y = around.top + (around.bottom - around.top - height) / 2;
    // Whole on the work area; a dialog larger than it keeps its top left corner (the caption) on it.
    x = std::max(std::min(x, work.right - width), work.left);
    y = std::max(std::min(y, work.bottom - height), work.top);
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
