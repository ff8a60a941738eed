#pragma once
// The window system's rectangles as the pure placement logic takes them, and the work area of a
// monitor.

#include "common/ScreenRect.h"

#include <windows.h>

inline orvex::ScreenRect ToScreenRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline RECT ToRect(const orvex::ScreenRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The work area of `monitor`; the primary monitor's when the monitor cannot be asked.
orvex::ScreenRect WorkAreaOf(HMONITOR monitor);
// The primary monitor's work area.
orvex::ScreenRect PrimaryWorkArea();
