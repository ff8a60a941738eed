#pragma once
// Thin wrappers over the common controls the program uses; none destroys its window. The static
// control and the list control are CWnds, for the classes that handle their messages; the others
// are plain views that are never bound.

#include "Handles.h"
#include "Wnd.h"

#include <commctrl.h>

#include <optional>
#include <string>

class CStatic : public CWnd {
public:
    using CWnd::CWnd;
    BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateEx(0, WC_STATICW, text, style, rect, parent, id);
    }
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
};

class CListCtrl : public CWnd {
public:
    using CWnd::CWnd;
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateEx(0, WC_LISTVIEWW, L"", style, rect, parent, id);
    }
    DWORD SetExtendedStyle(DWORD exStyle) const {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
    }
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    int InsertColumn(int index, const wchar_t* title, int format, int width) const;
    BOOL SetColumnWidth(int column, int width) const {
        return static_cast<BOOL>(
            SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)));
    }
    int InsertItem(const LVITEMW& item) const {
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    BOOL SetItemText(int item, int subItem, const wchar_t* text) const;
    std::wstring GetItemText(int item, int subItem) const;
    DWORD_PTR GetItemData(int item) const;
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetNextItem(int start, UINT flags) const {
        return static_cast<int>(
            SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    UINT GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    BOOL GetItemRect(int item, RECT* rect, int code) const {
        rect->left = code;
        return static_cast<BOOL>(
            SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
    }
    BOOL SetItemState(int item, UINT state, UINT mask) const;
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list)));
    }
    int InsertGroup(int index, const LVGROUP& group) const {
        return static_cast<int>(
            SendMessage(LVM_INSERTGROUP, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&group)));
    }
    int EnableGroupView(BOOL enable) const {
        return static_cast<int>(SendMessage(LVM_ENABLEGROUPVIEW, enable));
    }
    BOOL IsGroupViewEnabled() const { return static_cast<BOOL>(SendMessage(LVM_ISGROUPVIEWENABLED)); }
    int GetGroupCount() const { return static_cast<int>(SendMessage(LVM_GETGROUPCOUNT)); }
};

class CTreeCtrl : public CWindowView {
public:
    using CWindowView::CWindowView;
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateControl(0, WC_TREEVIEWW, style, rect, parent, id);
    }
    HTREEITEM InsertItem(const TVINSERTSTRUCTW& insert) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    BOOL DeleteAllItems() const {
        return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)));
    }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(
            SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM item) const {
        return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
    }
    BOOL Expand(HTREEITEM item, UINT code) const {
        return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
    }
    // The node's data word; nothing when the node cannot be read.
    std::optional<LPARAM> GetItemData(HTREEITEM item) const;
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(
            SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(list)));
    }
};

class CToolBarCtrl : public CWindowView {
public:
    using CWindowView::CWindowView;
    // An enabled button record for AddButtons, and a separator.
    static TBBUTTON Button(int image, int command, BYTE style) {
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = command;
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = style;
        return button;
    }
    static TBBUTTON Separator() {
        TBBUTTON button{};
        button.fsStyle = BTNS_SEP;
        return button;
    }
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id, DWORD exStyle = 0) {
        return CreateControl(exStyle, TOOLBARCLASSNAMEW, style, rect, parent, id);
    }
    DWORD SetExtendedStyle(DWORD exStyle) const {
        return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, exStyle));
    }
    void SetButtonStructSize(size_t size) const { SendMessage(TB_BUTTONSTRUCTSIZE, size); }
    int AddBitmap(int count, UINT bitmapId) const;
    // The toolbar's pictures; the caller keeps the list alive and destroys it after replacing it.
    void SetImageList(HIMAGELIST list) const {
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    }
    BOOL SetBitmapSize(int cx, int cy) const {
        return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy)));
    }
    BOOL AddButtons(int count, const TBBUTTON* buttons) const {
        return static_cast<BOOL>(
            SendMessage(TB_ADDBUTTONSW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons)));
    }
    int AddString(const wchar_t* text) const;
    int GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
    BOOL GetItemRect(int index, RECT* rect) const {
        return static_cast<BOOL>(
            SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
    }
    BOOL SetButtonInfo(int idOrIndex, const TBBUTTONINFOW& info) const {
        return static_cast<BOOL>(
            SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(idOrIndex), reinterpret_cast<LPARAM>(&info)));
    }
    BOOL GetButtonInfo(int idOrIndex, TBBUTTONINFOW& info) const {
        return static_cast<int>(SendMessage(TB_GETBUTTONINFOW, static_cast<WPARAM>(idOrIndex),
                                            reinterpret_cast<LPARAM>(&info))) >= 0;
    }
    BOOL IsButtonChecked(int id) const {
        return static_cast<BOOL>(SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(id)));
    }
    BOOL CheckButton(int id, BOOL check = TRUE) const {
        return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(id), MAKELPARAM(check, 0)));
    }
    HWND GetToolTips() const { return reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)); }
};

class CReBarCtrl : public CWindowView {
public:
    using CWindowView::CWindowView;
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
        return CreateControl(0, REBARCLASSNAMEW, style, rect, parent, id);
    }
    BOOL SetBandInfo(int index, const REBARBANDINFOW& band) const {
        return static_cast<BOOL>(
            SendMessage(RB_SETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band)));
    }
    BOOL InsertBand(int index, const REBARBANDINFOW& band) const {
        return static_cast<BOOL>(
            SendMessage(RB_INSERTBANDW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band)));
    }
};

class CHotKeyCtrl : public CWindowView {
public:
    using CWindowView::CWindowView;
    // Virtual key in the low byte, HOTKEYF_ modifier flags in the next.
    WORD GetHotKey() const { return static_cast<WORD>(SendMessage(HKM_GETHOTKEY)); }
    void SetHotKey(WORD virtualKey, WORD modifiers) const {
        SendMessage(HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers));
    }
    void SetRules(WORD invalidCombinations, WORD modifiers) const {
        SendMessage(HKM_SETRULES, invalidCombinations, MAKELPARAM(modifiers, 0));
    }
};

// An image list this object owns until Detach hands it to a control.
class CImageList {
public:
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow) {
        m_list.reset(::ImageList_Create(cx, cy, flags, initial, grow));
        return m_list ? TRUE : FALSE;
    }
    int Add(HBITMAP bitmap, COLORREF mask) const { return ::ImageList_AddMasked(m_list.get(), bitmap, mask); }
    HIMAGELIST GetSafeHandle() const { return m_list.get(); }
    HIMAGELIST Detach() { return m_list.release(); }

private:
    fw::UniqueImageList m_list;
};

// A bitmap this object owns.
class CBitmap {
public:
    BOOL LoadBitmap(UINT id);
    // As a section in the file's own format, so a 32-bit picture keeps its alpha channel.
    BOOL LoadDib(UINT id);
    HBITMAP GetSafeHandle() const { return m_bitmap.get(); }
    operator HBITMAP() const { return m_bitmap.get(); }

private:
    fw::UniqueBitmap m_bitmap;
};
