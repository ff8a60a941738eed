#pragma once
// Reads a tree view that belongs to another process: node handles travel as they are, texts and
// rectangles through a buffer allocated in the tree's process.

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

HTREEITEM TreeRoot(HWND tree);
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM item);
std::wstring TreeItemText(HWND tree, HTREEITEM item);
// The node's label (or whole row) in screen coordinates, once scrolled into view.
std::optional<RECT> TreeItemScreenRect(HWND tree, HTREEITEM item, bool labelOnly = true);
// The first child of `parent` whose label begins with `prefix`, or null.
HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::wstring& prefix);

} // namespace e2e
