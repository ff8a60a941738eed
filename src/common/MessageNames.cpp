#include "common/MessageNames.h"

#include "common/AsciiCase.h"
#include "common/MessageNameTables.h"
#include "common/ValueFormat.h"

#include <algorithm>
#include <span>

namespace orvex {

namespace {

using namespace name_tables;

// Registered messages are atoms, numbered from MAXINTATOM up (winbase.h, not a message header).
constexpr std::uint32_t kFirstRegistered = 0xC000;
constexpr std::uint32_t kLastRegistered = 0xFFFF;

std::wstring_view Find(std::span<const NameEntry> table, std::uint32_t number) {
    const auto found =
        std::lower_bound(table.begin(), table.end(), number,
                         [](const NameEntry& entry, std::uint32_t value) { return entry.number < value; });
    return found != table.end() && found->number == number ? found->name : std::wstring_view{};
}

const ClassNames* FindClass(std::span<const ClassNames> classes, std::wstring_view className) {
    for (const ClassNames& entry : classes) {
        if (EqualsAsciiNoCase(className, entry.className))
            return &entry;
    }
    return nullptr;
}

// The one name the classes give `number`, starting from `only` (which may be empty); empty when
// two classes name it differently. Classes that share a table agree with themselves.
std::wstring_view OnlyNameAcross(std::span<const ClassNames> classes, std::uint32_t number,
                                 std::wstring_view only = {}) {
    for (const ClassNames& entry : classes) {
        const std::wstring_view name = Find(entry.names, number);
        if (name.empty() || name == only)
            continue;
        if (!only.empty())
            return {};
        only = name;
    }
    return only;
}

std::wstring Offset(std::wstring_view base, std::uint32_t offset) {
    std::wstring text(base);
    if (offset != 0)
        text += L'+' + std::to_wstring(offset);
    return text;
}

} // namespace

std::wstring_view HeaderMessageName(std::uint32_t message, std::wstring_view className) {
    if (const ClassNames* messageClass = FindClass(kClassMessageTables, className)) {
        if (const std::wstring_view name = Find(messageClass->names, message); !name.empty())
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
    if (message >= kFirstUserMessage && message < kFirstAppMessage)
        return Offset(L"WM_USER", message - kFirstUserMessage);
    if (message >= kFirstAppMessage && message < kFirstRegistered)
        return Offset(L"WM_APP", message - kFirstAppMessage);
    // %04X is a least width: a number above 0xFFFF keeps every digit.
    return FormatHex16(message);
}

std::vector<std::wstring_view> WindowMessageNames() {
    std::vector<std::wstring_view> names;
    names.reserve(std::size(kWindowMessages));
    for (const NameEntry& entry : kWindowMessages)
        names.push_back(entry.name);
    return names;
}

std::optional<std::uint32_t> MessageNumberOfName(std::wstring_view name) {
    std::uint32_t number = 0;
    if (FindMessageNumber(name, EqualsAsciiNoCase, number))
        return number;
    return std::nullopt;
}

std::wstring_view UniqueControlMessageName(std::uint32_t message) {
    return OnlyNameAcross(kClassMessageTables, message, Find(kCommonControlMessages, message));
}

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
    const ClassNames* sender = FindClass(kCommandCodeClasses, className);
    return sender ? Find(sender->names, code) : std::wstring_view{};
}

std::wstring_view NotificationName(std::uint32_t code, std::wstring_view className) {
    if (const std::wstring_view name = Find(kCommonNotifications, code); !name.empty())
        return name;
    if (const ClassNames* sender = FindClass(kNotificationClasses, className))
        return Find(sender->names, code);
    // Common controls number their notifications below zero, in ranges Windows hands out; the few
    // codes two families share (DTN_FORMATW and MCN_GETDAYSTATE) stay unnamed. A positive code may
    // be any control's own.
    return code >= 0x80000000u ? OnlyNameAcross(kNotificationClasses, code) : std::wstring_view{};
}

} // namespace orvex
