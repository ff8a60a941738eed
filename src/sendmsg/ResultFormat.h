#pragma once
// How the send-message dialog shows the value a window procedure returned. Pure logic.
//
// The result is pointer-sized and shown whole: a 64-bit build never cuts it to 32 bits.

#include <cstdint>
#include <string>

namespace orvex {

// The result as a signed decimal: "-1", "0", "4294967295".
std::wstring FormatSignedResult(std::int64_t result);

// The result as an unsigned decimal with its hexadecimal form, eight digits when it fits in 32
// bits and sixteen otherwise: "0 (0x00000000)", "18446744073709551615 (0xFFFFFFFFFFFFFFFF)".
std::wstring FormatUnsignedResult(std::uint64_t result);

} // namespace orvex
