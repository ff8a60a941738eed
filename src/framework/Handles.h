#pragma once
// Owning handle types: move-only, released exactly once, shaped after a small traits struct.

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace fw {

template <class Traits> class UniqueHandle {
public:
    using Pointer = typename Traits::Pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Pointer value) noexcept : m_value(value) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Pointer get() const noexcept { return m_value; }
    explicit operator bool() const noexcept { return Traits::IsValid(m_value); }

    // Hands the value on; whoever takes it now releases it.
    [[nodiscard]] Pointer release() noexcept { return std::exchange(m_value, Traits::Invalid()); }
    void reset(Pointer value = Traits::Invalid()) noexcept {
        Pointer old = std::exchange(m_value, value);
        if (Traits::IsValid(old))
            Traits::Close(old);
    }
    // For a function that hands its result back through a pointer: what was held goes first.
    Pointer* put() noexcept {
        reset();
        return &m_value;
    }

private:
    Pointer m_value = Traits::Invalid();
};

template <class T, auto CloseFn> struct NullInvalidTraits {
    using Pointer = T;
    static constexpr T Invalid() noexcept { return nullptr; }
    static bool IsValid(T value) noexcept { return value != nullptr; }
    static void Close(T value) noexcept { CloseFn(value); }
};

inline void CloseKernelHandle(HANDLE h) noexcept {
    ::CloseHandle(h);
}
inline void DeleteGdiObject(HGDIOBJ h) noexcept {
    ::DeleteObject(h);
}
inline void CloseRegistryKey(HKEY h) noexcept {
    ::RegCloseKey(h);
}
inline void FreeLoadedLibrary(HMODULE h) noexcept {
    ::FreeLibrary(h);
}
inline void Unhook(HHOOK h) noexcept {
    ::UnhookWindowsHookEx(h);
}
inline void UnmapView(void* view) noexcept {
    ::UnmapViewOfFile(view);
}
inline void FreeLocal(void* memory) noexcept {
    ::LocalFree(memory);
}

using UniqueProcessHandle = UniqueHandle<NullInvalidTraits<HANDLE, CloseKernelHandle>>;
using UniqueRegKey = UniqueHandle<NullInvalidTraits<HKEY, CloseRegistryKey>>;
using UniqueIcon = UniqueHandle<NullInvalidTraits<HICON, ::DestroyIcon>>;
using UniqueCursor = UniqueHandle<NullInvalidTraits<HCURSOR, ::DestroyCursor>>;
using UniqueMenu = UniqueHandle<NullInvalidTraits<HMENU, ::DestroyMenu>>;
using UniqueImageList = UniqueHandle<NullInvalidTraits<HIMAGELIST, ::ImageList_Destroy>>;
// A library this program loaded itself (LoadLibrary), not one it only looked up.
using UniqueModule = UniqueHandle<NullInvalidTraits<HMODULE, FreeLoadedLibrary>>;
using UniqueHook = UniqueHandle<NullInvalidTraits<HHOOK, Unhook>>;
// A view of a file mapping (MapViewOfFile).
using UniqueMappedView = UniqueHandle<NullInvalidTraits<void*, UnmapView>>;
// Memory the system allocated for the caller to free with LocalFree (FormatMessage's text,
// CommandLineToArgvW's list), typed as what it holds.
template <class T> using UniqueLocalMemory = UniqueHandle<NullInvalidTraits<T*, FreeLocal>>;

template <class T> using UniqueGdiObject = UniqueHandle<NullInvalidTraits<T, DeleteGdiObject>>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;

struct InvalidHandleValueTraits {
    using Pointer = HANDLE;
    static Pointer Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Pointer value) noexcept { return value != INVALID_HANDLE_VALUE && value != nullptr; }
    static void Close(Pointer value) noexcept { ::CloseHandle(value); }
};
using UniqueFileHandle = UniqueHandle<InvalidHandleValueTraits>;

// A global memory block that is freed unless ownership is handed on (to the clipboard, say).
inline void FreeGlobal(HGLOBAL h) noexcept {
    ::GlobalFree(h);
}
using UniqueGlobal = UniqueHandle<NullInvalidTraits<HGLOBAL, FreeGlobal>>;

// A device context obtained with GetDC / GetWindowDC: released with the window it came from.
class WindowDC {
public:
    enum class Area { Client, Window };
    explicit WindowDC(HWND hwnd, Area area = Area::Client) noexcept
        : m_hwnd(hwnd), m_dc(area == Area::Window ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept : m_hwnd(other.m_hwnd), m_dc(std::exchange(other.m_dc, nullptr)) {}
    ~WindowDC() {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    HDC get() const noexcept { return m_dc; }
    explicit operator bool() const noexcept { return m_dc != nullptr; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// BeginPaint / EndPaint as one object.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) noexcept : m_hwnd(hwnd) { m_dc = ::BeginPaint(hwnd, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { ::EndPaint(m_hwnd, &m_paint); }
    HDC get() const noexcept { return m_dc; }
    const PAINTSTRUCT& paint() const noexcept { return m_paint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

// A memory device context (CreateCompatibleDC / DeleteDC).
inline void DeleteMemoryDC(HDC dc) noexcept {
    ::DeleteDC(dc);
}
using UniqueMemoryDC = UniqueHandle<NullInvalidTraits<HDC, DeleteMemoryDC>>;

// An object selected into a device context; the previous one is selected back on destruction.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : m_dc(dc), m_previous(object ? ::SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (m_previous && m_previous != HGDI_ERROR)
            ::SelectObject(m_dc, m_previous);
    }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The clipboard, open for the lifetime of the object.
class OpenClipboard {
public:
    explicit OpenClipboard(HWND owner) noexcept : m_open(::OpenClipboard(owner) != FALSE) {}
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;
    ~OpenClipboard() {
        if (m_open)
            ::CloseClipboard();
    }
    explicit operator bool() const noexcept { return m_open; }

private:
    bool m_open;
};

} // namespace fw
