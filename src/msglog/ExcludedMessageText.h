#pragma once
// A single message the log's filter leaves out, as the filter dialog lists it and as a user types
// it. Pure logic: no window system here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// "WM_MOUSEMOVE (0x0200)", "EM_SETSEL (0x00B1)", "WM_USER+1 (0x0401)"; the number alone where no
// name is known.
std::wstring ExcludedMessageLabel(std::uint32_t message);

// The message a typed text names, read as common/TypedMessage.h reads it, but for a registered
// name in quotes. Nothing for anything else. A control's message is left out by its number, for
// every class.
std::optional<std::uint32_t> ReadExcludedMessage(std::wstring_view text);

} // namespace orvex
