#include "common/TypedMessageNumber.h"

std::optional<UINT> TypedMessageNumber(const orvex::TypedMessage& message) {
    if (message.registeredName.empty())
        return message.number;
    const UINT registered = ::RegisterWindowMessageW(message.registeredName.c_str());
    if (registered == 0)
        return std::nullopt;
    return registered;
}
