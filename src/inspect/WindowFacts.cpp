#include "inspect/WindowFacts.h"

namespace {
// Room for the longest class name the system registers (256 characters) and the terminator, so
// no name is ever cut.
constexpr int kClassNameBuffer = 257;
} // namespace

WindowFacts WindowFacts::Read(HWND hwnd) {
    WindowFacts facts;
    facts.hwnd = hwnd;
    facts.style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
    facts.exStyle = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    wchar_t name[kClassNameBuffer] = {};
    const int length = ::GetClassNameW(hwnd, name, kClassNameBuffer);
    if (length > 0)
        facts.className.assign(
            name, static_cast<size_t>(length < kClassNameBuffer ? length : kClassNameBuffer - 1));
    return facts;
}
