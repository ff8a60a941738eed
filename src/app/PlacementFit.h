#pragma once
// Bringing a stored window rectangle back onto the screen. Pure logic: no window system here.
//
// The stored rectangle may come from another monitor layout, another resolution, or a hand edit:
// a window restored where nobody can reach its caption is lost to its user.

namespace orvex {

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle to restore on `workArea`: its size kept between the minimum and the work area,
// and moved fully onto the work area unless its caption is already reachable there.
Box FitOnWorkArea(const Box& stored, const Box& workArea, int minWidth, int minHeight);

} // namespace orvex
