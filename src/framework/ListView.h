#pragma once
// The list-view control, one set of members for both ways Orvex holds one: CListView is a copyable
// view of any list view (a dialog's, or one made in code that handles nothing itself), CListCtrl a
// bound window for a class that handles the list's own messages. Neither destroys its window.

#include "Wnd.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

template <class Base> class CListViewT : public Base {
public:
    using Base::Base;

    // Which part of a row GetItemRect measures.
    enum class ItemPart : int {
        Bounds = LVIR_BOUNDS,
        Icon = LVIR_ICON,
        Label = LVIR_LABEL,
        SelectBounds = LVIR_SELECTBOUNDS,
    };

    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0);

    // LVS_EX_ flags; all other extended styles are cleared.
    DWORD SetExtendedStyle(DWORD exStyle) const {
        return static_cast<DWORD>(this->SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
    }
    DWORD GetExtendedStyle() const {
        return static_cast<DWORD>(this->SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    }

    // Columns
    int InsertColumn(int index, const wchar_t* title, int format, int width) const;
    BOOL SetColumnWidth(int column, int width) const {
        return static_cast<BOOL>(
            this->SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
    }
    int GetColumnWidth(int column) const {
        return static_cast<int>(this->SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
    }
    // How wide `text` is drawn in the list's font, without a cell's margins.
    int GetStringWidth(const wchar_t* text) const {
        return static_cast<int>(this->SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    }

    // Items
    int InsertItem(const LVITEMW& item) const {
        return static_cast<int>(this->SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL SetItemText(int item, int subItem, const wchar_t* text) const;
    std::wstring GetItemText(int item, int subItem) const;
    DWORD_PTR GetItemData(int item) const;
    int GetItemCount() const { return static_cast<int>(this->SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(this->SendMessage(LVM_DELETEALLITEMS)); }
    // The rows of an owner-data list (LVS_OWNERDATA), which holds no items of its own; `flags`
    // are LVSICF_ flags.
    BOOL SetItemCountEx(int count, DWORD flags = 0) const {
        return static_cast<BOOL>(this->SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(count), flags));
    }

    // Selection and state
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(
            this->SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(this->SendMessage(LVM_GETSELECTEDCOUNT)); }
    // The selected rows, top to bottom.
    std::vector<int> SelectedItems() const;
    // `item` -1: every item.
    BOOL SetItemState(int item, UINT state, UINT mask) const;
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(this->SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
    }

    // Where the rows are, in client coordinates.
    BOOL GetItemRect(int item, RECT* rect, ItemPart part) const {
        rect->left = static_cast<int>(part);
        return static_cast<BOOL>(
            this->SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
    }
    int GetTopIndex() const { return static_cast<int>(this->SendMessage(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(this->SendMessage(LVM_GETCOUNTPERPAGE)); }
    BOOL EnsureVisible(int item, BOOL partialOk) const {
        return static_cast<BOOL>(this->SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), partialOk));
    }
    // Scrolls by pixels (in report view, vertical pixels are rounded to whole rows).
    BOOL Scroll(int dx, int dy) const {
        return static_cast<BOOL>(this->SendMessage(LVM_SCROLL, static_cast<WPARAM>(dx), dy));
    }

    // Pictures and groups
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(
            this->SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list)));
    }
    int InsertGroup(int index, const LVGROUP& group) const {
        return static_cast<int>(
            this->SendMessage(LVM_INSERTGROUP, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&group)));
    }
    int EnableGroupView(BOOL enable) const {
        return static_cast<int>(this->SendMessage(LVM_ENABLEGROUPVIEW, enable));
    }
    BOOL IsGroupViewEnabled() const { return static_cast<BOOL>(this->SendMessage(LVM_ISGROUPVIEWENABLED)); }
    int GetGroupCount() const { return static_cast<int>(this->SendMessage(LVM_GETGROUPCOUNT)); }
};

using CListView = CListViewT<CWindowView>;
using CListCtrl = CListViewT<CWnd>;

extern template class CListViewT<CWindowView>;
extern template class CListViewT<CWnd>;

namespace fw {

// Ctrl+C, a list's key for copying its selected rows: C pressed with Ctrl held. GetKeyState tells
// the state that came with the key's message, not the keyboard's now (GetAsyncKeyState), whose "pressed
// since" bit would turn a plain C typed after any Ctrl into a copy over the clipboard.
inline bool IsCopyKey(UINT virtualKey) {
    return virtualKey == 'C' && ::GetKeyState(VK_CONTROL) < 0;
}

// An owner-data list (LVS_OWNERDATA) holds no texts: it asks for each cell as it draws it. Answers
// such a request (LVN_GETDISPINFO) for a list of `rowCount` rows with `cellText(row, column)`,
// copied into the list's own buffer and cut to fit it; a row past the end gets nothing.
template <class CellText> LRESULT AnswerDispInfo(NMLVDISPINFOW& info, size_t rowCount, CellText&& cellText) {
    LVITEMW& item = info.item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || static_cast<size_t>(item.iItem) >= rowCount ||
        !item.pszText || item.cchTextMax <= 0)
        return 0;
    const std::wstring text = cellText(static_cast<size_t>(item.iItem), item.iSubItem);
    const size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.data(), length * sizeof(wchar_t));
    item.pszText[length] = L'\0';
    return 0;
}

} // namespace fw
