#include "common/ValueFormat.h"

#include <cstddef>
#include <cwchar>

namespace orvex {

std::wstring PointerDigits(std::uint64_t value) {
    wchar_t text[24];
    if (value <= 0xFFFFFFFFull)
        std::swprintf(text, 24, L"%08X", static_cast<unsigned>(value));
    else
        std::swprintf(text, 24, L"%016llX", static_cast<unsigned long long>(value));
    return text;
}

std::wstring FormatPointer(std::uint64_t value) {
    return L"0x" + PointerDigits(value);
}

std::wstring FormatHex32(std::uint32_t value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%08X", static_cast<unsigned>(value));
    return text;
}

std::wstring FormatHex16(std::uint32_t value) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%04X", static_cast<unsigned>(value));
    return text;
}

std::wstring WithThousands(std::uint64_t value) {
    std::wstring digits = std::to_wstring(value);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), L",");
    return digits;
}

} // namespace orvex
