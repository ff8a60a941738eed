#pragma once
// One change a user asks of a window, as typed in the Change Window tool or after --set: its text,
// a style word, its place, its size or its state. Pure logic: no window system here.
//
//   text=TEXT          the rest of the argument is the text, as it stands
//   style=+NAME        sets the named bits; a name of an exclusive group (ES_CENTER, BS_CHECKBOX)
//                      clears the rest of its group first
//   style=-NAME        clears the named bits
//   style=VALUE        the whole word
//   exstyle=...        the same forms for the extended style word
//   pos=X,Y  size=W,H  numbers may carry a minus sign
//   show  hide  enable  disable  topmost  notopmost  close
//   minimize  maximize  restore  bringtotop   (the Change Window tool's buttons, typed the same way)
//
// Numbers are typed as in the send-message dialog (common/NumberSyntax.h). Names are those the
// listing shows for the window's class, ASCII case ignored.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace orvex {

enum class ChangeKind : std::uint8_t {
    Text,
    Style,
    ExStyle,
    Position,
    Size,
    Show,
    Hide,
    Enable,
    Disable,
    TopMost,
    NoTopMost,
    Close,
    Minimize,
    Maximize,
    Restore,
    BringToTop,
};

// What a change reads and writes: show and hide both touch Visible, and so on.
enum class ChangeProperty : std::uint8_t {
    Text,
    Style,
    ExStyle,
    Position,
    Size,
    Visible,
    Enabled,
    TopMost,
    Open,
    ShowState, // minimized, maximized or neither
    ZOrder,    // whether it is above its siblings
};

ChangeProperty PropertyOf(ChangeKind kind);

struct WindowChange {
    ChangeKind kind = ChangeKind::Text;
    std::wstring text;         // Text
    std::uint32_t setBits = 0; // Style, ExStyle: the word becomes (word & ~clearBits) | setBits
    std::uint32_t clearBits = 0;
    std::int32_t x = 0, y = 0; // Position: left and top; Size: width and height
    bool operator==(const WindowChange&) const = default;

    // The word a style change makes of `word`.
    std::uint32_t StyleAfter(std::uint32_t word) const { return (word & ~clearBits) | setBits; }
};

// A change that cannot be read: where (0-based offset into its text) and why, in a sentence that
// ends with the place ("unknown style name 'WS_BORDR' for class Edit at 7").
struct ChangeError {
    std::size_t position = 0;
    std::wstring message;
};

// Reads one change for a window of class `className` (empty when the class is not known: then only
// the general window style names resolve). Nothing is half-read: an error leaves no change.
std::variant<WindowChange, ChangeError> ParseWindowChange(std::wstring_view text,
                                                          std::wstring_view className);

// The change as it is typed ("pos=-5,10", "style=0x14CF0000", "style=+0x00800000", "hide"), which
// ParseWindowChange reads back into the same change. A name of an exclusive group both clears and
// sets bits, which no typed form does at once: it is written "style=+0x… (clearing 0x…)", to be read
// by a person.
std::wstring ChangeText(const WindowChange& change);

} // namespace orvex
