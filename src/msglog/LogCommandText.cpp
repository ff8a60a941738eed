#include "msglog/LogCommandText.h"

#include "common/MessageNames.h"
#include "common/ValueFormat.h"

#include <algorithm>
#include <cwctype>

namespace orvex {

namespace {

constexpr std::wstring_view kKeywords[] = {L"mouse",    L"keyboard", L"nonclient", L"paint",   L"focus",
                                           L"position", L"timer",    L"commands",  L"control", L"other"};
static_assert(std::size(kKeywords) == static_cast<std::size_t>(MessageCategory::Count));

wchar_t AsciiLower(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

} // namespace

std::wstring_view CategoryKeyword(MessageCategory category) {
    const auto index = static_cast<std::size_t>(category);
    return index < std::size(kKeywords) ? kKeywords[index] : std::wstring_view();
}

std::optional<MessageCategory> CategoryFromKeyword(std::wstring_view keyword) {
    for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
        if (std::equal(keyword.begin(), keyword.end(), kKeywords[i].begin(), kKeywords[i].end(),
                       [](wchar_t a, wchar_t b) { return AsciiLower(a) == b; }))
            return static_cast<MessageCategory>(i);
    }
    return std::nullopt;
}

std::optional<std::wstring> LogCommandText(std::wstring_view target, LogScope scope,
                                           const MessageFilter& filter) {
    if (filter.ShowsNothing())
        return std::nullopt;
    std::wstring text = L"Orvex.com --log ";
    text += target;
    if (scope == LogScope::WindowAndChildren)
        text += L" --scope children";
    else if (scope == LogScope::Thread)
        text += L" --scope thread";

    const bool showOnly = filter.mode == FilterMode::ShowOnly;
    std::wstring list;
    const auto add = [&list](std::wstring_view item) { list.append(list.empty() ? L"" : L",").append(item); };
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(MessageCategory::Count); ++i) {
        const bool checked = (filter.shownCategories & CategoryBit(static_cast<MessageCategory>(i))) != 0;
        if (checked == showOnly)
            add(kKeywords[i]);
    }
    for (const std::uint32_t message : filter.excluded) {
        // A registered message's number holds only while the system runs; it is still the number.
        if (const std::wstring_view name = HeaderMessageName(message, {}); !name.empty())
            add(name);
        else
            add(FormatHex32(message));
    }
    if (!list.empty())
        text += (showOnly ? L" --only " : L" --exclude ") + list;
    return text;
}

} // namespace orvex
