#include "find/WindowTarget.h"

#include "common/AsciiCase.h"
#include "common/NumberSyntax.h"

#include <iterator>
#include <limits>

namespace orvex {

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Every message ends with where it happened, so a message shown alone still points at the spot.
TargetError Error(std::size_t position, std::wstring message) {
    return {position, message + L" at " + std::to_wstring(position)};
}

// A run of digits starting at `at`, decimal or "0x" hexadecimal, no larger than `limit`. Stops at
// the first character that is not a digit; the caller decides whether that one may follow.
struct Number {
    std::uint64_t value = 0;
    std::size_t end = 0;
    bool read = false;     // at least one digit
    bool overflow = false; // more than `limit`
};

Number ReadUnsigned(std::wstring_view text, std::size_t at, std::uint64_t limit, bool hexAllowed) {
    Number number;
    unsigned base = 10;
    if (hexAllowed && at + 1 < text.size() && text[at] == L'0' &&
        (text[at + 1] == L'x' || text[at + 1] == L'X')) {
        base = 16;
        at += 2;
    }
    for (; at < text.size(); ++at) {
        const int digit = base == 16 ? HexDigitValue(text[at]) : (IsDigit(text[at]) ? text[at] - L'0' : -1);
        if (digit < 0)
            break;
        number.read = true;
        if (number.value > (limit - static_cast<unsigned>(digit)) / base)
            number.overflow = true;
        else
            number.value = number.value * base + static_cast<unsigned>(digit);
    }
    number.end = at;
    return number;
}

std::variant<WindowTarget, TargetError> ParseHandle(std::wstring_view text, std::size_t start) {
    const Number number = ReadUnsigned(text, start, std::numeric_limits<std::uint64_t>::max(), true);
    const std::wstring_view form = L"a window handle is written 0x1A2B or in decimal digits";
    if (!number.read)
        return Error(number.end, std::wstring(form));
    if (number.overflow)
        return Error(start, L"the window handle is larger than 64 bits");
    if (number.end != text.size())
        return Error(number.end, std::wstring(form));
    WindowTarget target;
    target.kind = WindowTarget::Kind::Handle;
    target.handle = number.value;
    return target;
}

std::size_t SkipSpaces(std::wstring_view text, std::size_t at) {
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    return at;
}

std::variant<WindowTarget, TargetError> ParsePoint(std::wstring_view text, std::size_t start) {
    const std::wstring_view form = L"'@' needs two numbers: @X,Y";
    WindowTarget target;
    target.kind = WindowTarget::Kind::Point;
    std::size_t at = start + 1;
    for (int* coordinate : {&target.x, &target.y}) {
        at = SkipSpaces(text, at);
        if (coordinate == &target.y) {
            if (at >= text.size() || text[at] != L',')
                return Error(at, std::wstring(form));
            at = SkipSpaces(text, at + 1);
        }
        const std::size_t numberStart = at;
        const bool negative = at < text.size() && text[at] == L'-';
        if (negative)
            ++at;
        // INT_MIN's magnitude is one more than INT_MAX.
        const std::uint64_t limit =
            static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + (negative ? 1u : 0u);
        const Number number = ReadUnsigned(text, at, limit, false);
        if (!number.read)
            return Error(at, std::wstring(form));
        if (number.overflow)
            return Error(numberStart, L"a screen coordinate must lie within 32 bits");
        *coordinate = negative ? static_cast<int>(-static_cast<std::int64_t>(number.value))
                               : static_cast<int>(number.value);
        at = number.end;
    }
    at = SkipSpaces(text, at);
    if (at != text.size())
        return Error(at, std::wstring(form));
    return target;
}

enum class Key { Class, Text, Pid, Process, Id, Visible, Top };

struct KeyName {
    Key key;
    const wchar_t* name;
    bool valued;
};

constexpr KeyName kKeys[] = {
    {Key::Class, L"class", true},     {Key::Text, L"text", true}, {Key::Pid, L"pid", true},
    {Key::Process, L"process", true}, {Key::Id, L"id", true},     {Key::Visible, L"visible", false},
    {Key::Top, L"top", false},
};

// A value up to the next comma that is not escaped, with its escapes resolved.
std::variant<std::wstring, TargetError> ReadValue(std::wstring_view text, std::size_t& at) {
    std::wstring value;
    for (; at < text.size() && text[at] != L','; ++at) {
        if (text[at] != L'\\') {
            value += text[at];
            continue;
        }
        if (at + 1 >= text.size() || (text[at + 1] != L',' && text[at + 1] != L'\\'))
            return Error(at, L"a backslash must be followed by ',' or '\\'");
        value += text[++at];
    }
    return value;
}

std::variant<WindowTarget, TargetError> ParseCriteria(std::wstring_view text, std::size_t start) {
    WindowTarget target;
    TargetCriteria& criteria = target.criteria;
    bool seen[std::size(kKeys)] = {};
    std::size_t at = start;
    for (;;) {
        // Spaces after a comma are how people write lists; they never belong to a name.
        at = SkipSpaces(text, at);
        const std::size_t keyStart = at;
        while (at < text.size() && text[at] != L'=' && text[at] != L',' && !IsSpace(text[at]))
            ++at;
        const std::wstring_view name = text.substr(keyStart, at - keyStart);
        at = SkipSpaces(text, at);
        if (name.empty())
            return Error(keyStart, L"a criterion such as 'class=Edit' or 'visible' is missing");
        const KeyName* key = nullptr;
        for (const KeyName& candidate : kKeys)
            if (EqualsAsciiNoCase(name, candidate.name))
                key = &candidate;
        if (!key)
            return Error(keyStart, L"unknown criterion '" + std::wstring(name) + L"'");
        bool& given = seen[static_cast<std::size_t>(key - kKeys)];
        if (given)
            return Error(keyStart, L"'" + std::wstring(key->name) + L"' is given twice");
        given = true;

        const bool hasValue = at < text.size() && text[at] == L'=';
        if (!key->valued) {
            if (hasValue)
                return Error(at, L"'" + std::wstring(key->name) + L"' takes no value");
            if (at < text.size() && text[at] != L',')
                return Error(at, L"a comma must follow '" + std::wstring(key->name) + L"'");
            (key->key == Key::Visible ? criteria.visibleOnly : criteria.topLevelOnly) = true;
        } else {
            if (!hasValue)
                return Error(at, L"'" + std::wstring(key->name) + L"' needs a value after '='");
            const std::size_t valueStart = ++at;
            auto read = ReadValue(text, at);
            if (auto* error = std::get_if<TargetError>(&read))
                return *error;
            std::wstring& value = std::get<std::wstring>(read);
            // An empty value would match every window (a text part) or none (a name): neither is
            // something a person means by typing it.
            if (value.empty())
                return Error(valueStart, L"'" + std::wstring(key->name) + L"' needs a value after '='");
            switch (key->key) {
            case Key::Class:
                criteria.className = std::move(value);
                break;
            case Key::Text:
                criteria.text = std::move(value);
                break;
            case Key::Process:
                criteria.processName = std::move(value);
                break;
            case Key::Pid:
            case Key::Id: {
                const Number number = ReadUnsigned(value, 0, std::numeric_limits<std::uint32_t>::max(), true);
                if (!number.read || number.overflow || number.end != value.size())
                    return Error(valueStart, L"'" + std::wstring(key->name) + L"' needs a number");
                (key->key == Key::Pid ? criteria.processId : criteria.controlId) =
                    static_cast<std::uint32_t>(number.value);
                break;
            }
            case Key::Visible:
            case Key::Top:
                break;
            }
        }
        if (at >= text.size())
            return target;
        ++at; // the comma
    }
}

} // namespace

