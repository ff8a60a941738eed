#include "common/WindowDpi.h"

#include "common/DpiScale.h"
#include "framework/Controls.h"
#include "res/resource.h"

#include <utility>

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

int DpiOfWindow(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
    if (hwnd && getDpiForWindow)
        if (const UINT dpi = getDpiForWindow(hwnd))
            return static_cast<int>(dpi);
    return ScreenDpi();
}

int DpiOfMonitor(HMONITOR monitor) {
    // shcore is loaded once, from the system folder only, and stays for the program's life.
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = []() -> GetDpiForMonitorFn {
        HMODULE shcore = ::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                            reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    constexpr int kEffectiveDpi = 0;
    UINT dpiX = 0, dpiY = 0;
    if (monitor && getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &dpiX, &dpiY)) &&
        dpiY)
        return static_cast<int>(dpiY);
    return ScreenDpi();
}

int SystemMetricAtDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = UserFunction<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi)
        return forDpi(index, static_cast<UINT>(dpi));
    return orvex::RescaleDpi(::GetSystemMetrics(index), ScreenDpi(), dpi);
}

void RescaleFont(fw::UniqueFont& held, std::initializer_list<HWND> windows, int fromDpi, int toDpi) {
    LOGFONTW facts{};
    const HFONT current = windows.size()
                              ? reinterpret_cast<HFONT>(::SendMessageW(*windows.begin(), WM_GETFONT, 0, 0))
                              : nullptr;
    if (!current || !::GetObjectW(current, sizeof(facts), &facts))
        return;
    facts.lfHeight = orvex::RescaleDpi(facts.lfHeight, fromDpi, toDpi);
    facts.lfWidth = orvex::RescaleDpi(facts.lfWidth, fromDpi, toDpi);
    fw::UniqueFont font(::CreateFontIndirectW(&facts));
    if (!font)
        return;
    for (HWND window : windows)
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    held = std::move(font); // the old font goes here, when nothing holds it any more
}

void MoveToSuggestedRect(HWND hwnd, const RECT& suggested) {
    ::SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    ::SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
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

fw::UniqueImageList LoadPicturesForDpi(UINT baseId, int basePixels, int dpi, COLORREF mask) {
    // A set that cannot be loaded gives way to the next smaller one: small pictures beat none.
    for (int percent = orvex::PickArtPercent(basePixels, dpi); percent >= 100; percent -= 50) {
        const int side = basePixels * percent / 100;
        CBitmap pictures;
        BITMAP facts{};
        if (!pictures.LoadDib(ScaledBitmapId(baseId, percent)) ||
            !::GetObjectW(pictures, sizeof(facts), &facts) || facts.bmHeight != side)
            continue;
        const bool alpha = mask == CLR_NONE;
        fw::UniqueImageList list(::ImageList_Create(side, side, alpha ? ILC_COLOR32 : ILC_COLOR24 | ILC_MASK,
                                                    facts.bmWidth / side, 0));
        if (list && (alpha ? ::ImageList_Add(list.get(), pictures, nullptr)
                           : ::ImageList_AddMasked(list.get(), pictures, mask)) >= 0)
            return list;
    }
    return {};
}
