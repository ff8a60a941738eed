#include "cli/Arguments.h"

#include "common/NumberSyntax.h"

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
};

// A change that has not finished within two seconds is reported as not answered.
constexpr std::uint32_t kSetTimeoutMs = 2000;

bool Allows(Command command, std::wstring_view option) {
    if (option == L"--out")
        return command != Command::Help && command != Command::Version;
    if (option == L"--json")
        return command == Command::List || command == Command::Find || command == Command::Tree ||
               command == Command::Set || command == Command::Wait;
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

} // namespace

std::variant<Invocation, UsageError> ParseArguments(const std::vector<std::wstring>& arguments) {
    Invocation invocation;
    const CommandFlag* command = nullptr;
    std::vector<std::wstring> operands;
    std::vector<std::wstring> options; // checked once the command is known
    std::optional<std::wstring> timeoutText;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        const CommandFlag* named = nullptr;
        for (const CommandFlag& candidate : kCommands)
            if (argument == candidate.flag)
                named = &candidate;
        if (named) {
            if (command)
                return Error(L"only one of --list, --find, --tree, --send, --set, --wait, --name, --help and "
                             L"--version at a "
                             L"time");
            command = named;
            continue;
        }
        if (argument == L"--out" || argument == L"--timeout") {
            if (i + 1 == arguments.size())
                return Error(argument + L" needs a value");
            (argument == L"--out" ? invocation.outPath : timeoutText) = arguments[++i];
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
                         : L"no command: --list, --find, --tree, --send, --set, --wait, --name or --capture");
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
           L"  orvex --help | --version\n"
           L"Any command but --help and --version takes --out FILE (UTF-8; --capture: the PNG).\n"
           L"TARGET: a handle (0x1A2B or decimal), a point (@X,Y), or criteria joined by commas:\n"
           L"  class=NAME, text=PART, pid=N, process=NAME.EXE, id=N, visible, top.\n"
           L"MESSAGE: a header name (WM_GETTEXTLENGTH), a registered name in double quotes or a number;\n"
           L"  numbers are decimal or 0x hexadecimal.\n"
           L"Exit status: 0 done, 1 usage, 2 refused, 3 no window or several, 4 time-out, 5 output file,\n"
           L"  130 Ctrl+C.\n";
}

} // namespace orvex::cli
