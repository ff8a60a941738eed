#pragma once
// CWnd: a C++ object bound to a window. The binding is made before the window's first message
// (a creation hook reads a thread-local hand-off) by putting the framework's window procedure in
// front of the window's own; a thread-local table maps handles to their objects and previous
// procedures, so the window's user data stays untouched. (A comctl32 subclass would do as well,
// but it looks its data up in a window property on every message, and under Wine each such
// lookup is a round trip to the server: filling a list of sixty rows took three times as long.)

#include "CmdTarget.h"

#include <string>

class CWnd : public CCmdTarget {
    DECLARE_MESSAGE_MAP()

public:
    CWnd() = default;
    // A non-owning view of an existing window; nothing is subclassed.
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    // The object bound to a window of this thread, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // Number of live bindings on this thread (a destroyed window leaves none behind).
    static size_t BoundWindowCount();

    // Creates a window and binds this object to it before its first message.
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                  const RECT& rect, HWND parent, UINT id, void* param = nullptr);
    // Binds this object to an existing window of this process (a dialog's control, say).
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Unbinds without destroying the window.
    HWND UnsubclassWindow();
    BOOL DestroyWindow();
    bool IsBound() const { return m_bound; }

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

    // Keyboard and mouse messages pass here (from the innermost window outwards) before they are
    // dispatched; true means the message was consumed.
    virtual BOOL PreTranslateMessage(MSG* message);
    // Offers a queued message to every bound window from its target up to the top level.
    static BOOL WalkPreTranslateTree(MSG* message);

protected:
    // The whole message handling of a bound window: the map first, then default processing.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
    virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A parent offers a child's WM_NOTIFY or WM_COMMAND back to the child's object first.
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The message now being handled, passed on to the window's previous procedure.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Called once the window is gone and its outermost message has returned; may delete this.
    virtual void PostNcDestroy() {}

    // Creation hand-off: the next window this thread creates is bound to `wnd`.
    class CreationHandOff {
    public:
        explicit CreationHandOff(CWnd* wnd);
        CreationHandOff(const CreationHandOff&) = delete;
        CreationHandOff& operator=(const CreationHandOff&) = delete;
        ~CreationHandOff();
    };

private:
    static LRESULT CALLBACK BoundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    void Bind(HWND hwnd);
    void Unbind();

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };
    CurrentMessage m_current;
    int m_depth = 0;
    bool m_bound = false;
    bool m_finished = false;
};

// The window used as owner of message boxes and as the program's main window.
CWnd* AfxGetMainWnd();
