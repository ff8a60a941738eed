#pragma once
// Thin wrappers over the common controls the program uses; none destroys its window. The static
// control is a CWnd, for the class that handles its messages; the list control comes both ways
// (ListView.h); the others are plain views that are never bound.

#include "Handles.h"
#include "ListView.h"
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

// A bitmap this object owns.
class CBitmap {
public:
    // As a section in the file's own format, so a 32-bit picture keeps its alpha channel.
    BOOL LoadDib(UINT id);
    operator HBITMAP() const { return m_bitmap.get(); }

private:
    fw::UniqueBitmap m_bitmap;
};
