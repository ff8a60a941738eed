#include "common/ScreenHelpers.h"

#include "common/DpiScale.h"
#include "common/WindowDpi.h"
#include "framework/Handles.h"

#include <new>
#include <vector>

namespace {

BOOL CALLBACK CollectVisible(HWND hwnd, LPARAM param) {
    auto* windows = reinterpret_cast<std::vector<HWND>*>(param);
    if (::IsWindowVisible(hwnd)) {
        try {
            windows->push_back(hwnd);
        } catch (const std::bad_alloc&) {
            windows->clear();
            return FALSE; // a partial list could name the wrong window: give up on it
        }
    }
    return TRUE;
}

} // namespace

HWND DeepWindowFromPoint(int x, int y) {
    const POINT point{x, y};
    HWND hit = ::WindowFromPoint(point);
    if (!hit)
        return nullptr;
    HWND root = (::GetWindowLongW(hit, GWL_STYLE) & WS_CHILD) ? ::GetParent(hit) : hit;

    std::vector<HWND> windows;
    try {
        windows.reserve(32);
    } catch (const std::bad_alloc&) {
        return hit;
    }
    // Each window is followed by its own descendants, siblings from the top of the Z-order down, so
    // the last one containing the point is the innermost, lowest candidate.
    if (!::EnumChildWindows(root, &CollectVisible, reinterpret_cast<LPARAM>(&windows)) && windows.empty())
        return hit;
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        RECT rect{};
        if (::GetWindowRect(*it, &rect) && ::PtInRect(&rect, point))
            return *it;
    }
    return hit;
}

void InvertWindowFrame(HWND hwnd) {
    if (!::IsWindow(hwnd))
        return;
    RECT window{};
    ::GetWindowRect(hwnd, &window);
    RECT frame = window;
    if (frame.left < 0)
        frame.left = 0;
    if (frame.top < 0)
        frame.top = 0;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    HMONITOR onMonitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY);
    // The band is 3 pixels at 100% and as wide to the eye on a monitor of any scaling.
    const int band = orvex::ScaleForDpi(3, DpiOfMonitor(onMonitor));
    if (::GetMonitorInfoW(onMonitor, &monitor)) {
        if (frame.right > monitor.rcMonitor.right)
            frame.right = monitor.rcMonitor.right;
        if (frame.bottom > monitor.rcMonitor.bottom)
            frame.bottom = monitor.rcMonitor.bottom;
    }

    fw::WindowDC screen(nullptr, fw::WindowDC::Area::Window);
    if (!screen)
        return;
    HDC dc = screen.get();
    const int previousMix = ::SetROP2(dc, R2_XORPEN);
    fw::UniquePen pen(::CreatePen(PS_INSIDEFRAME, band, RGB(255, 255, 255)));
    {
        fw::SelectedObject selectedPen(dc, pen.get());
        fw::SelectedObject selectedBrush(dc, ::GetStockObject(NULL_BRUSH));
        fw::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
        const int shape = region ? ::GetWindowRgn(hwnd, region.get()) : ERROR;
        if (shape == SIMPLEREGION || shape == COMPLEXREGION) {
            // The region is relative to the window's own corner.
            ::OffsetRgn(region.get(), window.left, window.top);
            ::FrameRgn(dc, region.get(), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)), band, band);
        } else {
            ::Rectangle(dc, frame.left, frame.top, frame.right, frame.bottom);
        }
    }
    ::SetROP2(dc, previousMix);
}

void PauseShowingTheScreen(DWORD milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64())
        ::MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT, 0);
}
