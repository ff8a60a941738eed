#include "inspect/ListingExport.h"

#include "common/Utf8Text.h"
#include "common/ValueFormat.h"
#include "inspect/PropertySink.h"

#include <nlohmann/json.hpp>

#include <iterator>

namespace orvex {

std::wstring_view GroupHeading(int group) {
    switch (group) {
    case GROUP_SUMMARY:
        return L"Summary";
    case GROUP_GENERAL:
        return L"General";
    case GROUP_STYLES:
        return L"Styles";
    case GROUP_CLASS:
        return L"Class";
    case GROUP_PROCESS:
        return L"Process";
    case GROUP_WINDOWS:
        return L"Windows";
    case GROUP_WINDOW_PROPERTIES:
        return L"Window Properties";
    case GROUP_DISPLAY:
        return L"Display";
    case GROUP_THREAD:
        return L"Thread";
    default:
        return L"";
    }
}

std::string_view KindName(int kind) {
    static constexpr std::string_view kNames[] = {
        "text",        "class-name", "number",        "constant",        "address",      "handle",
        "window-flag", "class-flag", "window-styles", "extended-styles", "class-styles", "window-link",
    };
    return kind >= 0 && kind < static_cast<int>(std::size(kNames)) ? kNames[kind] : kNames[KIND_TEXT];
}

int KindIndent(int kind) {
    return kind == KIND_WINDOW_FLAG || kind == KIND_CLASS_FLAG ? 1 : 0;
}

std::string ListingJson(std::uint64_t window, const std::vector<ListingRow>& rows) {
    // Ordered: readers see the keys in the order the schema gives them.
    nlohmann::ordered_json listing;
    listing["format"] = "orvex-listing/1";
    listing["window"] = Utf8FromWide(FormatPointer(window));
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (const ListingRow& row : rows) {
        nlohmann::ordered_json item;
        item["group"] = Utf8FromWide(GroupHeading(row.group));
        item["name"] = Utf8FromWide(row.name);
        item["value"] = Utf8FromWide(row.value);
        item["kind"] = std::string(KindName(row.kind));
        item["indent"] = KindIndent(row.kind);
        array.push_back(std::move(item));
    }
    listing["rows"] = std::move(array);
    // The texts are valid UTF-8 by construction; replacing is a guard that never throws.
    return listing.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

std::wstring ListingText(const std::vector<ListingRow>& rows) {
    std::wstring text;
    bool first = true;
    int group = -1;
    for (const ListingRow& row : rows) {
        if (first || row.group != group) {
            if (!first)
                text += L"\n";
            text += GroupHeading(row.group);
            text += L"\n";
            group = row.group;
            first = false;
        }
        text.append(static_cast<std::size_t>(KindIndent(row.kind)) * 2, L' ');
        text += row.name + L": " + row.value + L"\n";
    }
    return text;
}

} // namespace orvex