std::variant<WindowTarget, TargetError> ParseWindowTarget(std::wstring_view text) {
    std::size_t start = 0, end = text.size();
    while (start < end && IsSpace(text[start]))
        ++start;
    while (end > start && IsSpace(text[end - 1]))
        --end;
    if (start == end)
        return Error(start, L"the target is empty");
    // Positions count from the start of the whole text, so the text is cut at its end only.
    const std::wstring_view trimmed = text.substr(0, end);
    if (trimmed[start] == L'@')
        return ParsePoint(trimmed, start);
    if (IsDigit(trimmed[start]))
        return ParseHandle(trimmed, start);
    return ParseCriteria(trimmed, start);
}

namespace {

bool EqualsFolded(std::wstring_view a, std::wstring_view b, UpperCase upper) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

bool ContainsFolded(std::wstring_view text, std::wstring_view part, UpperCase upper) {
    if (part.size() > text.size())
        return false;
    for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
        if (EqualsFolded(text.substr(i, part.size()), part, upper))
            return true;
    return false;
}

} // namespace

bool MeetsCriteria(const TargetCriteria& criteria, const CandidateWindow& window, UpperCase upper) {
    if (criteria.visibleOnly && !window.visible)
        return false;
    if (criteria.topLevelOnly && !window.topLevel)
        return false;
    if (criteria.processId && *criteria.processId != window.processId)
        return false;
    if (criteria.controlId && criteria.controlId != window.controlId)
        return false;
    if (criteria.className && !EqualsFolded(*criteria.className, window.className, upper))
        return false;
    if (criteria.processName && !EqualsFolded(*criteria.processName, window.processName, upper))
        return false;
    if (criteria.text && !ContainsFolded(window.text, *criteria.text, upper))
        return false;
    return true;
}

} // namespace orvex
