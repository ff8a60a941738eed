#include "harness/ScreenGrab.h"

#include "framework/Handles.h"

#include <cstring>

namespace harness {

ScreenGrab::ScreenGrab(RECT area) : m_area(area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    m_pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    fw::WindowDC screen(nullptr);
    fw::UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    fw::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
        ::GdiFlush();
    }
    std::memcpy(m_pixels.data(), bits, m_pixels.size() * sizeof(DWORD));
}

DWORD ScreenGrab::At(int x, int y) const {
    const size_t row = static_cast<size_t>(y - m_area.top), column = static_cast<size_t>(x - m_area.left);
    return m_pixels[row * static_cast<size_t>(m_area.right - m_area.left) + column] & 0xFFFFFF;
}

} // namespace harness
