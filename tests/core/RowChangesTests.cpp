// What --watch reports between two listings: changed values, rows that came and went, and rows of
// one name told apart by their place.
#include "cli/RowChanges.h"

#include <gtest/gtest.h>

namespace {

using orvex::ListingRow;
using orvex::cli::ChangedRows;
using orvex::cli::RowChange;

TEST(RowChanges, TellsChangedComeAndGoneRowsByGroupNameAndPlace) {
    const std::vector<ListingRow> before = {
        {1, L"Text", L"old", 0},        {1, L"Window Rect", L"0,0 10x10", 0}, {2, L"Style", L"WS_CHILD", 0},
        {2, L"Style", L"WS_BORDER", 0}, {3, L"Menu", L"0x00000001", 0},       {4, L"Text", L"same", 0},
    };
    EXPECT_TRUE(ChangedRows(before, before).empty());

    const std::vector<ListingRow> after = {
        {1, L"Text", L"new", 0},         {1, L"Window Rect", L"0,0 10x10", 0}, {2, L"Style", L"WS_CHILD", 0},
        {2, L"Style", L"WS_VISIBLE", 0}, {2, L"Style", L"WS_BORDER", 0},       {4, L"Text", L"same", 0},
    };
    const std::vector<RowChange> expected = {
        {1, L"Text", L"old", L"new"},
        {2, L"Style", L"WS_BORDER", L"WS_VISIBLE"}, // the second Style row now holds another flag
        {2, L"Style", L"", L"WS_BORDER"},           // and a third came
        {3, L"Menu", L"0x00000001", L""},
    };
    EXPECT_EQ(ChangedRows(before, after), expected);
}

} // namespace
