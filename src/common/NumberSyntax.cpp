#include "common/NumberSyntax.h"

#include <cwctype>

namespace orvex {

namespace {

bool IsSpace(wchar_t c) {
    return std::iswspace(static_cast<std::wint_t>(c)) != 0;
}

} // namespace

std::wstring_view TrimSpaces(std::wstring_view text) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

int HexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

bool ParseNumber(std::wstring_view text, std::uint32_t& value) {
    text = TrimSpaces(text);
    if (text.empty())
        return false;
    std::uint32_t result = 0;
    if (text.size() >= 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        // "0x" alone is zero. Digits beyond the eighth push the first ones out.
        for (wchar_t c : text.substr(2)) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return false;
            result = (result << 4) + static_cast<std::uint32_t>(digit);
        }
    } else {
        for (wchar_t c : text) {
            if (c < L'0' || c > L'9')
                return false;
            result = result * 10u + static_cast<std::uint32_t>(c - L'0'); // wraps modulo 2^32
        }
    }
    value = result;
    return true;
}

} // namespace orvex
