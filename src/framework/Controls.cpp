#include "Controls.h"

#include "WinApp.h"

std::optional<LPARAM> CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = item;
    if (!SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)))
        return std::nullopt;
    return tv.lParam;
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
