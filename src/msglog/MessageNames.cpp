#include "msglog/MessageNames.h"

#include "common/AsciiCase.h"
#include "common/ValueFormat.h"

#include <algorithm>
#include <span>

namespace orvex {

namespace {

struct MessageNameEntry {
    std::uint32_t number;
    std::wstring_view name;
};

struct ClassMessageTable {
    std::wstring_view className;
    std::span<const MessageNameEntry> messages;
    bool commonControl;
};

// kWindowMessages, kCommonControlMessages, one table per family of control classes and
// kClassMessageTables, written by scripts/make_message_names.py from the MinGW-w64 headers.
#include "msglog/MessageNameTables.inc"

constexpr bool IsStrictlyIncreasing(std::span<const MessageNameEntry> table) {
    return std::adjacent_find(table.begin(), table.end(),
                              [](const MessageNameEntry& a, const MessageNameEntry& b) {
                                  return a.number >= b.number;
                              }) == table.end();
}

constexpr bool EveryTableIsStrictlyIncreasing() {
    if (!IsStrictlyIncreasing(kWindowMessages) || !IsStrictlyIncreasing(kCommonControlMessages))
        return false;
    return std::all_of(std::begin(kClassMessageTables), std::end(kClassMessageTables),
                       [](const ClassMessageTable& entry) { return IsStrictlyIncreasing(entry.messages); });
}

// The lookups search by halves; a table edited by hand out of order would silently lose names.
static_assert(EveryTableIsStrictlyIncreasing());

constexpr std::uint32_t kWmUser = 0x0400;
constexpr std::uint32_t kWmApp = 0x8000;
constexpr std::uint32_t kFirstRegistered = 0xC000;
constexpr std::uint32_t kLastRegistered = 0xFFFF;

std::wstring_view Find(std::span<const MessageNameEntry> table, std::uint32_t message) {
    const auto found = std::lower_bound(
        table.begin(), table.end(), message,
        [](const MessageNameEntry& entry, std::uint32_t number) { return entry.number < number; });
    return found != table.end() && found->number == message ? found->name : std::wstring_view{};
}

const ClassMessageTable* FindClass(std::wstring_view className) {
    for (const ClassMessageTable& entry : kClassMessageTables) {
        if (EqualsAsciiNoCase(className, entry.className))
            return &entry;
    }
    return nullptr;
}

std::wstring Offset(std::wstring_view base, std::uint32_t offset) {
    std::wstring text(base);
    if (offset != 0)
        text += L'+' + std::to_wstring(offset);
    return text;
}

} // namespace

std::wstring_view HeaderMessageName(std::uint32_t message, std::wstring_view className) {
    if (const ClassMessageTable* messageClass = FindClass(className)) {
        if (const std::wstring_view name = Find(messageClass->messages, message); !name.empty())
            return name;
        if (messageClass->commonControl) {
            if (const std::wstring_view name = Find(kCommonControlMessages, message); !name.empty())
                return name;
        }
    }
    return Find(kWindowMessages, message);
}

std::wstring MessageName(std::uint32_t message, std::wstring_view className,
                         const RegisteredNameLookup& registered) {
    if (const std::wstring_view name = HeaderMessageName(message, className); !name.empty())
        return std::wstring(name);
    if (message >= kFirstRegistered && message <= kLastRegistered && registered) {
        if (const std::optional<std::wstring> name = registered(message); name && !name->empty())
            return L'"' + *name + L'"';
    }
    if (message >= kWmUser && message < kWmApp)
        return Offset(L"WM_USER", message - kWmUser);
    if (message >= kWmApp && message < kFirstRegistered)
        return Offset(L"WM_APP", message - kWmApp);
    // %04X is a least width: a number above 0xFFFF keeps every digit.
    return FormatHex16(message);
}

std::vector<std::wstring_view> WindowMessageNames() {
    std::vector<std::wstring_view> names;
    names.reserve(std::size(kWindowMessages));
    for (const MessageNameEntry& entry : kWindowMessages)
        names.push_back(entry.name);
    return names;
}

std::optional<std::uint32_t> MessageNumberOfName(std::wstring_view name) {
    const auto in = [name](std::span<const MessageNameEntry> table) -> std::optional<std::uint32_t> {
        for (const MessageNameEntry& entry : table) {
            if (EqualsAsciiNoCase(name, entry.name))
                return entry.number;
        }
        return std::nullopt;
    };
    if (const auto number = in(kWindowMessages))
        return number;
    if (const auto number = in(kCommonControlMessages))
        return number;
    for (const ClassMessageTable& entry : kClassMessageTables) {
        if (const auto number = in(entry.messages))
            return number;
    }
    return std::nullopt;
}

std::wstring_view UniqueControlMessageName(std::uint32_t message) {
    std::wstring_view unique = Find(kCommonControlMessages, message);
    for (const ClassMessageTable& entry : kClassMessageTables) {
        const std::wstring_view name = Find(entry.messages, message);
        if (name.empty() || name == unique)
            continue;
        if (!unique.empty())
            return {};
        unique = name;
    }
    return unique;
}

} // namespace orvex
