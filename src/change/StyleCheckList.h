#pragma once
// The Change Window tool's style list: which names describe a style word, and the word a tick or
// a choice makes of it. Pure logic: no window system here.
//
// A name alone is a check box: ticked while all its bits are set. A name of a group (StyleChoices
// groups them) is a radio choice: chosen while the group's bits are exactly its own, so that a word
// shows one choice per group, and choosing it replaces the group's bits.

#include "change/StyleChoices.h"

#include <cstdint>

namespace orvex {

inline bool IsRadioChoice(const StyleChoice& choice) {
    return choice.group != 0;
}

// Whether the list shows the name ticked or chosen for `word`.
bool ChoiceDescribes(const StyleChoice& choice, std::uint32_t word);

// The word after the user ticks (`on`) or clears a name. A radio choice is only ever chosen:
// clearing it leaves the word as it is.
std::uint32_t WordWithChoice(const StyleChoice& choice, std::uint32_t word, bool on);

} // namespace orvex
