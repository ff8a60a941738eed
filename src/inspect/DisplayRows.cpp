#include "inspect/DisplayRows.h"

#include "common/ScreenGeometry.h"
#include "framework/Handles.h"
#include "inspect/MoreRowsText.h"
#include "inspect/RectFormat.h"

#include <cstdint>
#include <string>

namespace {

// The DPI functions came with Windows 10 (1607). Orvex still starts on Windows 7, so they are
// looked up when first needed, and their rows read "<n/a>" where they are missing.
struct DpiFunctions {
    UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
    DPI_AWARENESS_CONTEXT(WINAPI* windowContext)(HWND) = nullptr;
    DPI_AWARENESS(WINAPI* awarenessOf)(DPI_AWARENESS_CONTEXT) = nullptr;
    BOOL(WINAPI* contextsEqual)(DPI_AWARENESS_CONTEXT, DPI_AWARENESS_CONTEXT) = nullptr;
};

template <class Function> void LookUp(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

const DpiFunctions& Dpi() {
    static const DpiFunctions functions = [] {
        DpiFunctions found;
        const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
        LookUp(user32, "GetDpiForWindow", found.dpiForWindow);
        LookUp(user32, "GetWindowDpiAwarenessContext", found.windowContext);
        LookUp(user32, "GetAwarenessFromDpiAwarenessContext", found.awarenessOf);
        LookUp(user32, "AreDpiAwarenessContextsEqual", found.contextsEqual);
        return found;
    }();
    return functions;
}

void AddDpiRow(PropertySink& sink, HWND hwnd) {
    const UINT dpi = Dpi().dpiForWindow ? Dpi().dpiForWindow(hwnd) : 0;
    if (dpi != 0)
        sink.AddProperty(GROUP_DISPLAY, L"DPI", std::to_wstring(dpi), KIND_NUMBER);
    else
        sink.AddProperty(GROUP_DISPLAY, L"DPI", kNotAvailable, KIND_TEXT);
}

// Per monitor v2 and GDI-scaled unaware share their DPI_AWARENESS number with another context:
// only a comparison of the contexts tells them apart.
orvex::DpiContextFlavour FlavourOf(DPI_AWARENESS_CONTEXT context) {
    const auto equal = Dpi().contextsEqual;
    if (equal && equal(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
        return orvex::DpiContextFlavour::PerMonitorV2;
    if (equal && equal(context, DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED))
        return orvex::DpiContextFlavour::UnawareGdiScaled;
    return orvex::DpiContextFlavour::Plain;
}

void AddDpiAwarenessRow(PropertySink& sink, HWND hwnd) {
    const DpiFunctions& dpi = Dpi();
    const DPI_AWARENESS_CONTEXT context = dpi.windowContext ? dpi.windowContext(hwnd) : nullptr;
    if (!context || !dpi.awarenessOf) {
        sink.AddProperty(GROUP_DISPLAY, L"DPI Awareness", kNotAvailable, KIND_TEXT);
        return;
    }
    sink.AddProperty(GROUP_DISPLAY, L"DPI Awareness",
                     orvex::DpiAwarenessName(static_cast<int>(dpi.awarenessOf(context)), FlavourOf(context)),
                     KIND_CONSTANT);
}

void AddMonitorRow(PropertySink& sink, HWND hwnd) {
    const HMONITOR monitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!monitor || !::GetMonitorInfoW(monitor, &info)) {
        sink.AddProperty(GROUP_DISPLAY, L"Monitor", kNotAvailable, KIND_TEXT);
        return;
    }
    sink.AddProperty(GROUP_DISPLAY, L"Monitor",
                     orvex::FormatMonitor(reinterpret_cast<std::uintptr_t>(monitor),
                                          ToScreenRect(info.rcMonitor),
                                          (info.dwFlags & MONITORINFOF_PRIMARY) != 0),
                     KIND_TEXT);
}

void AddPlacementRows(PropertySink& sink, HWND hwnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(hwnd, &placement)) {
        sink.AddProperty(GROUP_DISPLAY, L"Show State", kNotAvailable, KIND_TEXT);
        sink.AddProperty(GROUP_DISPLAY, L"Normal Position", kNotAvailable, KIND_TEXT);
        return;
    }
    sink.AddProperty(GROUP_DISPLAY, L"Show State", orvex::ShowCommandName(placement.showCmd), KIND_CONSTANT);
    // In workspace coordinates for a top-level window, as the placement gives it.
    const RECT& normal = placement.rcNormalPosition;
    sink.AddProperty(GROUP_DISPLAY, L"Normal Position",
                     orvex::FormatRectWithSize(normal.left, normal.top, normal.right, normal.bottom),
                     KIND_TEXT);
}

void AddLayeredRow(PropertySink& sink, HWND hwnd) {
    if ((::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
        sink.AddProperty(GROUP_DISPLAY, L"Layered", L"not layered", KIND_TEXT);
        return;
    }
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    // Fails for a window drawn with UpdateLayeredWindow, which has no such attributes.
    if (!::GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) {
        sink.AddProperty(GROUP_DISPLAY, L"Layered", kNotAvailable, KIND_TEXT);
        return;
    }
    sink.AddProperty(
        GROUP_DISPLAY, L"Layered",
        orvex::FormatLayeredAttributes((flags & LWA_COLORKEY) != 0, key, (flags & LWA_ALPHA) != 0, alpha),
        KIND_TEXT);
}

void AddRegionRow(PropertySink& sink, HWND hwnd) {
    const fw::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
    if (!region) {
        sink.AddProperty(GROUP_DISPLAY, L"Region", kNotAvailable, KIND_TEXT);
        return;
    }
    // ERROR also stands for a window without a region, the usual case.
    const int kind = ::GetWindowRgn(hwnd, region.get());
    RECT box{};
    if (kind == ERROR || ::GetRgnBox(region.get(), &box) == ERROR) {
        sink.AddProperty(GROUP_DISPLAY, L"Region", L"None", KIND_TEXT);
        return;
    }
    const orvex::RegionKind shown = kind == NULLREGION     ? orvex::RegionKind::Empty
                                    : kind == SIMPLEREGION ? orvex::RegionKind::Simple
                                                           : orvex::RegionKind::Complex;
    sink.AddProperty(GROUP_DISPLAY, L"Region", orvex::FormatRegion(shown, ToScreenRect(box)), KIND_TEXT);
}

} // namespace

void AddDisplayRows(PropertySink& sink, HWND hwnd) {
    AddDpiRow(sink, hwnd);
    AddDpiAwarenessRow(sink, hwnd);
    AddMonitorRow(sink, hwnd);
    AddPlacementRows(sink, hwnd);
    AddLayeredRow(sink, hwnd);
    AddRegionRow(sink, hwnd);
}
