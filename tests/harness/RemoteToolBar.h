#pragma once
// Reads a toolbar that belongs to another process through a buffer allocated there.

#include <windows.h>

#include <optional>
#include <string>

namespace harness {

struct ToolBarButton {
    int command = 0;
    int image = 0;
    BYTE state = 0;
    BYTE style = 0;
    std::wstring text; // the button's own label
};

// The button at `index` (by position, not by command), or nothing when the request fails.
std::optional<ToolBarButton> ReadToolBarButton(HWND toolBar, int index);

// The rectangle of the button at `index` in screen coordinates, or nothing.
std::optional<RECT> ToolBarButtonScreenRect(HWND toolBar, int index);

} // namespace harness
