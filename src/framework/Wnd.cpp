#include "Wnd.h"

#include "Handles.h"
#include "WinApp.h"

#include <cstdio>
#include <exception>
#include <unordered_map>
#include <vector>

namespace {

// A window whose procedure the framework replaced: its object (null once the object has let go
// while someone else's procedure was in front of ours) and the procedure ours stands in front of.
struct Binding {
    CWnd* wnd = nullptr;
    WNDPROC previous = nullptr;
};

thread_local std::unordered_map<HWND, Binding> t_boundWindows;
thread_local CWnd* t_pendingWnd = nullptr;
thread_local fw::UniqueHook t_creationHook;
thread_local int t_handOffDepth = 0;

bool IsImeWindow(HWND hwnd) {
    wchar_t name[32] = {};
    ::GetClassNameW(hwnd, name, 32);
    return ::lstrcmpiW(name, L"IME") == 0 || ::lstrcmpiW(name, L"MSCTFIME UI") == 0;
}

// The procedure the framework's stands in front of; the default one for a window never bound.
LRESULT CallPreviousProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = t_boundWindows.find(hwnd);
    if (it != t_boundWindows.end() && it->second.previous)
        return ::CallWindowProcW(it->second.previous, hwnd, message, wParam, lParam);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void ReportEscapedException(UINT message, const char* what) {
    char text[256] = {};
    std::snprintf(text, sizeof(text), "Orvex: message 0x%04X: %s\n", message, what ? what : "");
    ::OutputDebugStringA(text);
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd() {
    if (m_bound)
        Unbind();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    auto it = t_boundWindows.find(hwnd);
    return it == t_boundWindows.end() ? nullptr : it->second.wnd;
}

size_t CWnd::BoundWindowCount() {
    size_t count = 0;
    for (const auto& [hwnd, binding] : t_boundWindows)
        count += binding.wnd ? 1 : 0;
    return count;
}

CWnd::CreationHandOff::CreationHandOff(CWnd* wnd) {
    t_pendingWnd = wnd;
    if (t_handOffDepth++ == 0)
        t_creationHook.reset(
            ::SetWindowsHookExW(WH_CBT, &CWnd::CreationHook, nullptr, ::GetCurrentThreadId()));
}

CWnd::CreationHandOff::~CreationHandOff() {
    t_pendingWnd = nullptr;
    if (--t_handOffDepth == 0)
        t_creationHook.reset();
}

LRESULT CALLBACK CWnd::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingWnd) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeWindow(hwnd)) {
            CWnd* wnd = t_pendingWnd;
            t_pendingWnd = nullptr;
            wnd->Bind(hwnd);
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CWnd::Bind(HWND hwnd) {
    m_hWnd = hwnd;
    m_finished = false;
    // In the table first: the procedure may be called as soon as it is in place.
    Binding& binding = t_boundWindows[hwnd] = Binding{this, nullptr};
    binding.previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::BoundWindowProc)));
    if (!binding.previous) {
        t_boundWindows.erase(hwnd);
        return;
    }
    m_bound = true;
}

void CWnd::Unbind() {
    if (m_hWnd) {
        auto it = t_boundWindows.find(m_hWnd);
        if (it != t_boundWindows.end() && it->second.wnd == this) {
            const auto ours = reinterpret_cast<LONG_PTR>(&CWnd::BoundWindowProc);
            if (::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == ours &&
                ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous)) ==
                    ours)
                t_boundWindows.erase(it);
            else
                it->second.wnd = nullptr; // another procedure stands in front: ours keeps passing on
        }
    }
    m_bound = false;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style,
                    const RECT& rect, HWND parent, UINT id, void* param) {
    HWND hwnd;
    {
        CreationHandOff handOff(this);
        HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
        hwnd = ::CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                 AfxGetInstanceHandle(), param);
    }
    if (!hwnd) {
        // A window that failed in WM_CREATE is gone already; forget any binding it left.
        if (m_bound)
            Unbind();
        m_hWnd = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!::IsWindow(hwnd) || m_bound)
        return FALSE;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId())
        return FALSE; // other programs' windows are never subclassed
    Bind(hwnd);
    return m_bound;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hwnd = m_hWnd;
    if (m_bound)
        Unbind();
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CALLBACK CWnd::BoundWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = t_boundWindows.find(hwnd);
    if (it == t_boundWindows.end())
        return ::DefWindowProcW(hwnd, message, wParam, lParam); // not reachable: bound before set
    CWnd* wnd = it->second.wnd;
    if (!wnd) {
        // The object let go while another procedure stood in front of ours; pass everything on.
        const WNDPROC previous = it->second.previous;
        if (message == WM_NCDESTROY)
            t_boundWindows.erase(it);
        return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }

    CurrentMessage saved = wnd->m_current;
    wnd->m_current = {message, wParam, lParam};
    ++wnd->m_depth;
    LRESULT result = 0;
    // No exception may cross into the window system: what a handler throws is reported and the
    // message gets default processing instead.
    try {
        result = wnd->WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportEscapedException(message, error.what());
        result = CallPreviousProc(hwnd, message, wParam, lParam);
    } catch (...) {
        ReportEscapedException(message, "unknown exception");
        result = CallPreviousProc(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        wnd->Unbind();
        // Gone for good: whatever procedure stood in front of ours is gone with the window.
        t_boundWindows.erase(hwnd);
        wnd->m_hWnd = nullptr;
        wnd->m_finished = true;
    }
    wnd->m_current = saved;
    if (--wnd->m_depth == 0 && wnd->m_finished) {
        wnd->m_finished = false;
        wnd->PostNcDestroy(); // may delete the object
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *result = 0;
            return true;
        }
        return false;
    }
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, result);

    const ::fw::MessageMapEntry* entry = FindEntry(::fw::EntryKind::Message, message, 0, 0);
    if (!entry)
        return false;
    *result = entry->thunk(*this, wParam, lParam);
    return true;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        LRESULT ignored = 0;
        if (CWnd* child = FromHandlePermanent(control);
            child && child->OnChildNotify(WM_COMMAND, wParam, lParam, &ignored))
            return true;
    }
    // Accelerators send code 1, and so do LBN_SELCHANGE and CBN_SELCHANGE: only a control names
    // itself in lParam, and only an accelerator's command is a plain one.
    const UINT code = !control && HIWORD(wParam) == 1 ? 0 : HIWORD(wParam);
    return OnCmdMsg(LOWORD(wParam), code);
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return false;
    if (CWnd* child = FromHandlePermanent(header->hwndFrom);
        child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lParam, result))
        return true;
    const ::fw::MessageMapEntry* entry =
        FindEntry(::fw::EntryKind::Notify, 0, header->code, static_cast<UINT>(header->idFrom));
    if (!entry)
        return false;
    *result = entry->thunk(*this, 0, lParam);
    return true;
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const ::fw::MessageMapEntry* entry = nullptr;
    if (message == WM_NOTIFY)
        entry = FindEntry(::fw::EntryKind::ReflectNotify, 0, reinterpret_cast<NMHDR*>(lParam)->code, 0);
    else if (message == WM_COMMAND)
        entry = FindEntry(::fw::EntryKind::ReflectCommand, 0, HIWORD(wParam), 0);
    if (!entry)
        return false;
    *result = entry->thunk(*this, wParam, lParam);
    return true;
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPreviousProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(MSG* message) {
    for (HWND hwnd = message->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(message))
            return TRUE;
        if (!(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD))
            break; // stop at the top-level window; its owner does not see its keys
    }
    return FALSE;
}

CWnd* AfxGetMainWnd() {
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}
