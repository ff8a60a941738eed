#include "change/WindowChange.h"

#include "change/StyleChoices.h"
#include "common/AsciiCase.h"
#include "common/NumberSyntax.h"
#include "common/ValueFormat.h"

#include <optional>

namespace orvex {

namespace {

// Every message ends with where it happened, as the command line's target errors do.
ChangeError Error(std::size_t position, std::wstring message) {
    return {position, message + L" at " + std::to_wstring(position)};
}

struct StateWord {
    std::wstring_view word;
    ChangeKind kind;
};

constexpr StateWord kStateWords[] = {
    {L"show", ChangeKind::Show},
    {L"hide", ChangeKind::Hide},
    {L"enable", ChangeKind::Enable},
    {L"disable", ChangeKind::Disable},
    {L"topmost", ChangeKind::TopMost},
    {L"notopmost", ChangeKind::NoTopMost},
    {L"close", ChangeKind::Close},
    {L"minimize", ChangeKind::Minimize},
    {L"maximize", ChangeKind::Maximize},
    {L"restore", ChangeKind::Restore},
    {L"bringtotop", ChangeKind::BringToTop},
};

// A number as the send-message dialog reads one, or a minus sign before one: the typed 32-bit
// value, negated in 32 bits, so that "-1" and "0xFFFFFFFF" are the same coordinate.
std::optional<std::int32_t> ReadSigned(std::wstring_view text) {
    const bool negative = !text.empty() && text.front() == L'-';
    std::uint32_t magnitude = 0;
    if (!ParseNumber(negative ? text.substr(1) : text, magnitude))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::variant<WindowChange, ChangeError> ReadPair(ChangeKind kind, std::wstring_view text, std::size_t start) {
    const std::wstring_view form = kind == ChangeKind::Position ? L"'pos' needs two numbers: pos=X,Y"
                                                                : L"'size' needs two numbers: size=W,H";
    const std::wstring_view value = text.substr(start);
    const std::size_t comma = value.find(L',');
    if (comma == std::wstring_view::npos)
        return Error(text.size(), std::wstring(form));
    WindowChange change;
    change.kind = kind;
    const auto first = ReadSigned(value.substr(0, comma));
    if (!first)
        return Error(start, L"not a number: '" + std::wstring(value.substr(0, comma)) + L"'");
    const auto second = ReadSigned(value.substr(comma + 1));
    if (!second)
        return Error(start + comma + 1, L"not a number: '" + std::wstring(value.substr(comma + 1)) + L"'");
    change.x = *first;
    change.y = *second;
    return change;
}

std::variant<WindowChange, ChangeError> ReadStyle(ChangeKind kind, std::wstring_view text, std::size_t start,
                                                  std::wstring_view className) {
    WindowChange change;
    change.kind = kind;
    const std::wstring_view value = text.substr(start);
    const StyleWord word = kind == ChangeKind::Style ? StyleWord::Style : StyleWord::ExStyle;
    const wchar_t* key = kind == ChangeKind::Style ? L"'style'" : L"'exstyle'";
    if (value.empty())
        return Error(start, std::wstring(key) + L" needs +NAME, -NAME or a number");
    std::uint32_t number = 0;
    if (value.front() != L'+' && value.front() != L'-') {
        if (!ParseNumber(value, number))
            return Error(start,
                         L"not a number: '" + std::wstring(value) + L"' (a name needs + or - before it)");
        change.setBits = number;
        change.clearBits = 0xFFFFFFFFu;
        return change;
    }
    const bool adding = value.front() == L'+';
    const std::wstring_view name = value.substr(1);
    if (name.empty())
        return Error(start + 1,
                     std::wstring(key) + L" needs a name or a number after '" + value.front() + L"'");
    // Bits no name covers are typed as a number.
    if (ParseNumber(name, number)) {
        (adding ? change.setBits : change.clearBits) = number;
        return change;
    }
    const auto choice = FindStyleChoice(word, className, name);
    if (!choice) {
        const StyleWord other = word == StyleWord::Style ? StyleWord::ExStyle : StyleWord::Style;
        std::wstring message = L"unknown style name '" + std::wstring(name) + L"'";
        if (!className.empty())
            message += L" for class " + std::wstring(className);
        if (FindStyleChoice(other, className, name))
            message += other == StyleWord::ExStyle ? L" (an extended style: exstyle=)"
                                                   : L" (a window style: style=)";
        return Error(start + 1, message);
    }
    if (adding) {
        change.setBits = choice->value;
        change.clearBits = choice->group;
    } else {
        if (choice->value == 0)
            return Error(start + 1, L"'" + std::wstring(choice->name) +
                                        L"' names no bits to clear; set another name of its group");
        change.clearBits = choice->value;
    }
    return change;
}

} // namespace

ChangeProperty PropertyOf(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::Text:
        return ChangeProperty::Text;
    case ChangeKind::Style:
        return ChangeProperty::Style;
    case ChangeKind::ExStyle:
        return ChangeProperty::ExStyle;
    case ChangeKind::Position:
        return ChangeProperty::Position;
    case ChangeKind::Size:
        return ChangeProperty::Size;
    case ChangeKind::Show:
    case ChangeKind::Hide:
        return ChangeProperty::Visible;
    case ChangeKind::Enable:
    case ChangeKind::Disable:
        return ChangeProperty::Enabled;
    case ChangeKind::TopMost:
    case ChangeKind::NoTopMost:
        return ChangeProperty::TopMost;
    case ChangeKind::Close:
        return ChangeProperty::Open;
    case ChangeKind::Minimize:
    case ChangeKind::Maximize:
    case ChangeKind::Restore:
        return ChangeProperty::ShowState;
    case ChangeKind::BringToTop:
        return ChangeProperty::ZOrder;
    }
    return ChangeProperty::Open;
}

std::variant<WindowChange, ChangeError> ParseWindowChange(std::wstring_view text,
                                                          std::wstring_view className) {
    if (text.empty())
        return Error(0, L"the change is empty");
    const std::size_t equals = text.find(L'=');
    const std::wstring_view key = text.substr(0, equals);
    if (equals == std::wstring_view::npos) {
        for (const StateWord& state : kStateWords)
            if (EqualsAsciiNoCase(key, state.word)) {
                WindowChange change;
                change.kind = state.kind;
                return change;
            }
    } else {
        const std::size_t start = equals + 1;
        if (EqualsAsciiNoCase(key, L"text")) {
            WindowChange change;
            change.kind = ChangeKind::Text;
            change.text = text.substr(start);
            return change;
        }
        if (EqualsAsciiNoCase(key, L"style"))
            return ReadStyle(ChangeKind::Style, text, start, className);
        if (EqualsAsciiNoCase(key, L"exstyle"))
            return ReadStyle(ChangeKind::ExStyle, text, start, className);
        if (EqualsAsciiNoCase(key, L"pos"))
            return ReadPair(ChangeKind::Position, text, start);
        if (EqualsAsciiNoCase(key, L"size"))
            return ReadPair(ChangeKind::Size, text, start);
    }
    return Error(0, L"unknown change '" + std::wstring(key) +
                        L"': text=, style=, exstyle=, pos=, size=, show, hide, enable, disable, topmost, "
                        L"notopmost, close, minimize, maximize, restore or bringtotop");
}

std::wstring ChangeText(const WindowChange& change) {
    switch (change.kind) {
    case ChangeKind::Text:
        return L"text=" + change.text;
    case ChangeKind::Style:
    case ChangeKind::ExStyle: {
        const std::wstring key = change.kind == ChangeKind::Style ? L"style=" : L"exstyle=";
        if (change.clearBits == 0xFFFFFFFFu)
            return key + FormatHex32(change.setBits);
        if (change.clearBits == 0)
            return key + L"+" + FormatHex32(change.setBits);
        if (change.setBits == 0)
            return key + L"-" + FormatHex32(change.clearBits);
        return key + L"+" + FormatHex32(change.setBits) + L" (clearing " + FormatHex32(change.clearBits) +
               L")";
    }
    case ChangeKind::Position:
    case ChangeKind::Size:
        return (change.kind == ChangeKind::Position ? L"pos=" : L"size=") + std::to_wstring(change.x) + L"," +
               std::to_wstring(change.y);
    default:
        break;
    }
    for (const StateWord& state : kStateWords)
        if (state.kind == change.kind)
            return std::wstring(state.word);
    return {};
}

} // namespace orvex
