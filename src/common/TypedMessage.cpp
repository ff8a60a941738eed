#include "common/TypedMessage.h"

#include "common/MessageNames.h"
#include "common/NumberSyntax.h"

namespace orvex {

std::optional<TypedMessage> ReadTypedMessage(std::wstring_view text) {
    std::uint32_t number = 0;
    if (ParseNumber(text, number))
        return TypedMessage{number, {}};
    const std::wstring_view trimmed = TrimSpaces(text);
    if (trimmed.size() >= 2 && trimmed.front() == L'"' && trimmed.back() == L'"') {
        const std::wstring_view name = trimmed.substr(1, trimmed.size() - 2);
        if (name.empty() || name.find(L'"') != std::wstring_view::npos)
            return std::nullopt;
        return TypedMessage{0, std::wstring(name)};
    }
    if (const std::optional<std::uint32_t> named = MessageNumberOfName(trimmed))
        return TypedMessage{*named, {}};
    return std::nullopt;
}

} // namespace orvex
