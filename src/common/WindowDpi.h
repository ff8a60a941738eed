#pragma once
// The DPI a window is drawn at, and what depends on it. The functions that tell it per window
// came after Windows 7, so they are looked up when first needed; where they are missing the
// whole screen has one DPI.

#include "framework/Handles.h"

#include <windows.h>

#include <initializer_list>

// The DPI of `hwnd` (the screen's when the system cannot tell per window, or hwnd is null).
int DpiOfWindow(HWND hwnd);

// The DPI of `monitor` (the screen's when the system cannot tell per monitor).
int DpiOfMonitor(HMONITOR monitor);

// GetSystemMetrics as a window at `dpi` sees it.
int SystemMetricAtDpi(int index, int dpi);

// Gives `windows` the font of the first of them made again at `toDpi` from `fromDpi`, so their
// texts keep their size to the eye; `held` keeps the new font and lets the old one go only once
// no window uses it. Nothing changes when the font cannot be made.
void RescaleFont(fw::UniqueFont& held, std::initializer_list<HWND> windows, int fromDpi, int toDpi);

// The end of every window's answer to a change of DPI, once its parts are made for the new one:
// moves `hwnd` to the rectangle Windows suggests and lays its parts out again with a WM_SIZE,
// sent even when the size in pixels stays the same.
void MoveToSuggestedRect(HWND hwnd, const RECT& suggested);

// The bitmap resource drawn at `percent` (100, 150 or 200) of the picture whose 100% id is
// `baseId`; the 100% id itself for any picture not drawn larger.
UINT ScaledBitmapId(UINT baseId, int percent);

// The pictures of the bitmap whose 100% id is `baseId` (drawn `basePixels` square at 100%) as
// an image list of the set `dpi` shows; `mask` is the colour that shows through, or CLR_NONE for
// pictures that carry an alpha channel. Null when the pictures cannot be loaded.
[[nodiscard]] fw::UniqueImageList LoadPicturesForDpi(UINT baseId, int basePixels, int dpi, COLORREF mask);
