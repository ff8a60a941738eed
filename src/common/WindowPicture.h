#pragma once
// A window's picture as it is drawn, for --capture and the property list's "Copy Picture" and
// "Save Picture…".

#include "framework/Handles.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>

struct WindowPicture {
    int width = 0;
    int height = 0;
    std::span<std::uint32_t> pixels; // 0x00RRGGBB, rows from the top, in `bitmap`
    bool fromScreen = false;         // the screen's pixels under the window, not the window's drawing
    // The bitmap drawn into holds the pixels: a large picture is not copied once more.
    fw::UniqueBitmap bitmap;
};

// The window (or its client area) drawn by PrintWindow, with the full-content flag that newer
// systems need for windows composed by DirectX; where the window cannot draw itself so, the
// screen's pixels under it. None when the window is gone, minimized to nothing or too large.
std::optional<WindowPicture> CaptureWindowPicture(HWND hwnd, bool clientOnly);

// The picture's device-independent bitmap for the clipboard (CF_DIB); null when memory runs out.
HGLOBAL PictureAsDib(const WindowPicture& picture);
