#include "inspect/GeneralRows.h"

#include "common/ValueFormat.h"
#include "inspect/RectFormat.h"
#include "process/ProcessImage.h"

#include <cstdint>
#include <string>

namespace {

// The listing has always shown at most 259 characters of a window's text.
constexpr int kLongestText = 259;

std::wstring Pointer(LONG_PTR value) {
    return orvex::FormatPointer(static_cast<std::uint64_t>(static_cast<ULONG_PTR>(value)));
}

std::wstring Pointer(const void* value) {
    return orvex::FormatPointer(reinterpret_cast<std::uintptr_t>(value));
}

std::wstring WithSize(const RECT& rect) {
    return orvex::FormatRectWithSize(rect.left, rect.top, rect.right, rect.bottom);
}

// Where the window lies in its parent's (or owner's) client area; no row without one.
void AddPositionInParentRow(PropertySink& sink, HWND hwnd, const RECT& windowRect) {
    HWND parent = ::GetParent(hwnd);
    if (!parent)
        return;
    POINT topLeft{windowRect.left, windowRect.top};
    POINT bottomRight{windowRect.right, windowRect.bottom};
    ::ScreenToClient(parent, &topLeft);
    ::ScreenToClient(parent, &bottomRight);
    sink.AddProperty(GROUP_GENERAL, L"Position in Parent",
                     orvex::FormatRectCorners(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y), KIND_TEXT);
}

void AddClientRectRow(PropertySink& sink, HWND hwnd) {
    RECT rect{};
    if (::GetClientRect(hwnd, &rect))
        sink.AddProperty(GROUP_GENERAL, L"Client Rect", WithSize(rect), KIND_TEXT);
    else
        sink.AddProperty(GROUP_GENERAL, L"Client Rect", kNotAvailable, KIND_TEXT);
}

} // namespace

void AddHandleRow(PropertySink& sink, int group, HWND hwnd) {
    sink.AddProperty(group, L"Handle", Pointer(hwnd), KIND_HANDLE);
}

void AddTextRow(PropertySink& sink, int group, HWND hwnd) {
    sink.AddProperty(group, L"Text", WindowText(hwnd, kLongestText), KIND_TEXT);
}

RECT AddWindowRectRow(PropertySink& sink, int group, HWND hwnd) {
    RECT rect{};
    if (::GetWindowRect(hwnd, &rect)) {
        sink.AddProperty(group, L"Window Rect", WithSize(rect), KIND_TEXT);
        return rect;
    }
    sink.AddProperty(group, L"Window Rect", kNotAvailable, KIND_TEXT);
    return RECT{};
}

void AddGeneralRows(PropertySink& sink, const WindowFacts& facts) {
    const HWND hwnd = facts.hwnd;
    const LONG_PTR style = facts.style;

    AddHandleRow(sink, GROUP_GENERAL, hwnd);
    AddTextRow(sink, GROUP_GENERAL, hwnd);
    const RECT windowRect = AddWindowRectRow(sink, GROUP_GENERAL, hwnd);
    AddPositionInParentRow(sink, hwnd, windowRect);
    AddClientRectRow(sink, hwnd);

    const LONG_PTR windowProc = ::GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    if (windowProc != 0)
        sink.AddProperty(GROUP_GENERAL, L"Window Proc", Pointer(windowProc), KIND_ADDRESS);
    else
        sink.AddProperty(GROUP_GENERAL, L"Window Proc", kNotAvailable, KIND_TEXT);

    sink.AddProperty(GROUP_GENERAL, L"Unicode", ::IsWindowUnicode(hwnd) ? L"Yes" : L"No", KIND_TEXT);
    sink.AddProperty(GROUP_GENERAL, L"Instance Handle", Pointer(::GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)),
                     KIND_HANDLE);

    // A child's menu slot holds its control id instead.
    if (style & WS_CHILD)
        sink.AddProperty(GROUP_GENERAL, L"Control ID", Pointer(::GetWindowLongPtrW(hwnd, GWLP_ID)),
                         KIND_NUMBER);
    else
        sink.AddProperty(GROUP_GENERAL, L"Menu Handle", Pointer(::GetMenu(hwnd)), KIND_HANDLE);

    sink.AddProperty(GROUP_GENERAL, L"User Data", Pointer(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)),
                     KIND_NUMBER);
}

void AddProcessRows(PropertySink& sink, HWND hwnd) {
    // Both stay 0 when the window has gone in the meantime.
    DWORD processId = 0;
    const DWORD threadId = ::GetWindowThreadProcessId(hwnd, &processId);
    if (threadId == 0)
        processId = 0;
    sink.AddProperty(GROUP_PROCESS, L"Process ID", std::to_wstring(processId), KIND_NUMBER);
    sink.AddProperty(GROUP_PROCESS, L"Thread ID", std::to_wstring(threadId), KIND_NUMBER);

    const std::wstring imagePath = ProcessImagePath(processId);
    if (!imagePath.empty())
        sink.AddProperty(GROUP_PROCESS, L"Image Path", imagePath, KIND_TEXT);
}
