#pragma once
// A rectangle of screen pixels, edges as the window system gives them, for the pure placement
// logic (the main window's stored place, where the tool windows open), which must build without
// the window system.

namespace orvex {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

} // namespace orvex
