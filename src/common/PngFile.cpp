#include "common/PngFile.h"

#include "common/TextFile.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstddef>
#include <span>
#include <vector>

namespace {

template <class T> class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ~ComPointer() {
        if (m_pointer)
            m_pointer->Release();
    }
    T* operator->() const { return m_pointer; }
    T* get() const { return m_pointer; }
    T** put() { return &m_pointer; }

private:
    T* m_pointer = nullptr;
};

// COM for this thread for as long as the object lives, unless the thread already has it.
class ComApartment {
public:
    ComApartment() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(m_result))
            ::CoUninitialize();
    }

private:
    HRESULT m_result;
};

// The PNG's bytes in memory: the file is then written by the one file writer.
bool EncodePng(const WindowPicture& picture, std::vector<std::byte>& png, std::wstring& reason) {
    ComApartment apartment;
    ComPointer<IWICImagingFactory> factory;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put())))) {
        reason = L"the Windows Imaging Component is not available";
        return false;
    }
    ComPointer<IStream> stream;
    ComPointer<IWICBitmapEncoder> encoder;
    ComPointer<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool encoded =
        SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.put())) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put())) &&
        SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(frame.put(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
        SUCCEEDED(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height))) &&
        SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR);
    // Three bytes a pixel: PNG readers take an opaque picture so, and GDI's fourth byte means nothing.
    // Converted a band of rows at a time, which stays in the cache, and handed on band by band.
    const UINT stride = static_cast<UINT>((picture.width * 3 + 3) & ~3);
    const int bandRows = std::max(1, 65536 / static_cast<int>(stride));
    std::vector<BYTE> band(static_cast<std::size_t>(stride) * static_cast<std::size_t>(bandRows));
    for (int top = 0; encoded && top < picture.height; top += bandRows) {
        const int rows = std::min(bandRows, picture.height - top);
        const std::uint32_t* in = picture.pixels.data() + static_cast<std::size_t>(top) * picture.width;
        for (int y = 0; y < rows; ++y) {
            BYTE* out = band.data() + static_cast<std::size_t>(y) * stride;
            for (int x = 0; x < picture.width; ++x, ++in, out += 3) {
                out[0] = static_cast<BYTE>(*in);
                out[1] = static_cast<BYTE>(*in >> 8);
                out[2] = static_cast<BYTE>(*in >> 16);
            }
        }
        encoded = SUCCEEDED(frame->WritePixels(static_cast<UINT>(rows), stride,
                                               stride * static_cast<UINT>(rows), band.data()));
    }
    encoded = encoded && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    HGLOBAL memory = nullptr;
    if (!encoded || FAILED(::GetHGlobalFromStream(stream.get(), &memory))) {
        reason = L"the Windows Imaging Component could not encode the picture as PNG";
        return false;
    }
    STATSTG status{};
    if (FAILED(stream->Stat(&status, STATFLAG_NONAME))) {
        reason = L"the encoded picture could not be read back";
        return false;
    }
    const auto* bytes = static_cast<const std::byte*>(::GlobalLock(memory));
    if (!bytes) {
        reason = L"the encoded picture could not be read back";
        return false;
    }
    png.assign(bytes, bytes + status.cbSize.QuadPart);
    ::GlobalUnlock(memory);
    return true;
}

} // namespace

bool WritePngFile(const std::wstring& path, const WindowPicture& picture, std::wstring& reason) {
    std::vector<std::byte> png;
    if (!EncodePng(picture, png, reason))
        return false;
    if (!WriteFileWhole(path, png)) {
        reason = L"cannot write " + path;
        return false;
    }
    return true;
}
