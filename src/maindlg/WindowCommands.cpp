// The main dialog's commands that act on windows rather than on the list: the finder tool's
// notifications, Watch Cursor, Highlight, Enable/Visible and the global hot key.
#include "maindlg/MainDialog.h"

#include "common/ScreenHelpers.h"
#include "inspect/WindowFacts.h"
#include "res/resource.h"
#include "select/WindowActions.h"

namespace {

constexpr DWORD kHotKeyFlashMs = 75;

// A modal dialog of this thread (Options, About, Save As, a message box) is open: its owner, a
// window of this thread, is disabled while it runs.
bool ModalDialogOpen() {
    bool open = false;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            if (::IsWindowVisible(window) && !::IsWindowEnabled(window)) {
                *reinterpret_cast<bool*>(found) = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&open));
    return open;
}

} // namespace

// The main window is taken off the screen for a drag with an empty window region rather than by
// hiding it: a window that is hidden mid-press loses the pointer grab on some systems (Wine under X
// among them), and the drag would never see another move or its release. An empty region shows
// nothing and hit testing passes through it, just as for a hidden window.
LRESULT CMainDialog::OnBeginSeek(NMSEEKER*) {
    if (m_settings.m_bHideOnSeeking && !m_bOffScreenForSeek) {
        if (::SetWindowRgn(m_hWnd, ::CreateRectRgn(0, 0, 0, 0), TRUE)) // the window owns the region
            m_bOffScreenForSeek = true;
    }
    return 0;
}

LRESULT CMainDialog::OnEndSeek(NMSEEKER*) {
    if (m_bOffScreenForSeek) {
        m_bOffScreenForSeek = false;
        ::SetWindowRgn(m_hWnd, nullptr, TRUE);
    }
    FinishPick();
    return 0;
}

LRESULT CMainDialog::OnTargetChanged(NMSEEKER* seek) {
    ShowWindowProperties(seek->hwndTarget);
    return 0;
}

void CMainDialog::OnWatchCursor() {
    m_wndFinderTool.SetWatchMode(m_wndViewToolBar.IsButtonChecked(ID_VIEW_WATCH_CURSOR) != FALSE);
}

// Picking while a modal dialog is open would bring the main window forward over its own dialog,
// which the user could then no longer reach.
void CMainDialog::OnHotKey(int, UINT, UINT) {
    if (ModalDialogOpen())
        return;
    if (m_wndFinderTool.IsWatching()) {
        // In watching mode the key only stops watching.
        m_wndFinderTool.SetWatchMode(false);
        m_wndViewToolBar.CheckButton(ID_VIEW_WATCH_CURSOR, FALSE);
    } else {
        POINT cursor{};
        if (::GetCursorPos(&cursor)) {
            HWND under = DeepWindowFromPoint(cursor.x, cursor.y);
            if (under && !IsOwnProcessWindow(under)) {
                InvertWindowFrame(under);
                PauseShowingTheScreen(kHotKeyFlashMs);
                InvertWindowFrame(under);
                SelectWindow(under, Selection::Finished);
            }
        }
    }
    ShowWindow(SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hWnd);
    Default();
}

void CMainDialog::OnHighlightWindow() {
    HighlightWindow(m_hSelectedWnd);
}

// Orvex takes the foreground after the window has changed: at once for a window of its own
// thread or none, else when the thread that waits for the window's program is done.
void CMainDialog::OnEnableVisibleWindow() {
    const EnableShowRequest request = EnableAndShowWindow(m_hSelectedWnd, m_hWnd, kEnableVisibleDone);
    if (request == EnableShowRequest::Done)
        WindowChanged(m_hSelectedWnd);
    if (request == EnableShowRequest::Done || request == EnableShowRequest::NotDone)
        ::SetForegroundWindow(m_hWnd);
}

LRESULT CMainDialog::OnEnableVisibleDone(WPARAM, LPARAM window) {
    WindowChanged(reinterpret_cast<HWND>(window));
    ::SetForegroundWindow(m_hWnd);
    return 0;
}

void CMainDialog::WindowChanged(HWND hwnd) {
    if (hwnd && hwnd == m_hSelectedWnd)
        OnRefresh();
}
