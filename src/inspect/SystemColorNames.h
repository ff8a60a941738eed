#pragma once
// The names of the system colours a class background can stand for.
// Pure logic: no window system here.

#include <cstdint>
#include <string_view>

namespace orvex {

// A class background from 1 to 31 is a system colour index plus one: its COLOR_ name. Empty for
// every other value, and for the one index in that range that has no colour (value 26).
std::wstring_view GetSystemColorName(std::uint64_t background);

} // namespace orvex
