#pragma once
// Flag words written as the names of their bits. Pure logic: no window system here.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvex {

struct BitName {
    std::wstring_view name;
    std::uint32_t value;
};

// The bits of `bits` that `table` names, in table order, joined with " | ", then any bits left over
// as one "0x%08X" value; empty for 0. An entry matches only when all its bits are set.
std::wstring FormatBitNames(std::span<const BitName> table, std::uint32_t bits);

} // namespace orvex
