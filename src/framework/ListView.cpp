#include "ListView.h"

#include "WinApp.h"

#include <type_traits>

template <class Base>
BOOL CListViewT<Base>::Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle) {
    if constexpr (std::is_base_of_v<CWnd, Base>)
        return this->CreateEx(exStyle, WC_LISTVIEWW, L"", style, rect, parent, id);
    else
        return this->CreateControl(exStyle, WC_LISTVIEWW, style, rect, parent, id);
}

template <class Base>
int CListViewT<Base>::InsertColumn(int index, const wchar_t* title, int format, int width) const {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(title);
    return static_cast<int>(
        this->SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

template <class Base> BOOL CListViewT<Base>::SetItemText(int item, int subItem, const wchar_t* text) const {
    LVITEMW lv{};
    lv.iSubItem = subItem;
    lv.pszText = const_cast<wchar_t*>(text);
    return static_cast<BOOL>(
        this->SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

template <class Base> std::wstring CListViewT<Base>::GetItemText(int item, int subItem) const {
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW lv{};
        lv.iSubItem = subItem;
        lv.pszText = text.data();
        lv.cchTextMax = static_cast<int>(text.size());
        int length = static_cast<int>(
            this->SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<size_t>(length > 0 ? length : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

template <class Base> DWORD_PTR CListViewT<Base>::GetItemData(int item) const {
    LVITEMW lv{};
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    if (!this->SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lv)))
        return 0;
    return static_cast<DWORD_PTR>(lv.lParam);
}

template <class Base> std::vector<int> CListViewT<Base>::SelectedItems() const {
    std::vector<int> items;
    for (int item = -1; (item = GetNextItem(item, LVNI_SELECTED)) >= 0;)
        items.push_back(item);
    return items;
}

template <class Base> BOOL CListViewT<Base>::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW lv{};
    lv.state = state;
    lv.stateMask = mask;
    return static_cast<BOOL>(
        this->SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
}

template class CListViewT<CWindowView>;
template class CListViewT<CWnd>;
