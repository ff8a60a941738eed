#pragma once
// CWnd: a C++ object bound to a window. The binding is made before the window's first message
// (a creation hook reads a thread-local hand-off) by putting the framework's window procedure in
// front of the window's own; a thread-local table maps handles to their objects and previous
// procedures, so the window's user data stays untouched. (A comctl32 subclass would do as well,
// but it looks its data up in a window property on every message, and under Wine each such
// lookup is a round trip to the server: filling a list of sixty rows took three times as long.)

#include "CmdTarget.h"
#include "WindowView.h"

class CWnd : public CCmdTarget, public CWindowView {
    DECLARE_MESSAGE_MAP()

public:
    CWnd() = default;
    ~CWnd() override;

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
