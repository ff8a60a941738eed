#pragma once
// Small things the tests compare with and print: handles and numbers written as Orvex writes
// them, rectangles described for failure messages, the middle of a window.

#include <windows.h>

#include <cstdio>
#include <string>

namespace harness {

// The eight hexadecimal digits of a handle that fits in 32 bits, as Wine's do: "0001006E".
inline std::wstring HandleDigits(HWND hwnd) {
    wchar_t digits[24] = {};
    std::swprintf(digits, 24, L"%08X", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(hwnd)));
    return digits;
}

// "0x1F", as a number is typed into the send-message dialog.
inline std::wstring Hex(UINT value) {
    wchar_t text[16] = {};
    std::swprintf(text, 16, L"0x%X", value);
    return text;
}

// A handle in decimal, as the signed result shows it.
inline std::wstring Decimal(HWND hwnd) {
    return std::to_wstring(reinterpret_cast<LONG_PTR>(hwnd));
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string Describe(const RECT& r) {
    char text[96];
    std::snprintf(text, sizeof(text), "(%ld, %ld) - (%ld, %ld)", r.left, r.top, r.right, r.bottom);
    return text;
}

inline POINT CenterOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

inline POINT CenterOf(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return CenterOf(rect);
}

// The focused window of `window`'s thread: GetFocus answers for the calling thread only.
inline HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

} // namespace harness
