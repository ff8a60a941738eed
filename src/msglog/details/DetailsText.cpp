#include "msglog/details/DetailsText.h"

#include "common/EscapedText.h"

#include <cwchar>

namespace orvex {

DetailsText& DetailsText::Add(std::wstring_view piece) {
    if (piece.empty())
        return *this;
    if (!m_text.empty())
        m_text += L' ';
    m_text += piece;
    return *this;
}

DetailsText& DetailsText::Add(std::wstring_view label, std::wstring_view value) {
    std::wstring piece(label);
    piece += L'=';
    piece += value;
    return Add(piece);
}

DetailsText& DetailsText::Add(std::wstring_view label, std::int64_t value) {
    return Add(label, std::to_wstring(value));
}

std::wstring PackedPointText(std::uint64_t value) {
    return DetailsText()
        .Add(L"x", static_cast<std::int16_t>(LowWord(value)))
        .Add(L"y", static_cast<std::int16_t>(HighWord(value)))
        .Take();
}

std::wstring SizeText(std::int64_t width, std::int64_t height) {
    return std::to_wstring(width) + L'x' + std::to_wstring(height);
}

std::wstring HexText(std::uint64_t value, int digits) {
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::wstring NameOrNumber(std::wstring_view name, std::wstring_view label, std::int64_t value) {
    return name.empty() ? DetailsText().Add(label, value).Take() : std::wstring(name);
}

std::wstring FlagsText(std::uint32_t value, std::span<const FlagName> names) {
    std::wstring text;
    std::uint32_t unnamed = value;
    for (const FlagName& entry : names) {
        if ((value & entry.flag) != entry.flag || entry.flag == 0)
            continue;
        text.append(text.empty() ? L"" : L"|").append(entry.name);
        unnamed &= ~entry.flag;
    }
    if (unnamed != 0)
        text.append(text.empty() ? L"" : L"|").append(HexText(unnamed, 4));
    return text;
}

namespace {

bool Shows(std::uint64_t code) {
    // A lone half of a surrogate pair, and anything past the 16-bit units a window gets, would not.
    return !IsControlCharacter(code) && code <= 0xFFFF && (code < 0xD800 || code > 0xDFFF);
}

} // namespace

std::wstring CharacterText(std::uint64_t code) {
    wchar_t number[32] = {};
    std::swprintf(number, 32, L"U+%04llX", static_cast<unsigned long long>(code));
    if (!Shows(code))
        return number;
    return std::wstring(L"'") + static_cast<wchar_t>(code) + L"' " + number;
}

std::wstring QuotedText(std::wstring_view text) {
    return L'"' + EscapedText(text) + L'"';
}

} // namespace orvex
