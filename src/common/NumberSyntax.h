#pragma once
// The numbers a user types: in the send-message dialog, the log's filter and window targets. Pure
// logic: no window system here.
//
// A field holds a decimal number, or a hexadecimal one after "0x" or "0X", with white space around
// it. Nothing else is a number: no sign, no inner space, no suffix. The arithmetic is 32-bit with
// wrap-around and no length limit, so a negative value is typed as its 32-bit form
// (4294967295 or 0xFFFFFFFF for -1).

#include <cstdint>
#include <string_view>

namespace orvex {

// The text without the leading and trailing characters for which iswspace holds.
std::wstring_view TrimSpaces(std::wstring_view text);

// The value of a hexadecimal digit of either case, or -1.
int HexDigitValue(wchar_t c);

// Reads a field's text (untrimmed, as typed). False for an empty or blank field and for anything
// that is not a number; `value` is then left unchanged.
bool ParseNumber(std::wstring_view text, std::uint32_t& value);

// wParam and lParam are typed as 32-bit numbers and sent sign-extended, as a 32-bit build sends
// them: 0xFFFFFFFF reaches the target as -1 on every build.
constexpr std::int64_t SignExtend32(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

} // namespace orvex
