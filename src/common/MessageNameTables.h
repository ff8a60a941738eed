#pragma once
// The names the Windows headers give to messages and to the codes inside their parameters, as
// tables written by scripts/make_message_names.py from the MinGW-w64 headers, and a message's
// number looked up by its name at compile time. Pure logic: no window system here.
//
// Everything here is constant. Code that reads it only in constant expressions (the categories of
// the hook library, which runs inside other programs) carries none of it at run time.

#include <cstdint>
#include <span>
#include <string_view>

namespace orvex::name_tables {

struct NameEntry {
    std::uint32_t number;
    std::wstring_view name;
};

// The names a class gives to numbers of its own. A common control also answers the CCM_ messages.
struct ClassNames {
    std::wstring_view className;
    std::span<const NameEntry> names;
    bool commonControl;
};

#include "common/MessageNameTables.inc"

// The message tables in the order a name is looked up in them.
template <typename Visit> constexpr bool ForEachMessageTable(Visit visit) {
    if (visit(std::span<const NameEntry>(kWindowMessages)) ||
        visit(std::span<const NameEntry>(kCommonControlMessages)))
        return true;
    for (const ClassNames& entry : kClassMessageTables) {
        if (visit(entry.names))
            return true;
    }
    return false;
}

constexpr bool IsStrictlyIncreasing(std::span<const NameEntry> table) {
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (table[i - 1].number >= table[i].number)
            return false;
    }
    return true;
}

constexpr bool EveryTableIsStrictlyIncreasing() {
    const auto increasing = [](std::span<const ClassNames> classes) {
        for (const ClassNames& entry : classes) {
            if (!IsStrictlyIncreasing(entry.names))
                return false;
        }
        return true;
    };
    return !ForEachMessageTable(
               [](std::span<const NameEntry> table) { return !IsStrictlyIncreasing(table); }) &&
           IsStrictlyIncreasing(kVirtualKeys) && IsStrictlyIncreasing(kHitTestCodes) &&
           IsStrictlyIncreasing(kSysCommands) && IsStrictlyIncreasing(kCommonNotifications) &&
           increasing(kCommandCodeClasses) && increasing(kNotificationClasses);
}

// The lookups search by halves; a table edited by hand out of order would silently lose names.
static_assert(EveryTableIsStrictlyIncreasing());

// The number of the message of that name in the first table that has it; `equal` compares names.
template <typename Equal>
constexpr bool FindMessageNumber(std::wstring_view name, Equal equal, std::uint32_t& number) {
    return ForEachMessageTable([&](std::span<const NameEntry> table) {
        for (const NameEntry& entry : table) {
            if (equal(entry.name, name)) {
                number = entry.number;
                return true;
            }
        }
        return false;
    });
}

// Deliberately not constexpr, and never defined: reaching it stops a compile-time lookup.
std::uint32_t NoMessageOfThatName();

} // namespace orvex::name_tables

namespace orvex {

// The number of a message by its header name, spelt exactly (WM_MOVE, EM_SETSEL), evaluated while
// compiling: a name the headers do not give fails to compile.
consteval std::uint32_t MessageNumber(std::wstring_view name) {
    std::uint32_t number = 0;
    if (!name_tables::FindMessageNumber(
            name, [](std::wstring_view a, std::wstring_view b) { return a == b; }, number))
        return name_tables::NoMessageOfThatName();
    return number;
}

} // namespace orvex
