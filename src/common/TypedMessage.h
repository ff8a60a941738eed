#pragma once
// A message as a user types it, in the Send Message dialog, on the command line (--send) and in the
// log's filter: a number, a header name or a registered name. Pure logic: no window system here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

struct TypedMessage {
    std::uint32_t number = 0;    // the message, when no registered name was typed
    std::wstring registeredName; // typed in double quotes: the number is the system's to give
    bool operator==(const TypedMessage&) const = default;
};

// The message a field's text (untrimmed, as typed) names: a number as common/NumberSyntax.h reads
// one; a header name in any ASCII case (WM_GETTEXTLENGTH, em_setsel); or a name in double quotes
// ("TaskbarCreated"), which the program that receives it registered. Nothing for anything else:
// an empty name, a quote inside one, a name the headers do not give.
std::optional<TypedMessage> ReadTypedMessage(std::wstring_view text);

} // namespace orvex
