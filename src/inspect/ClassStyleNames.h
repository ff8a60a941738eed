#pragma once
// Class-style bits by name, and the class name as the Summary listing writes it.
// Pure logic: no window system here.

#include "inspect/BitNames.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvex {

using ClassStyleName = BitName;

// The named class-style bits, in the order they are listed.
std::span<const ClassStyleName> ClassStyleTable();

// The set bits by name, joined with " | ", then any unnamed bits as one "0x%08X" value; empty
// for 0.
std::wstring FormatClassStyles(std::uint32_t classStyle);

// The class name, the suffix of a numbered system class, and the class styles in brackets when
// any are set: "#32770 (Dialog) [CS_DBLCLKS | CS_SAVEBITS]".
std::wstring FormatClassNameWithStyles(std::wstring_view className, std::uint32_t classStyle);

} // namespace orvex
