#include "cli/RowChanges.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace orvex::cli {

namespace {

using RowKey = std::tuple<int, std::wstring, int>; // group, name, its place among equal names

std::vector<RowKey> KeysOf(std::span<const ListingRow> rows) {
    std::map<std::pair<int, std::wstring>, int> seen;
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    for (const ListingRow& row : rows)
        keys.emplace_back(row.group, row.name, seen[{row.group, row.name}]++);
    return keys;
}

} // namespace

std::vector<RowChange> ChangedRows(std::span<const ListingRow> before, std::span<const ListingRow> after) {
    const std::vector<RowKey> beforeKeys = KeysOf(before);
    std::map<RowKey, std::size_t> unmatched;
    for (std::size_t i = 0; i < before.size(); ++i)
        unmatched.emplace(beforeKeys[i], i);

    std::vector<RowChange> changes;
    const std::vector<RowKey> afterKeys = KeysOf(after);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto found = unmatched.find(afterKeys[i]);
        if (found == unmatched.end()) {
            changes.push_back({after[i].group, after[i].name, {}, after[i].value});
            continue;
        }
        const ListingRow& old = before[found->second];
        if (old.value != after[i].value)
            changes.push_back({after[i].group, after[i].name, old.value, after[i].value});
        unmatched.erase(found);
    }
    // What went is told in the order it was listed.
    std::vector<std::size_t> gone;
    for (const auto& [key, index] : unmatched)
        gone.push_back(index);
    std::sort(gone.begin(), gone.end());
    for (const std::size_t index : gone)
        changes.push_back({before[index].group, before[index].name, before[index].value, {}});
    return changes;
}

} // namespace orvex::cli
