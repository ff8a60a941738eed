#include "app/BannerBitmap.h"

#include "framework/WinApp.h"
#include "res/resource.h"

fw::UniqueBitmap CreateBannerBitmap() {
    const HINSTANCE module = AfxGetResourceHandle();
    // A bitmap resource keeps the picture as it is in memory: header, colour table, pixel rows.
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(IDB_ABOUT_BANNER), RT_BITMAP);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    const DWORD size = found ? ::SizeofResource(module, found) : 0;
    if (!data || size < sizeof(BITMAPINFOHEADER))
        return {};
    // Only the stored form is accepted (8 bits a pixel, uncompressed, a full table), and only when
    // the rows are all there, so the pixels are never read past the end of the data.
    const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(data);
    const DWORD colours = header.biClrUsed ? header.biClrUsed : 256;
    if (header.biSize != sizeof(BITMAPINFOHEADER) || header.biBitCount != 8 ||
        header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight <= 0 || colours > 256)
        return {};
    const size_t pixelOffset = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    const size_t stride = (static_cast<size_t>(header.biWidth) * 8 + 31) / 32 * 4;
    if (pixelOffset > size || static_cast<size_t>(header.biHeight) > (size - pixelOffset) / stride)
        return {};
    fw::WindowDC screen(nullptr);
    if (!screen)
        return {};
    return fw::UniqueBitmap(::CreateDIBitmap(screen.get(), &header, CBM_INIT, data + pixelOffset,
                                             reinterpret_cast<const BITMAPINFO*>(data), DIB_RGB_COLORS));
}
