#include "msglog/ExcludedMessageText.h"

#include "inspect/ValueFormat.h"
#include "msglog/MessageNames.h"
#include "sendmsg/NumberSyntax.h"

namespace orvex {

std::wstring ExcludedMessageLabel(std::uint32_t message) {
    // Without a window's class only the window messages have names; a control's own message is
    // named by its place in WM_USER's range, which is what it is to every other class.
    const std::wstring name = MessageName(message, L"", RegisteredNameLookup{});
    const std::wstring number = FormatHex16(message);
    return name == number ? number : name + L" (" + number + L")";
}

std::optional<std::uint32_t> ReadExcludedMessage(std::wstring_view text) {
    if (const std::optional<std::uint32_t> named = WindowMessageNumber(TrimSpaces(text)))
        return named;
    std::uint32_t number = 0;
    if (ParseNumber(text, number))
        return number;
    return std::nullopt;
}

} // namespace orvex
