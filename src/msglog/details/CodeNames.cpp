#include "msglog/details/CodeNames.h"

#include "common/AsciiCase.h"

#include <algorithm>
#include <span>

namespace orvex {

namespace {

struct CodeName {
    std::uint32_t code;
    std::wstring_view name;
};

struct ClassCodeNames {
    std::wstring_view className;
    std::span<const CodeName> codes;
};

// The code tables and the classes that send them, written by scripts/make_code_names.py from the
// MinGW-w64 headers.
#include "msglog/details/CodeNameTables.inc"

constexpr bool IsStrictlyIncreasing(std::span<const CodeName> table) {
    return std::adjacent_find(table.begin(), table.end(), [](const CodeName& a, const CodeName& b) {
               return a.code >= b.code;
           }) == table.end();
}

constexpr bool EveryClassTableIsStrictlyIncreasing(std::span<const ClassCodeNames> classes) {
    return std::all_of(classes.begin(), classes.end(),
                       [](const ClassCodeNames& entry) { return IsStrictlyIncreasing(entry.codes); });
}

// The lookups search by halves; a table edited by hand out of order would silently lose names.
static_assert(IsStrictlyIncreasing(kVirtualKeys) && IsStrictlyIncreasing(kHitTestCodes) &&
              IsStrictlyIncreasing(kSysCommands) && IsStrictlyIncreasing(kCommonNotifications) &&
              EveryClassTableIsStrictlyIncreasing(kCommandCodeClasses) &&
              EveryClassTableIsStrictlyIncreasing(kNotificationClasses));

std::wstring_view Find(std::span<const CodeName> table, std::uint32_t code) {
    const auto found =
        std::lower_bound(table.begin(), table.end(), code,
                         [](const CodeName& entry, std::uint32_t value) { return entry.code < value; });
    return found != table.end() && found->code == code ? found->name : std::wstring_view{};
}

const ClassCodeNames* FindClass(std::span<const ClassCodeNames> classes, std::wstring_view className) {
    for (const ClassCodeNames& entry : classes) {
        if (EqualsAsciiNoCase(className, entry.className))
            return &entry;
    }
    return nullptr;
}

// Common controls number their notifications below zero, in ranges Windows hands out; the few
// codes two families share (DTN_FORMATW and MCN_GETDAYSTATE) stay unnamed. A positive code may be
// any control's own.
std::wstring_view NotificationOfAnyControl(std::uint32_t code) {
    if (code < 0x80000000u)
        return {};
    std::wstring_view only;
    for (const ClassCodeNames& entry : kNotificationClasses) {
        const std::wstring_view name = Find(entry.codes, code);
        if (name.empty() || name == only)
            continue;
        if (!only.empty())
            return {};
        only = name;
    }
    return only;
}

} // namespace

std::wstring_view VirtualKeyName(std::uint32_t key) {
    return Find(kVirtualKeys, key);
}

std::wstring_view HitTestName(std::int32_t code) {
    return Find(kHitTestCodes, static_cast<std::uint32_t>(code));
}

std::wstring_view SysCommandName(std::uint32_t command) {
    return Find(kSysCommands, command);
}

std::wstring_view CommandCodeName(std::uint16_t code, std::wstring_view className) {
    const ClassCodeNames* sender = FindClass(kCommandCodeClasses, className);
    return sender ? Find(sender->codes, code) : std::wstring_view{};
}

std::wstring_view NotificationName(std::uint32_t code, std::wstring_view className) {
    if (const std::wstring_view name = Find(kCommonNotifications, code); !name.empty())
        return name;
    const ClassCodeNames* sender = FindClass(kNotificationClasses, className);
    return sender ? Find(sender->codes, code) : NotificationOfAnyControl(code);
}

} // namespace orvex
