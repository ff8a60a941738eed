#include "cli/Arguments.h"

#include "common/NumberSyntax.h"
#include "msglog/LogCommandText.h"

#include <algorithm>

namespace orvex::cli {

namespace {

struct CommandFlag {
    std::wstring_view flag;
    Command command;
    std::size_t minimumOperands;
    std::size_t maximumOperands;
};

constexpr CommandFlag kCommands[] = {
    {L"--help", Command::Help, 0, 0},      {L"--version", Command::Version, 0, 0},
    {L"--list", Command::List, 1, 1},      {L"--find", Command::Find, 1, 1},
    {L"--tree", Command::Tree, 0, 0},      {L"--send", Command::Send, 2, 4},
    {L"--set", Command::Set, 2, SIZE_MAX}, {L"--wait", Command::Wait, 1, 1},
    {L"--name", Command::Name, 1, 1},      {L"--capture", Command::Capture, 1, 1},
    {L"--log", Command::Log, 1, 1},        {L"--watch", Command::Watch, 1, 1},
};

// Options that take the next argument as their value.
constexpr std::wstring_view kValueOptions[] = {L"--out",  L"--timeout", L"--scope", L"--exclude",
                                               L"--only", L"--for",     L"--count", L"--interval"};

// A change that has not finished within two seconds is reported as not answered.
constexpr std::uint32_t kSetTimeoutMs = 2000;

bool Allows(Command command, std::wstring_view option) {
    // A log is written as it comes; a file takes it through the shell's redirection.
    if (option == L"--out")
        return command != Command::Help && command != Command::Version && command != Command::Log &&
               command != Command::Watch;
    if (option == L"--json")
        return command == Command::List || command == Command::Find || command == Command::Tree ||
               command == Command::Set || command == Command::Wait || command == Command::Log ||
               command == Command::Watch;
    if (option == L"--scope" || option == L"--exclude" || option == L"--only" || option == L"--count")
        return command == Command::Log;
    if (option == L"--for")
        return command == Command::Log || command == Command::Watch;
    if (option == L"--interval")
        return command == Command::Watch;
    if (option == L"--summary" || option == L"--more")
        return command == Command::List;
    if (option == L"--by-process")
        return command == Command::Tree;
    if (option == L"--timeout")
        return command == Command::Send || command == Command::Set || command == Command::Wait;
    if (option == L"--gone")
        return command == Command::Wait;
    if (option == L"--client")
        return command == Command::Capture;
    return false;
}

UsageError Error(std::wstring message) {
    return UsageError{std::move(message)};
}

// Seconds as a whole or decimal number ("2", "0.5"), in milliseconds; nothing past a day.
std::optional<std::uint32_t> ReadSeconds(std::wstring_view text) {
    std::uint64_t whole = 0;
    std::size_t at = 0;
    for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
        whole = whole * 10 + static_cast<std::uint64_t>(text[at] - L'0');
        if (whole > 86400)
            return std::nullopt;
    }
    const bool anyWhole = at > 0;
    std::uint64_t milliseconds = whole * 1000;
    if (at < text.size() && text[at] == L'.') {
        ++at;
        std::uint64_t scale = 100;
        const std::size_t fractionAt = at;
        for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at, scale /= 10)
            milliseconds += static_cast<std::uint64_t>(text[at] - L'0') * scale;
        if (!anyWhole && at == fractionAt)
            return std::nullopt;
    } else if (!anyWhole) {
        return std::nullopt;
    }
    if (at != text.size() || milliseconds == 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(milliseconds);
}

// NAME,NAME,...: each a category's keyword or a message as the Send Message dialog reads one.
std::optional<std::vector<TypedMessage>> ReadMessageList(std::wstring_view text, std::uint32_t& categories) {
    std::vector<TypedMessage> messages;
    for (;;) {
        const std::size_t comma = text.find(L',');
        if (const auto category = CategoryFromKeyword(text.substr(0, comma))) {
            categories |= CategoryBit(*category);
        } else {
            const auto message = ReadTypedMessage(text.substr(0, comma));
            if (!message)
                return std::nullopt;
            if (std::find(messages.begin(), messages.end(), *message) == messages.end())
                messages.push_back(*message);
        }
        if (comma == std::wstring_view::npos)
            return messages;
        text.remove_prefix(comma + 1);
    }
}

} // namespace

