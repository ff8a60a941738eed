#pragma once
// A plain view of a window: copyable, non-owning, never bound to the framework. Controls that
// handle no message of their own (toolbars, rebars, the tree control, the hot-key control) are
// driven through views; only windows with a message map of their own are bound (CWnd).

#include <windows.h>

#include <string>

class CWindowView {
public:
    CWindowView() = default;
    explicit CWindowView(HWND hwnd) : m_hWnd(hwnd) {}

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // Thin helpers over the window manager.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    std::wstring GetWindowText() const;
    BOOL SetWindowText(const std::wstring& text) const { return ::SetWindowTextW(m_hWnd, text.c_str()); }
    BOOL Invalidate(BOOL erase = TRUE) const { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }

    // Creates a control of `className` and views it; nothing is bound.
    BOOL CreateControl(DWORD exStyle, const wchar_t* className, DWORD style, const RECT& rect, HWND parent,
                       UINT id);
};
