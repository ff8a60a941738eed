#include "msglog/ExcludedMessageText.h"

#include "common/MessageNames.h"
#include "common/TypedMessage.h"
#include "common/ValueFormat.h"

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
    // The filter is stored, and a registered name's number holds only until the user logs off.
    const std::optional<TypedMessage> typed = ReadTypedMessage(text);
    if (!typed || !typed->registeredName.empty())
        return std::nullopt;
    return typed->number;
}

} // namespace orvex
