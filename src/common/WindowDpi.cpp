#include "common/WindowDpi.h"

#include "common/DpiScale.h"
#include "res/resource.h"

namespace {

template <typename Function> Function UserFunction(const char* name) {
    // user32 is loaded for as long as the program runs, so the address stays good.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                  : nullptr;
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : orvex::kBaseDpi;
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : orvex::kBaseDpi;
}

} // namespace

namespace orvex {

int DpiOfWindow(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
    if (hwnd && getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(hwnd))
            return static_cast<int>(dpi);
    return ScreenDpi();
}

int SystemMetricAtDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = UserFunction<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpi));
    return RescaleDpi(::GetSystemMetrics(index), ScreenDpi(), dpi);
}

UINT ScaledBitmapId(UINT baseId, int percent) {
    struct Sizes {
        UINT base, at150, at200;
    };
    static constexpr Sizes kScaled[] = {
        {IDB_VIEW_TOOLBAR, IDB_VIEW_TOOLBAR_150, IDB_VIEW_TOOLBAR_200},
        {IDB_WINDOW_TOOLBAR, IDB_WINDOW_TOOLBAR_150, IDB_WINDOW_TOOLBAR_200},
        {IDB_PROPERTY_MARKER, IDB_PROPERTY_MARKER_150, IDB_PROPERTY_MARKER_200},
        {IDB_TREE_IMAGES, IDB_TREE_IMAGES_150, IDB_TREE_IMAGES_200},
        {IDB_TREE_TOOLBAR, IDB_TREE_TOOLBAR_150, IDB_TREE_TOOLBAR_200},
    };
    for (const Sizes& sizes : kScaled)
        if (sizes.base == baseId)
            return percent >= 200 ? sizes.at200 : percent >= 150 ? sizes.at150 : sizes.base;
    return baseId;
}

} // namespace orvex
