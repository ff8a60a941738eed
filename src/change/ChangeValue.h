#pragma once
// What a window reports for the property a change touches, before and after the change, and the
// change that puts a value back. Pure logic: no window system here.

#include "change/WindowChange.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvex {

// The `word` of a ShowState value.
enum ShowStateWord : std::uint32_t { kShownNormal = 0, kShownMinimized = 1, kShownMaximized = 2 };

struct ChangeValue {
    ChangeProperty property = ChangeProperty::Text;
    std::wstring text;         // Text
    std::uint32_t word = 0;    // Style, ExStyle; ShowState (a ShowStateWord)
    std::int32_t x = 0, y = 0; // Position: left and top (in the parent's client area for a child,
                               // on the screen for a top-level window); Size: width and height
    bool on = false;           // Visible, Enabled, TopMost; Open: the window still exists; ZOrder: no
                               // sibling lies above it
    bool operator==(const ChangeValue&) const = default;
};

// The value as the command line prints it: the text as it is, "0x14CF0000", "10,-20", "visible" or
// "hidden", "enabled" or "disabled", "topmost" or "not topmost", "open" or "closed", "normal",
// "minimized" or "maximized", "on top" or "below others".
std::wstring FormatChangeValue(const ChangeValue& value);

// The change that gives the window `before` again; nothing for a closed window, which no change
// brings back, nor for a place among siblings, which one change does not give back.
std::optional<WindowChange> RestoringChange(const ChangeValue& before);

} // namespace orvex