std::variant<Invocation, UsageError> ParseArguments(const std::vector<std::wstring>& arguments) {
    Invocation invocation;
    const CommandFlag* command = nullptr;
    std::vector<std::wstring> operands;
    std::vector<std::wstring> options; // checked once the command is known
    std::optional<std::wstring> timeoutText;
    std::optional<std::wstring> scopeText, excludeText, onlyText, forText, countText, intervalText;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        const CommandFlag* named = nullptr;
        for (const CommandFlag& candidate : kCommands)
            if (argument == candidate.flag)
                named = &candidate;
        if (named) {
            if (command)
                return Error(L"only one of --list, --find, --tree, --send, --set, --wait, --name, --capture, "
                             L"--log, --watch, --help and --version at a time");
            command = named;
            continue;
        }
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), argument) !=
            std::end(kValueOptions)) {
            if (i + 1 == arguments.size())
                return Error(argument + L" needs a value");
            std::optional<std::wstring>& value = argument == L"--out"       ? invocation.outPath
                                                 : argument == L"--timeout" ? timeoutText
                                                 : argument == L"--scope"   ? scopeText
                                                 : argument == L"--exclude" ? excludeText
                                                 : argument == L"--only"    ? onlyText
                                                 : argument == L"--for"     ? forText
                                                 : argument == L"--count"   ? countText
                                                                            : intervalText;
            value = arguments[++i];
            options.push_back(argument);
        } else if (argument == L"--json" || argument == L"--summary" || argument == L"--more" ||
                   argument == L"--by-process" || argument == L"--gone" || argument == L"--client") {
            options.push_back(argument);
        } else if (argument.size() > 2 && argument.compare(0, 2, L"--") == 0) {
            return Error(L"unknown option " + argument);
        } else {
            operands.push_back(argument);
        }
    }

    if (!command)
        return Error(arguments.empty()
                         ? L"no command"
                         : L"no command: --list, --find, --tree, --send, --set, --wait, --name, --capture, "
                           L"--log or --watch");
    invocation.command = command->command;
    for (const std::wstring& option : options) {
        if (!Allows(invocation.command, option))
            return Error(option + L" does not go with " + std::wstring(command->flag));
    }
    if (operands.size() < command->minimumOperands || operands.size() > command->maximumOperands)
        return Error(std::wstring(command->flag) + (operands.size() < command->minimumOperands
                                                        ? L": too few arguments"
                                                        : L": too many arguments"));

    invocation.json = std::find(options.begin(), options.end(), L"--json") != options.end();
    invocation.summary = std::find(options.begin(), options.end(), L"--summary") != options.end();
    invocation.more = std::find(options.begin(), options.end(), L"--more") != options.end();
    // The further groups belong to the Detail listing alone: asking for both is a mistake to be told.
    if (invocation.summary && invocation.more)
        return Error(L"--more does not go with --summary");
    invocation.byProcess = std::find(options.begin(), options.end(), L"--by-process") != options.end();
    if (!operands.empty())
        invocation.target = operands[0];
    if (invocation.command == Command::Send) {
        const auto message = ReadTypedMessage(operands[1]);
        if (!message)
            return Error(L"not a message name or number: " + operands[1]);
        invocation.message = *message;
        if (operands.size() > 2 && !ParseNumber(operands[2], invocation.wParam))
            return Error(L"not a number: " + operands[2]);
        if (operands.size() > 3 && !ParseNumber(operands[3], invocation.lParam))
            return Error(L"not a number: " + operands[3]);
    }
    if (invocation.command == Command::Set) {
        invocation.changes.assign(operands.begin() + 1, operands.end());
        invocation.timeoutMs = kSetTimeoutMs;
    }
    if (timeoutText && !ParseNumber(*timeoutText, invocation.timeoutMs))
        return Error(L"not a number of milliseconds: " + *timeoutText);
    invocation.clientOnly = std::find(options.begin(), options.end(), L"--client") != options.end();
    // The picture is the command's one product: without a file there is nowhere to put it.
    if (invocation.command == Command::Capture && !invocation.outPath)
        return Error(L"--capture needs --out FILE.png");
    invocation.gone = std::find(options.begin(), options.end(), L"--gone") != options.end();
    if (invocation.command == Command::Wait && timeoutText)
        invocation.limitMs = invocation.timeoutMs;
    if (scopeText) {
        if (*scopeText == L"window")
            invocation.scope = LogScope::Window;
        else if (*scopeText == L"children")
            invocation.scope = LogScope::WindowAndChildren;
        else if (*scopeText == L"thread")
            invocation.scope = LogScope::Thread;
        else
            return Error(L"--scope is window, children or thread, not " + *scopeText);
    }
    if (excludeText && onlyText)
        return Error(L"--exclude does not go with --only");
    if (excludeText || onlyText) {
        const std::wstring& listText = excludeText ? *excludeText : *onlyText;
        auto messages = ReadMessageList(listText, invocation.filterCategories);
        if (!messages)
            return Error(L"not a list of message names or numbers: " + listText);
        if (messages->size() > kMaxExcludedMessages)
            return Error(L"at most " + std::to_wstring(kMaxExcludedMessages) + L" messages in " +
                         (excludeText ? L"--exclude" : L"--only"));
        invocation.filterMessages = std::move(*messages);
        invocation.showOnly = onlyText.has_value();
    }
    if (forText) {
        invocation.forMs = ReadSeconds(*forText);
        if (!invocation.forMs)
            return Error(L"not a number of seconds: " + *forText);
    }
    if (countText) {
        std::uint32_t count = 0;
        if (!ParseNumber(*countText, count) || count == 0)
            return Error(L"not a count of messages: " + *countText);
        invocation.count = count;
    }
    if (intervalText && (!ParseNumber(*intervalText, invocation.intervalMs) || invocation.intervalMs < 10 ||
                         invocation.intervalMs > 60000))
        return Error(L"not a number of milliseconds from 10 to 60000: " + *intervalText);
    return invocation;
}

