#pragma once
// A window's listing as text and as JSON, outside the list: for the command line and for the
// property list's Copy All as JSON. Pure logic: no window system here.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

struct ListingRow {
    int group = 0;
    std::wstring name;
    std::wstring value;
    int kind = 0;
};

// The group's heading as the property list shows it ("Window Properties"); empty when unknown.
std::wstring_view GroupHeading(int group);
// The kind's name in the JSON ("window-flag"); "text" for a kind this build does not know.
std::string_view KindName(int kind);
// The list's indent of a row of that kind: the flags stand one level below their style word.
int KindIndent(int kind);

// {"format": "orvex-listing/1", "window": "0x...", "rows": [{"group", "name", "value", "kind",
// "indent"}, ...]}, UTF-8, indented by two spaces.
std::string ListingJson(std::uint64_t window, const std::vector<ListingRow>& rows);

// Each group's heading, then its rows as "name: value", two spaces per indent level, a blank line
// between groups.
std::wstring ListingText(const std::vector<ListingRow>& rows);

} // namespace orvex
