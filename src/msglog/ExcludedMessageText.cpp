#include "msglog/ExcludedMessageText.h"

#include "common/NumberSyntax.h"
#include "common/ValueFormat.h"
#include "msglog/MessageNames.h"

namespace orvex {

std::wstring ExcludedMessageLabel(std::uint32_t message) {
    // Without a window's class a control's own message has a name only when every class that knows
    // its number calls it the same; otherwise it is named by its place in WM_USER's range.
    const std::wstring_view control =
        HeaderMessageName(message, L"").empty() ? UniqueControlMessageName(message) : std::wstring_view{};
    const std::wstring name =
        control.empty() ? MessageName(message, L"", RegisteredNameLookup{}) : std::wstring(control);
    const std::wstring number = FormatHex16(message);
    return name == number ? number : name + L" (" + number + L")";
}

std::optional<std::uint32_t> ReadExcludedMessage(std::wstring_view text) {
    if (const std::optional<std::uint32_t> named = MessageNumberOfName(TrimSpaces(text)))
        return named;
    std::uint32_t number = 0;
    if (ParseNumber(text, number))
        return number;
    return std::nullopt;
}

} // namespace orvex
