#pragma once
// How values are written in the listings. Pure logic: no window system here.
//
// Handles and addresses are 32-bit in the listing format ("0x%08X"); a 64-bit value that does not
// fit is written with all sixteen digits instead of being cut.

#include <cstdint>
#include <string>

namespace orvex {

// "0x%08X" when the value fits in 32 bits, otherwise "0x%016llX".
std::wstring FormatPointer(std::uint64_t value);
// "0x%08X".
std::wstring FormatHex32(std::uint32_t value);
// "0x%04X".
std::wstring FormatHex16(std::uint32_t value);
// The hexadecimal digits of a pointer-sized value without prefix: 8 when it fits, else 16.
std::wstring PointerDigits(std::uint64_t value);
// A count with commas between the thousands, as the tool windows' status lines show it: "12,345".
std::wstring WithThousands(std::uint64_t value);

} // namespace orvex
