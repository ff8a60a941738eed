#pragma once
// The one-line labels of the window tree's nodes. Pure logic: no window system here.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// The class as the tree names it: the five numbered system classes by what they are ("Dialog"),
// any other class unchanged.
std::wstring_view TreeClassName(std::wstring_view className);

// "(0001002Ah, Button) OK": the handle, the class as the tree names it, the window text. An empty
// text leaves the label ending in ") ". A handle wider than 32 bits keeps all sixteen digits.
std::wstring FormatWindowLabel(std::uint64_t handle, std::wstring_view className, std::wstring_view text);

// "(000004D2h) notepad.exe": the process id and the process's short name.
std::wstring FormatProcessLabel(std::uint32_t processId, std::wstring_view name);

} // namespace orvex
