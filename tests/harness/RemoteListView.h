#pragma once
// Reads a list view that belongs to another process: the texts live in that process's memory, so
// the requests go through a buffer allocated there.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace harness {

struct ListRow {
    std::wstring name;  // column 0
    std::wstring value; // column 1
};

// All rows of a report-mode list view (columns 0 and 1), in display order.
std::vector<ListRow> ReadListRows(HWND listView);

// One column of every row, in display order (an owner-data list answers from its parent).
std::vector<std::wstring> ReadListColumn(HWND listView, int column);

// The index of the selected row, or -1.
int SelectedRow(HWND listView);

// Where row `item` lies on the screen (its label's cell in column 0), for a real click.
std::optional<RECT> ListItemScreenRect(HWND listView, int item);

} // namespace harness
