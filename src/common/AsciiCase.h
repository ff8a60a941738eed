#pragma once
// Window class names compare without regard to case, as the window manager compares them. Only
// the ASCII letters fold: a name is never matched through some other letter's case mapping, and
// every class name Orvex recognises is ASCII. Pure logic: no window system here.

#include <string_view>

namespace orvex {

bool EqualsAsciiNoCase(std::wstring_view a, std::wstring_view b);
bool StartsWithAsciiNoCase(std::wstring_view text, std::wstring_view prefix);

} // namespace orvex
