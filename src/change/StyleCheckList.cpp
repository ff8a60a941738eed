#include "change/StyleCheckList.h"

namespace orvex {

bool ChoiceDescribes(const StyleChoice& choice, std::uint32_t word) {
    if (IsRadioChoice(choice))
        return (word & choice.group) == choice.value;
    return choice.value != 0 && (word & choice.value) == choice.value;
}

std::uint32_t WordWithChoice(const StyleChoice& choice, std::uint32_t word, bool on) {
    if (IsRadioChoice(choice))
        return on ? (word & ~choice.group) | choice.value : word;
    return on ? word | choice.value : word & ~choice.value;
}

} // namespace orvex