std::wstring_view UsageText() {
    return L"Usage:\n"
           L"  orvex                                   start the window inspector\n"
           L"  orvex --list TARGET [--summary | --more] [--json]\n"
           L"                                          the window's Detail listing; --more adds its\n"
           L"                                          further groups, --summary lists the Summary\n"
           L"  orvex --find TARGET [--json]            every window the target names\n"
           L"  orvex --tree [--by-process] [--json]    the window tree\n"
           L"  orvex --send TARGET MESSAGE [WPARAM [LPARAM]] [--timeout MS]\n"
           L"                                          send a message, print what it returned\n"
           L"  orvex --set TARGET CHANGE... [--timeout MS] [--json]\n"
           L"                                          change the window, print each value before and\n"
           L"                                          after; CHANGE: text=TEXT, style=+NAME, style=-NAME,\n"
           L"                                          style=VALUE, exstyle=..., pos=X,Y, size=W,H, show,\n"
           L"                                          hide, enable, disable, topmost, notopmost, close\n"
           L"  orvex --wait TARGET [--gone] [--timeout MS] [--json]\n"
           L"                                          wait until a window matches (print the first, as\n"
           L"                                          --find does) or, with --gone, until none does\n"
           L"  orvex --name TARGET                     the shortest criteria naming only this window\n"
           L"  orvex --capture TARGET --out FILE.png [--client]\n"
           L"                                          a PNG of the window (or its client area) as drawn\n"

           L"  orvex --log TARGET [--scope window|children|thread] [--exclude MESSAGE,... | --only\n"
           L"              MESSAGE,...] [--for SECONDS] [--count N] [--json]; besides messages, --exclude\n"
           L"              and --only take categories: mouse, keyboard, nonclient, paint, focus,\n"
           L"              position, timer, commands, control, other\n"
           L"                                          the window's messages as they come, until the\n"
           L"                                          window goes, the time or count is up, or Ctrl+C\n"
           L"  orvex --watch TARGET [--for SECONDS] [--interval MS] [--json]\n"
           L"                                          the window's listing, then each row that changes\n"
           L"  orvex --help | --version\n"
           L"Any command but --help, --version, --log and --watch takes --out FILE (UTF-8; --capture: the\n"
           L"PNG).\n"
           L"TARGET: a handle (0x1A2B or decimal), a point (@X,Y), or criteria joined by commas:\n"
           L"  class=NAME, text=PART, pid=N, process=NAME.EXE, id=N, visible, top.\n"
           L"MESSAGE: a header name (WM_GETTEXTLENGTH), a registered name in double quotes or a number;\n"
           L"  numbers are decimal or 0x hexadecimal.\n"
           L"Exit status: 0 done, 1 usage, 2 refused, 3 no window or several, 4 time-out, 5 output file,\n"
           L"  130 stopped by Ctrl+C.\n";
}

} // namespace orvex::cli
