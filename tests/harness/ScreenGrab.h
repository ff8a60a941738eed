#pragma once
// The screen's pixels in a rectangle, to compare what the program drew on the screen.

#include <windows.h>

#include <vector>

namespace harness {

class ScreenGrab {
public:
    explicit ScreenGrab(RECT area);
    // The pixel at a screen point inside the area, as 0x00RRGGBB.
    DWORD At(int x, int y) const;
    bool operator==(const ScreenGrab& other) const { return m_pixels == other.m_pixels; }

private:
    RECT m_area;
    std::vector<DWORD> m_pixels;
};

// True when every colour bit differs: the pixel was inverted.
inline bool Inverted(DWORD before, DWORD after) {
    return (before ^ after) == 0xFFFFFF;
}

} // namespace harness
