#pragma once
// The kinds of message the log's filter shows or hides as a whole. A message's kind follows from
// its number alone, so the hook inside the logged program can tell it on every message without
// asking anything of the window system. Pure logic: no window system here.

#include <cstdint>

namespace orvex {

enum class MessageCategory : std::uint32_t {
    Mouse,
    Keyboard,
    NonClient,
    Paint,    // "Paint and erase"
    Focus,    // "Focus and activation"
    Position, // "Position and size"
    Timer,
    Commands, // "Commands and notifications"
    Control,  // "Control messages"
    Other,
    Count
};

inline constexpr std::uint32_t CategoryBit(MessageCategory category) {
    return 1u << static_cast<std::uint32_t>(category);
}
inline constexpr std::uint32_t kAllCategories =
    (1u << static_cast<std::uint32_t>(MessageCategory::Count)) - 1;

// Safe to call inside another program: no allocation, no waiting, no exceptions.
MessageCategory CategoryOf(std::uint32_t message) noexcept;

// The name the filter dialog shows: "Mouse", "Paint and erase", ...
const wchar_t* CategoryName(MessageCategory category) noexcept;

} // namespace orvex
