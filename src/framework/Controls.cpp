#include "Controls.h"

#include "WinApp.h"

int CListCtrl::InsertColumn(int index, const wchar_t* title, int format, int width) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const wchar_t* text) const {
    LVITEMW lv{};
    lv.iSubItem = subItem;
    lv.pszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW lv{};
        lv.iSubItem = subItem;
        lv.pszText = text.data();
        lv.cchTextMax = static_cast<int>(text.size());
        int length = static_cast<int>(
            SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<size_t>(length > 0 ? length : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMW lv{};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv)))
        return 0;
    return static_cast<DWORD_PTR>(lv.lParam);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW lv{};
    lv.state = state;
    lv.stateMask = mask;
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

std::optional<LPARAM> CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)))
        return std::nullopt;
    return tv.lParam;
}

int CToolBarCtrl::AddBitmap(int count, UINT bitmapId) const {
    TBADDBITMAP add{AfxGetResourceHandle(), bitmapId};
    return static_cast<int>(
        SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&add)));
}

int CToolBarCtrl::AddString(const wchar_t* text) const {
    // The pool takes a list of strings ended by an empty one.
    std::wstring list(text);
    list.push_back(L'\0');
    list.push_back(L'\0');
    return static_cast<int>(SendMessage(TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(list.c_str())));
}

BOOL CBitmap::LoadDib(UINT id) {
    m_bitmap.reset(static_cast<HBITMAP>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return m_bitmap ? TRUE : FALSE;
}

BOOL CBitmap::LoadBitmap(UINT id) {
    m_bitmap.reset(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id)));
    return m_bitmap ? TRUE : FALSE;
}
