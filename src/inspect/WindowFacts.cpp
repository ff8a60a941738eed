#include "inspect/WindowFacts.h"

#include <array>
#include <cstddef>

namespace {

// Room for the longest class name the system registers (256 characters) and the terminator, so
// no name is ever cut.
constexpr int kClassNameBuffer = 257;

// A text longer than this is not read further: no window is expected to hold more.
constexpr std::size_t kLongestTextNoMessage = 0x100000;

std::wstring Counted(const wchar_t* text, int length) {
    return std::wstring(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

} // namespace

std::wstring WindowClassName(HWND hwnd) {
    wchar_t name[kClassNameBuffer] = {};
    const int length = ::GetClassNameW(hwnd, name, kClassNameBuffer);
    return Counted(name, length < kClassNameBuffer ? length : kClassNameBuffer - 1);
}

std::wstring WindowText(HWND hwnd, int longest) {
    std::wstring text(static_cast<std::size_t>(longest) + 1, L'\0');
    const int length = ::GetWindowTextW(hwnd, text.data(), longest + 1);
    text.resize(length > 0 && length <= longest ? static_cast<std::size_t>(length) : 0);
    return text;
}

std::optional<std::wstring> WindowTextAnswer(HWND hwnd, std::size_t longest, UINT timeoutMs) {
    std::wstring text(longest + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, timeoutMs, &copied))
        return std::nullopt;
    // The count the window gives is trusted no further than the buffer it was handed.
    text.resize(copied < longest ? static_cast<std::size_t>(copied) : longest);
    return text;
}

bool WindowHasText(HWND hwnd) {
    return ::GetWindowTextLengthW(hwnd) != 0;
}

std::wstring WindowTextNoMessage(HWND hwnd) {
    std::array<wchar_t, 256> first;
    int length = ::InternalGetWindowText(hwnd, first.data(), static_cast<int>(first.size()));
    if (length < static_cast<int>(first.size()) - 1)
        return Counted(first.data(), length);
    // A text that filled the buffer may go on; the length it has is not known without asking.
    std::wstring text(first.size(), L'\0');
    do {
        text.resize(text.size() * 4);
        length = ::InternalGetWindowText(hwnd, text.data(), static_cast<int>(text.size()));
    } while (length >= static_cast<int>(text.size()) - 1 && text.size() < kLongestTextNoMessage);
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

DWORD WindowProcessId(HWND hwnd) {
    DWORD processId = 0;
    if (!::GetWindowThreadProcessId(hwnd, &processId))
        return 0;
    return processId;
}

bool IsOwnProcessWindow(HWND hwnd) {
    return hwnd && WindowProcessId(hwnd) == ::GetCurrentProcessId();
}

WindowFacts WindowFacts::Read(HWND hwnd) {
    WindowFacts facts;
    facts.hwnd = hwnd;
    facts.style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
    facts.exStyle = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    facts.className = WindowClassName(hwnd);
    return facts;
}
