#pragma once
// The names a style word of a window can be changed by: those the listing shows for the window's
// class, from the same tables, with the groups the tables make of them. Pure logic: no window
// system here.
//
// A group is a set of names of which exactly one describes the word: the cases of a field (a
// button's type, a list view's view) and a name the tables show for bits being clear together with
// the names of those bits (ES_LEFT with ES_CENTER and ES_RIGHT, WS_OVERLAPPED with WS_POPUP and
// WS_CHILD). Choosing one name of a group clears the bits of the others. Names that share bits
// under different readings (WS_GROUP and WS_MINIMIZEBOX) are all offered, each with its bits.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orvex {

enum class StyleWord : std::uint8_t { Style, ExStyle };

struct StyleChoice {
    std::wstring_view name;
    std::uint32_t value = 0; // the bits the name sets; 0 for a name of bits being clear
    std::uint32_t group = 0; // the bits of its group, which choosing it clears first; 0 alone
};

// Every name for the word, in the listing's order: the general window styles, then the control's
// own (Style); the extended window styles (ExStyle). `className` chooses the control's table as the
// listing chooses it; empty or unknown, there is none.
std::vector<StyleChoice> StyleChoices(StyleWord word, std::wstring_view className);

// The choice of that name (ASCII case ignored), or nothing.
std::optional<StyleChoice> FindStyleChoice(StyleWord word, std::wstring_view className,
                                           std::wstring_view name);

} // namespace orvex
