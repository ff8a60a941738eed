#include "select/WindowNodeLook.h"

#include "inspect/WindowFacts.h"
#include "select/ClassImageRules.h"
#include "select/TreeLabels.h"

namespace {
// The tree has always shown at most 254 characters of a window's text.
constexpr int kLongestText = 254;
} // namespace

int GetClassImage(HWND hwnd, const std::wstring& className) {
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(hwnd, GWL_STYLE));
    return orvex::ClassPicture(
        className, style, [hwnd] { return static_cast<std::uint32_t>(::GetClassLongW(hwnd, GCL_STYLE)); });
}

WindowNodeLook LookOfWindowNode(HWND hwnd) {
    const std::wstring text = WindowText(hwnd, kLongestText);
    const std::wstring name = WindowClassName(hwnd);
    WindowNodeLook look;
    look.label = orvex::FormatWindowLabel(reinterpret_cast<UINT_PTR>(hwnd), name, text);
    look.picture = GetClassImage(hwnd, name);
    return look;
}

HTREEITEM AppendTreeNode(const CTreeCtrl& tree, HTREEITEM parent, const std::wstring& label, int picture,
                         LPARAM data) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(label.c_str());
    insert.item.iImage = picture;
    insert.item.iSelectedImage = picture;
    insert.item.lParam = data;
    return tree.InsertItem(insert);
}
