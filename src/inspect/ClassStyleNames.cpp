#include "inspect/ClassStyleNames.h"

#include "inspect/SpecialClassNames.h"

namespace orvex {

namespace {

// The platform's values, spelled out so this file needs no window-system header.
constexpr ClassStyleName kClassStyles[] = {
    {L"CS_VREDRAW", 0x0001},         {L"CS_HREDRAW", 0x0002},     {L"CS_DBLCLKS", 0x0008},
    {L"CS_OWNDC", 0x0020},           {L"CS_CLASSDC", 0x0040},     {L"CS_PARENTDC", 0x0080},
    {L"CS_NOCLOSE", 0x0200},         {L"CS_SAVEBITS", 0x0800},    {L"CS_BYTEALIGNCLIENT", 0x1000},
    {L"CS_BYTEALIGNWINDOW", 0x2000}, {L"CS_GLOBALCLASS", 0x4000}, {L"CS_IME", 0x10000},
    {L"CS_DROPSHADOW", 0x20000},
};

} // namespace

std::span<const ClassStyleName> ClassStyleTable() {
    return kClassStyles;
}

std::wstring FormatClassStyles(std::uint32_t classStyle) {
    return FormatBitNames(kClassStyles, classStyle);
}

std::wstring FormatClassNameWithStyles(std::wstring_view className, std::uint32_t classStyle) {
    std::wstring text(className);
    text += GetSpecialClassSuffix(className);
    std::wstring styles = FormatClassStyles(classStyle);
    if (!styles.empty())
        text += L" [" + styles + L"]";
    return text;
}

} // namespace orvex
