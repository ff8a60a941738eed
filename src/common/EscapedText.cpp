#include "common/EscapedText.h"

#include <cwchar>

namespace orvex {

bool IsControlCharacter(std::uint64_t code) {
    return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

std::wstring EscapedText(std::wstring_view text) {
    std::wstring escaped;
    escaped.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == L'\r') {
            escaped += L"\\r";
        } else if (c == L'\n') {
            escaped += L"\\n";
        } else if (c == L'\t') {
            escaped += L"\\t";
        } else if (IsControlCharacter(static_cast<std::uint64_t>(c))) {
            wchar_t code[8] = {};
            std::swprintf(code, 8, L"\\x%02X", static_cast<unsigned>(c));
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace orvex
