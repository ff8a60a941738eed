// What --capture costs for a window of 1,000 by 800, from taking the picture to the whole PNG file,
// beside the floor: the bare system calls that make the same file, PrintWindow into a bitmap (and,
// where the window could not draw itself, a copy of the screen under it) and the Windows Imaging
// Component's encoder writing the bitmap's pixels as they are. Once for another program's window,
// once for a window of this thread, which PrintWindow draws everywhere.
#include "BenchSupport.h"

#include "common/PngFile.h"
#include "common/WindowPicture.h"
#include "harness/TargetClient.h"

#include <objbase.h>
#include <wincodec.h>

#include <string>

namespace {

constexpr RECT kArea{100, 100, 1100, 900};

// The floor's encoder: the 32-bit pixels handed to WIC unconverted, straight into the file.
bool EncodeBare(IWICImagingFactory* factory, const void* bits, int width, int height, const wchar_t* path) {
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    const UINT stride = static_cast<UINT>(width) * 4;
    const bool written =
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path, GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) &&
        SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride, stride * static_cast<UINT>(height),
                                     static_cast<BYTE*>(const_cast<void*>(bits)))) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    for (IUnknown* object :
         {static_cast<IUnknown*>(frame), static_cast<IUnknown*>(encoder), static_cast<IUnknown*>(stream)})
        if (object)
            object->Release();
    return written;
}

// PrintWindow and, where the window drew nothing for it, the screen, then the encoder.
bool BareCapture(IWICImagingFactory* factory, HWND hwnd, bool fromScreen, const wchar_t* path) {
    RECT area{};
    ::GetWindowRect(hwnd, &area);
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::PrintWindow(hwnd, memory, PW_RENDERFULLCONTENT);
    if (fromScreen)
        ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const bool written = EncodeBare(factory, bits, width, height, path);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return written;
}

void Compare(IWICImagingFactory* factory, HWND hwnd, const std::string& which, const std::wstring& folder) {
    const std::wstring ours = folder + L"\\orvex-bench-capture.png";
    const std::wstring bare = folder + L"\\orvex-bench-capture-bare.png";
    const auto first = CaptureWindowPicture(hwnd, false);
    if (!first) {
        bench::PrintInfoRow("--capture, " + which, "no picture", "", "");
        return;
    }
    std::wstring reason;
    const bench::Figure capture = bench::Measure(30, [&] {
        if (const auto picture = CaptureWindowPicture(hwnd, false))
            WritePngFile(ours, *picture, reason);
    });
    const bench::Figure floor =
        bench::Measure(30, [&] { BareCapture(factory, hwnd, first->fromScreen, bare.c_str()); });
    bench::PrintRow("--capture 1,000x800, " + which + (first->fromScreen ? " (screen)" : " (drawn)"), capture,
                    floor, 1.5);
    ::DeleteFileW(ours.c_str());
    ::DeleteFileW(bare.c_str());
}

LRESULT CALLBACK PlainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
        std::printf("the Windows Imaging Component is not available\n");
        return 1;
    }
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring temp = folder;
    if (!temp.empty() && temp.back() == L'\\')
        temp.pop_back();

    {
        harness::TargetProcess target;
        HWND other = target.Create(harness::WindowRequest::Frame(L"Pictured", kArea));
        if (!other) {
            std::printf("the helper target did not start\n");
            return 1;
        }
        ::Sleep(300); // drawn once before the first picture
        Compare(factory, other, "other program", temp);
    }

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &PlainProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"OrvexBenchPictured";
    ::RegisterClassW(&windowClass);
    HWND own = ::CreateWindowExW(0, windowClass.lpszClassName, L"Pictured", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 kArea.left, kArea.top, kArea.right - kArea.left, kArea.bottom - kArea.top,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
    // This thread has not looked at its messages while it pictured the other program: a window
    // whose thread does not for seconds counts as hung, and is taken from the screen.
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
    ::UpdateWindow(own);
    Compare(factory, own, "own window", temp);
    ::DestroyWindow(own);
    factory->Release();
    ::CoUninitialize();
    return 0;
}
