#pragma once
// UTF-8 from the wide strings the window system hands out. Pure logic: no window system here.

#include <string>
#include <string_view>

namespace orvex {

// Each wchar_t is read as a UTF-16 unit (as on Windows; a wider unit above U+FFFF is taken as the
// code point it holds). A surrogate without its partner becomes U+FFFD: window texts may hold one,
// and UTF-8 readers (JSON parsers among them) refuse the bytes it would otherwise give.
std::string Utf8FromWide(std::wstring_view text);

} // namespace orvex
