#include "inspect/WindowPropertyRows.h"

#include "common/ValueFormat.h"
#include "inspect/MoreRowsText.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using Property = std::pair<std::wstring, std::uint64_t>;

// Only collects: the rows are added once the window system has finished listing.
BOOL CALLBACK CollectProperty(HWND, LPWSTR name, HANDLE data, ULONG_PTR collected) {
    const std::wstring shown =
        IS_INTRESOURCE(name) ? orvex::FormatAtomName(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)))
                             : std::wstring(name);
    reinterpret_cast<std::vector<Property>*>(collected)->emplace_back(shown,
                                                                      reinterpret_cast<std::uintptr_t>(data));
    return TRUE;
}

} // namespace

void AddWindowPropertyRows(PropertySink& sink, HWND hwnd) {
    std::vector<Property> properties;
    ::EnumPropsExW(hwnd, &CollectProperty, reinterpret_cast<LPARAM>(&properties));
    if (properties.empty())
        sink.AddProperty(GROUP_WINDOW_PROPERTIES, orvex::kNone, L"", KIND_TEXT);
    // A property holds whatever its program keeps there, like the user data: a number.
    for (const auto& [name, data] : properties)
        sink.AddProperty(GROUP_WINDOW_PROPERTIES, name, orvex::FormatPointer(data), KIND_NUMBER);
}
