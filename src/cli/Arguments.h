#pragma once
// What Orvex is asked to do from its command line, read from the arguments. Pure logic: no window
// system here; the target's text is read later, by find/WindowTarget.h.

#include "common/TypedMessage.h"
#include "msglog/LogMapping.h"
#include "msglog/MessageCategories.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orvex::cli {

// The exit statuses; each is documented in docs/command-line.md.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitUsage = 1,
    kExitFailed = 2,   // the job could not be done (a send or a change the system refused)
    kExitNoWindow = 3, // the target names no window, or several where one is needed
    kExitTimedOut = 4,
    kExitOutputFile = 5,
    kExitInterrupted = 130, // Ctrl+C, as a shell counts a process ended by it
};

enum class Command { Help, Version, List, Find, Tree, Send, Set, Wait, Name, Capture, Log, Watch };

struct Invocation {
    Command command = Command::Help;
    std::wstring target;
    bool summary = false;
    bool more = false; // --list: the Detail listing's further groups too
    bool json = false;
    bool byProcess = false;
    TypedMessage message;
    std::uint32_t wParam = 0; // typed 32-bit values, sent sign-extended
    std::uint32_t lParam = 0;
    std::vector<std::wstring> changes; // --set: each as typed, read once the window's class is known
    std::uint32_t timeoutMs = 5000;    // --set: 2000 unless given
    std::optional<std::wstring> outPath;
    bool gone = false;                    // --wait: until no window matches
    std::optional<std::uint32_t> limitMs; // --wait: for ever unless --timeout is given
    bool clientOnly = false;              // --capture: the client area alone
    // --log: the scope, the messages of --exclude or --only (as typed, registered names resolved
    // once logging), and when to stop.
    LogScope scope = LogScope::Window;
    std::vector<TypedMessage> filterMessages;
    std::uint32_t filterCategories = 0; // the categories --exclude or --only names
    bool showOnly = false;
    std::optional<std::uint32_t> forMs;
    std::optional<std::uint64_t> count;
    std::uint32_t intervalMs = 250; // --watch: between two reads
};

struct UsageError {
    std::wstring message;
};

// The arguments after the program's name. Options may come in any order after or before the
// command's own arguments; an option that does not belong to the command is an error.
std::variant<Invocation, UsageError> ParseArguments(const std::vector<std::wstring>& arguments);

std::wstring_view UsageText();

} // namespace orvex::cli
