#include "e2e/RemoteTreeView.h"

#include "harness/RemoteBuffer.h"

#include <cstring>

namespace e2e {

namespace {
constexpr size_t kTextChars = 512;
} // namespace

HTREEITEM TreeRoot(HWND tree) {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM item) {
    std::vector<HTREEITEM> children;
    for (auto child = reinterpret_cast<HTREEITEM>(
             ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
         child; child = reinterpret_cast<HTREEITEM>(
                    ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child))))
        children.push_back(child);
    return children;
}

std::wstring TreeItemText(HWND tree, HTREEITEM item) {
    harness::RemoteBuffer buffer(tree, sizeof(TVITEMW) + (kTextChars + 1) * sizeof(wchar_t));
    if (!buffer)
        return {};
    TVITEMW request{};
    request.mask = TVIF_TEXT | TVIF_HANDLE;
    request.hItem = item;
    request.pszText = buffer.at<wchar_t>(sizeof(TVITEMW));
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!buffer.Write(0, request) ||
        !::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.address())))
        return {};
    return buffer.ReadText(sizeof(TVITEMW), kTextChars);
}

std::optional<RECT> TreeItemScreenRect(HWND tree, HTREEITEM item, bool labelOnly) {
    ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    harness::RemoteBuffer buffer(tree, sizeof(RECT));
    // The request carries the node in the rectangle's place.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof(item));
    if (!buffer || !buffer.Write(0, rect) ||
        !::SendMessageW(tree, TVM_GETITEMRECT, labelOnly ? TRUE : FALSE,
                        reinterpret_cast<LPARAM>(buffer.address())) ||
        !buffer.Read(0, rect))
        return std::nullopt;
    ::MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::wstring& prefix) {
    for (HTREEITEM child : TreeChildren(tree, parent))
        if (TreeItemText(tree, child).rfind(prefix, 0) == 0)
            return child;
    return nullptr;
}

} // namespace e2e
