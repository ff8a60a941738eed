#pragma once
// The command line that logs what the log window logs, for "Copy as Command", and the words a
// filter's categories have on it. Pure logic: no window system here.

#include "msglog/LogMapping.h"
#include "msglog/MessageCategories.h"
#include "msglog/MessageFilter.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// "mouse", "keyboard", "nonclient", "paint", "focus", "position", "timer", "commands", "control",
// "other": in --exclude and --only beside message names, none of which they can be taken for.
std::wstring_view CategoryKeyword(MessageCategory category);
// The category a keyword names, ASCII case ignored.
std::optional<MessageCategory> CategoryFromKeyword(std::wstring_view keyword);

// `Orvex.com --log TARGET [--scope ...] [--exclude ... | --only ...]`: single messages by their
// header name, or in hexadecimal where the headers give none. None for a filter that shows no
// message: no filter on the command line says "nothing", and a log of nothing is no use to a script.
std::optional<std::wstring> LogCommandText(std::wstring_view target, LogScope scope,
                                           const MessageFilter& filter);

} // namespace orvex
