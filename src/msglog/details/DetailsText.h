#pragma once
// How the details column writes the pieces of a message's parameters, so that every decoder
// writes them alike: words and label=value pairs apart by single spaces, points as "x=12 y=40",
// sizes as "640x480", flag sets as "MK_LBUTTON|MK_SHIFT". Pure logic: no window system here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvex {

// The pieces of one details line; an empty piece is left out.
class DetailsText {
public:
    DetailsText& Add(std::wstring_view piece);
    DetailsText& Add(std::wstring_view label, std::wstring_view value); // label=value
    DetailsText& Add(std::wstring_view label, std::int64_t value);      // label=decimal
    std::wstring Take() { return std::move(m_text); }

private:
    std::wstring m_text;
};

// The parts of a parameter as Windows takes them apart: from its low 32 bits.
inline std::uint16_t LowWord(std::uint64_t value) {
    return static_cast<std::uint16_t>(value & 0xFFFF);
}
inline std::uint16_t HighWord(std::uint64_t value) {
    return static_cast<std::uint16_t>((value >> 16) & 0xFFFF);
}
// An int parameter (an index, a GWL_ index, a hit-test code) as the receiver casts it.
inline std::int32_t SignedLow32(std::uint64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
}

// "x=12 y=-40": a point packed in a parameter, each coordinate a signed 16-bit word.
std::wstring PackedPointText(std::uint64_t value);
// "640x480".
std::wstring SizeText(std::int64_t width, std::int64_t height);
// "0x1C": at least `digits` hexadecimal digits.
std::wstring HexText(std::uint64_t value, int digits);
// The header name, or the value in decimal after a label ("hit=25") when the headers give none.
std::wstring NameOrNumber(std::wstring_view name, std::wstring_view label, std::int64_t value);

struct FlagName {
    std::uint32_t flag;
    std::wstring_view name;
};
// The names of the set flags joined by '|', the bits no name covers last in hexadecimal; empty
// when no bit is set.
std::wstring FlagsText(std::uint32_t value, std::span<const FlagName> names);

// A character code as the window reads it: "'a' U+0061", or "U+000D" for a control character or
// a lone surrogate, which would not show.
std::wstring CharacterText(std::uint64_t code);
// Text from another program in double quotes, on one line: its control characters escaped by
// EscapedText (common/EscapedText.h).
std::wstring QuotedText(std::wstring_view text);

} // namespace orvex
