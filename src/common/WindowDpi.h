#pragma once
// The DPI a window is drawn at, and what depends on it. The functions that tell it per window
// came after Windows 7, so they are looked up when first needed; where they are missing the
// whole screen has one DPI.

#include <windows.h>

namespace orvex {

// The DPI of `hwnd` (the screen's when the system cannot tell per window, or hwnd is null).
int DpiOfWindow(HWND hwnd);

// GetSystemMetrics as a window at `dpi` sees it.
int SystemMetricAtDpi(int index, int dpi);

// The bitmap resource drawn at `percent` (100, 150 or 200) of the picture whose 100% id is
// `baseId`; the 100% id itself for any picture not drawn larger.
UINT ScaledBitmapId(UINT baseId, int percent);

} // namespace orvex
