#include "inspect/RectFormat.h"

#include <cwchar>
#include <iterator>

namespace orvex {

std::wstring FormatRectWithSize(int left, int top, int right, int bottom) {
    // The size is taken in 64 bits: a rectangle spanning nearly the whole int range must not
    // overflow into a wrong, or undefined, width.
    const long long width = static_cast<long long>(right) - left;
    const long long height = static_cast<long long>(bottom) - top;
    return FormatRectCorners(left, top, right, bottom) + L" " + std::to_wstring(width) + L"x" +
           std::to_wstring(height);
}

std::wstring FormatRectCorners(int left, int top, int right, int bottom) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"(%d, %d) - (%d, %d)", left, top, right, bottom);
    return text;
}

} // namespace orvex
