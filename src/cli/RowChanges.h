#pragma once
// What changed between two listings of one window, row by row. Pure logic: no window system here.

#include "inspect/ListingExport.h"

#include <span>
#include <string>
#include <vector>

namespace orvex::cli {

struct RowChange {
    int group = 0;
    std::wstring name;
    std::wstring before; // empty for a row that came
    std::wstring after;  // empty for a row that went
    bool operator==(const RowChange&) const = default;
};

// Rows are matched by group and name, a name that comes several times in a group (a style's
// flags) by its place among them; the changes come in the order of `after`, rows that went last.
std::vector<RowChange> ChangedRows(std::span<const ListingRow> before, std::span<const ListingRow> after);

} // namespace orvex::cli
