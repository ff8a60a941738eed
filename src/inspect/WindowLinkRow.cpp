#include "inspect/WindowLinkRow.h"

#include "inspect/MoreRowsText.h"
#include "inspect/WindowFacts.h"

#include <cstdint>
#include <string>

void AddWindowLinkRow(PropertySink& sink, int group, const wchar_t* name, HWND window) {
    if (!window) {
        sink.AddProperty(group, name, orvex::kNone, KIND_TEXT);
        return;
    }
    sink.AddProperty(
        group, name,
        orvex::FormatWindowLink(reinterpret_cast<std::uintptr_t>(window), WindowClassName(window)),
        KIND_WINDOW_LINK);
}
