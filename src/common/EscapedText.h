#pragma once
// Another program's text on one line, as every view that shows such text writes it. Pure logic:
// no window system here.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// A C0 or C1 control character, or DEL: nothing a reader could see.
bool IsControlCharacter(std::uint64_t code);

// The text with its control characters escaped: "\r", "\n", "\t", and "\x1B" for the others.
std::wstring EscapedText(std::wstring_view text);

} // namespace orvex
