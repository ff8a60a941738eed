#include "select/TreeLabels.h"

#include "common/ValueFormat.h"
#include "inspect/SpecialClassNames.h"

#include <cwchar>

namespace orvex {

std::wstring_view TreeClassName(std::wstring_view className) {
    std::wstring_view display = GetSpecialClassDisplayName(className);
    return display.empty() ? className : display;
}

std::wstring FormatWindowLabel(std::uint64_t handle, std::wstring_view className, std::wstring_view text) {
    std::wstring label = L"(";
    label += PointerDigits(handle);
    label += L"h, ";
    label += TreeClassName(className);
    label += L") ";
    label += text;
    return label;
}

std::wstring FormatProcessLabel(std::uint32_t processId, std::wstring_view name) {
    wchar_t id[16];
    std::swprintf(id, 16, L"(%08Xh) ", static_cast<unsigned>(processId));
    std::wstring label = id;
    label += name;
    return label;
}

} // namespace orvex
