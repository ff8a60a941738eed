#include "common/WindowPicture.h"

#include "framework/Handles.h"

#include <cstring>
#include <span>
#include <utility>

namespace {

// What the bitmap holds before the window draws: GDI writes zero in the fourth byte of every pixel
// it touches, so a bitmap still all of this was not drawn into at all. Wine's PrintWindow answers
// TRUE for another program's window without a pixel drawn (the device context is not valid there).
constexpr std::uint32_t kUndrawn = 0xFF000000u;
// Only a grid of pixels is set so and looked at: a window that draws itself draws its whole frame,
// and touching every pixel twice more would cost a large picture as much as drawing it does.
constexpr int kGridStep = 16;

template <class Visit> void ForGrid(std::uint32_t* pixels, int width, int height, Visit visit) {
    for (int y = 0; y < height; y += kGridStep)
        for (int x = 0; x < width; x += kGridStep)
            if (!visit(pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]))
                return;
}

// How long a window's thread may take to answer before its picture is taken from the screen.
constexpr UINT kAnswerBoundMs = 500;

// Past this a picture would take gigabytes; no real window is that large.
constexpr int kLargestSide = 32768;

BITMAPINFOHEADER TopDownHeader(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

} // namespace

std::optional<WindowPicture> CaptureWindowPicture(HWND hwnd, bool clientOnly) {
    if (!::IsWindow(hwnd))
        return std::nullopt;
    RECT area{};
    if (clientOnly) {
        if (!::GetClientRect(hwnd, &area))
            return std::nullopt;
        ::MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    } else if (!::GetWindowRect(hwnd, &area)) {
        return std::nullopt;
    }
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return std::nullopt;

    fw::WindowDC screen(nullptr);
    fw::UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader = TopDownHeader(width, height);
    void* bits = nullptr;
    fw::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits)
        return std::nullopt;
    WindowPicture picture;
    picture.width = width;
    picture.height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    ForGrid(pixels, width, height, [](std::uint32_t& pixel) { return (pixel = kUndrawn), true; });
    {
        fw::SelectedObject selected(memory.get(), bitmap.get());
        const UINT flags = PW_RENDERFULLCONTENT | (clientOnly ? PW_CLIENTONLY : 0u);
        // PrintWindow waits for the window's thread to draw: a program that has stopped answering
        // would hold Orvex too, so its window is taken from the screen instead. The system counts a
        // program as hung only after seconds; a bounded question tells one that just stopped.
        DWORD_PTR ignored = 0;
        const bool answers =
            !::IsHungAppWindow(hwnd) &&
            ::SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerBoundMs, &ignored);
        const bool printed = answers && ::PrintWindow(hwnd, memory.get(), flags) != FALSE;
        ::GdiFlush();
        bool undrawn = true;
        ForGrid(pixels, width, height,
                [&undrawn](std::uint32_t pixel) { return undrawn = pixel == kUndrawn; });
        if (!printed || undrawn) {
            picture.fromScreen = true;
            if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY))
                return std::nullopt;
        }
        ::GdiFlush();
    }
    // What GDI leaves in the fourth byte means nothing.
    for (std::uint32_t& pixel : std::span(pixels, count))
        pixel &= 0x00FFFFFFu;
    picture.pixels = std::span(pixels, count);
    picture.bitmap = std::move(bitmap);
    return picture;
}

HGLOBAL PictureAsDib(const WindowPicture& picture) {
    const BITMAPINFOHEADER header = TopDownHeader(picture.width, picture.height);
    const std::size_t pixelBytes = picture.pixels.size() * sizeof(std::uint32_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + pixelBytes);
    if (!memory)
        return nullptr;
    auto* bytes = static_cast<unsigned char*>(::GlobalLock(memory));
    if (!bytes) {
        ::GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(bytes, &header, sizeof(header));
    std::memcpy(bytes + sizeof(header), picture.pixels.data(), pixelBytes);
    ::GlobalUnlock(memory);
    return memory;
}
