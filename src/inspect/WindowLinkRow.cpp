#include "inspect/WindowLinkRow.h"

#include "inspect/MoreRowsText.h"

#include <cstdint>
#include <string>

namespace {

// Class names are at most 256 characters.
constexpr int kClassNameBuffer = 257;

} // namespace

void AddWindowLinkRow(PropertySink& sink, int group, const wchar_t* name, HWND window) {
    if (!window) {
        sink.AddProperty(group, name, orvex::kNone, KIND_TEXT);
        return;
    }
    wchar_t className[kClassNameBuffer] = {};
    const int length = ::GetClassNameW(window, className, kClassNameBuffer);
    const std::wstring_view shown(className, length > 0 ? static_cast<size_t>(length) : 0);
    sink.AddProperty(group, name, orvex::FormatWindowLink(reinterpret_cast<std::uintptr_t>(window), shown),
                     KIND_WINDOW_LINK);
}
