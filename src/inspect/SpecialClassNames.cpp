#include "inspect/SpecialClassNames.h"

namespace orvex {

namespace {

struct SpecialClass {
    std::wstring_view className;
    std::wstring_view suffix;
    // The tree capitalises every word; the property view's suffixes keep the older spelling.
    std::wstring_view displayName;
};

constexpr SpecialClass kSpecialClasses[] = {
    {L"#32768", L" (Menu)", L"Menu"},
    {L"#32769", L" (Desktop)", L"Desktop"},
    {L"#32770", L" (Dialog)", L"Dialog"},
    {L"#32771", L" (Task switch)", L"Task Switch"},
    {L"#32772", L" (Icon title)", L"Icon Title"},
};

const SpecialClass* FindSpecialClass(std::wstring_view className) {
    for (const SpecialClass& special : kSpecialClasses) {
        if (special.className == className)
            return &special;
    }
    return nullptr;
}

} // namespace

std::wstring_view GetSpecialClassSuffix(std::wstring_view className) {
    const SpecialClass* special = FindSpecialClass(className);
    return special ? special->suffix : std::wstring_view{};
}

std::wstring_view GetSpecialClassDisplayName(std::wstring_view className) {
    const SpecialClass* special = FindSpecialClass(className);
    return special ? special->displayName : std::wstring_view{};
}

} // namespace orvex
