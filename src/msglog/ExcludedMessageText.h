#pragma once
// A single message the log's filter leaves out, as the filter dialog lists it and as a user types
// it. Pure logic: no window system here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// "WM_MOUSEMOVE (0x0200)", "WM_USER+1 (0x0401)"; the number alone where no name is known.
std::wstring ExcludedMessageLabel(std::uint32_t message);

// The message a typed text names: a window message's header name (ASCII case ignored), or a number
// as the send-message dialog reads one. Nothing for anything else.
std::optional<std::uint32_t> ReadExcludedMessage(std::wstring_view text);

} // namespace orvex
