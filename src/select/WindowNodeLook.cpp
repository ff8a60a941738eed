#include "select/WindowNodeLook.h"

#include "select/ClassImageRules.h"
#include "select/TreeLabels.h"

namespace {
constexpr int kTextBuffer = 255; // 254 characters and the terminator
} // namespace

int GetClassImage(HWND hwnd, const std::wstring& className) {
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(hwnd, GWL_STYLE));
    return orvex::ClassPicture(
        className, style, [hwnd] { return static_cast<std::uint32_t>(::GetClassLongW(hwnd, GCL_STYLE)); });
}

WindowNodeLook LookOfWindowNode(HWND hwnd) {
    wchar_t text[kTextBuffer] = {};
    wchar_t className[kTextBuffer] = {};
    const int textLength = ::GetWindowTextW(hwnd, text, kTextBuffer);
    const int classLength = ::GetClassNameW(hwnd, className, kTextBuffer);
    const std::wstring name(className, static_cast<size_t>(classLength > 0 ? classLength : 0));
    WindowNodeLook look;
    look.label = orvex::FormatWindowLabel(
        reinterpret_cast<UINT_PTR>(hwnd), name,
        std::wstring_view(text, static_cast<size_t>(textLength > 0 ? textLength : 0)));
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
