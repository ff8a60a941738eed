#include "maindlg/PlacementOnScreen.h"

#include "common/ScreenGeometry.h"
#include "maindlg/Placement.h"

#include <vector>

namespace {

orvex::ScreenRect WindowRectOf(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return ToScreenRect(rect);
}

orvex::ScreenRect WorkAreaNearest(HWND hwnd) {
    return WorkAreaOf(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
}

SIZE SizeOf(const orvex::ScreenRect& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

void ShowTreeWindowBeside(HWND tree, HWND mainWindow, int dpi) {
    // The rule measures the primary monitor's work area.
    const orvex::WindowPlace place = orvex::PlaceTreeWindow(WindowRectOf(mainWindow), PrimaryWorkArea(), dpi);
    ::SetWindowPos(tree, nullptr, place.x, place.y, place.width, place.height, SWP_SHOWWINDOW);
}

void ShowSendMessageDialogOver(HWND dialog, HWND mainWindow, int dpi) {
    const SIZE own = SizeOf(WindowRectOf(dialog));
    const orvex::PlacementPoint at = orvex::PlaceSendMessageDialog(WindowRectOf(mainWindow), own.cx, own.cy,
                                                                   WorkAreaNearest(mainWindow), dpi);
    ::SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void ShowToolWindowBeside(HWND tool, HWND mainWindow, HWND target, std::initializer_list<HWND> others,
                          int wantedWidth, const std::optional<RECT>& last, int minHeight) {
    orvex::ScreenRect place;
    if (last) {
        place = orvex::FitOnWorkArea(ToScreenRect(*last),
                                     WorkAreaOf(::MonitorFromRect(&*last, MONITOR_DEFAULTTONEAREST)),
                                     orvex::kMessageLogMinWidth, orvex::kMessageLogMinHeight);
    } else {
        const SIZE own = SizeOf(WindowRectOf(tool));
        std::vector<orvex::ScreenRect> taken;
        for (HWND other : others)
            if (other && other != tool && ::IsWindowVisible(other))
                taken.push_back(WindowRectOf(other));
        std::optional<orvex::ScreenRect> targetRect;
        if (const HWND root = target ? ::GetAncestor(target, GA_ROOT) : nullptr;
            root && ::IsWindowVisible(root))
            targetRect = WindowRectOf(root);
        const orvex::WindowPlace beside = orvex::PlaceToolWindow(
            WindowRectOf(mainWindow), {own.cx, own.cy, wantedWidth, minHeight > 0 ? minHeight : own.cy / 2},
            WorkAreaNearest(mainWindow), targetRect, taken);
        place = {beside.x, beside.y, beside.x + beside.width, beside.y + beside.height};
    }
    const SIZE size = SizeOf(place);
    ::SetWindowPos(tool, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER | SWP_SHOWWINDOW);
}

RECT FitStoredOnScreen(const RECT& stored, int minWidth, int minHeight) {
    const orvex::ScreenRect primary = PrimaryWorkArea();
    RECT onScreen = stored;
    ::OffsetRect(&onScreen, primary.left, primary.top);
    const orvex::ScreenRect nearest = WorkAreaOf(::MonitorFromRect(&onScreen, MONITOR_DEFAULTTONEAREST));
    RECT result = ToRect(orvex::FitOnWorkArea(ToScreenRect(onScreen), nearest, minWidth, minHeight));
    ::OffsetRect(&result, -primary.left, -primary.top);
    return result;
}
