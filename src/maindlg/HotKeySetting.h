#pragma once
// The stored hot-key word: virtual key in bits 0-7, hot-key-control modifier flags in bits 8-15.
// Pure logic: no window system here.

#include <cstdint>

namespace orvex {

// Flags of the hot-key control, as stored.
constexpr unsigned kHotKeyShift = 0x01;
constexpr unsigned kHotKeyControl = 0x02;
constexpr unsigned kHotKeyAlt = 0x04;
constexpr unsigned kHotKeyExtended = 0x08;

// Modifiers of the system's hot-key registration.
constexpr unsigned kModAlt = 0x1;
constexpr unsigned kModControl = 0x2;
constexpr unsigned kModShift = 0x4;

// The registration modifiers for a stored hot key; the extended-key flag has no counterpart.
unsigned HotKeyRegistrationModifiers(std::int32_t hotKey);
unsigned HotKeyVirtualKey(std::int32_t hotKey);

} // namespace orvex
