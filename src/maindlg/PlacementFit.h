#pragma once
// Bringing a stored window rectangle back onto the screen. Pure logic: no window system here.
//
// The stored rectangle may come from another monitor layout, another resolution, or a hand edit:
// a window restored where nobody can reach its caption is lost to its user.

#include "common/ScreenRect.h"

namespace orvex {

// The rectangle to restore on `workArea`: its size kept between the minimum and the work area,
// and moved fully onto the work area unless its caption is already reachable there.
ScreenRect FitOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea, int minWidth, int minHeight);

// A rectangle stored at `fromDpi` as large on a screen at `toDpi`: its top-left corner stays where
// it was, its width and height scale, so the window shows as much as it did.
ScreenRect RescaleStoredRect(const ScreenRect& stored, int fromDpi, int toDpi);

} // namespace orvex
