// The main dialog's commands that act on windows rather than on the list: the finder tool's
// notifications, Watch Cursor, Highlight, Enable/Visible and the global hot key.
#include "maindlg/MainDialog.h"

#include "app/OrvexApp.h"
#include "res/resource.h"
#include "select/ScreenHelpers.h"

#include <system_error>
#include <thread>

namespace {
constexpr DWORD kHotKeyFlashMs = 75;
constexpr DWORD kHighlightStepMs = 100;
} // namespace

// The main window is taken off the screen for a drag with an empty window region rather than by
// hiding it: a window that is hidden mid-press loses the pointer grab on some systems (Wine under X
// among them), and the drag would never see another move or its release. An empty region shows
// nothing and hit testing passes through it, just as for a hidden window.
LRESULT CMainDialog::OnBeginSeek(NMHDR*) {
    if (GetOrvexApp().m_bHideOnSeeking && !m_bOffScreenForSeek) {
        if (::SetWindowRgn(m_hWnd, ::CreateRectRgn(0, 0, 0, 0), TRUE)) // the window owns the region
            m_bOffScreenForSeek = true;
    }
    return 0;
}

LRESULT CMainDialog::OnEndSeek(NMHDR*) {
    if (m_bOffScreenForSeek) {
        m_bOffScreenForSeek = false;
        ::SetWindowRgn(m_hWnd, nullptr, TRUE);
    }
    return 0;
}

LRESULT CMainDialog::OnTargetChanged(NMHDR* header) {
    ShowWindowProperties(reinterpret_cast<NMSEEKER*>(header)->hwndTarget);
    return 0;
}

void CMainDialog::OnWatchCursor() {
    m_wndFinderTool.SetWatchMode(m_wndViewToolBar.IsButtonChecked(ID_VIEW_WATCH_CURSOR) != FALSE);
}

void CMainDialog::OnHotKey(int, UINT, UINT) {
    if (m_wndFinderTool.IsWatching()) {
        // In watching mode the key only stops watching.
        m_wndFinderTool.SetWatchMode(false);
        m_wndViewToolBar.CheckButton(ID_VIEW_WATCH_CURSOR, FALSE);
    } else {
        POINT cursor{};
        if (::GetCursorPos(&cursor)) {
            HWND under = DeepWindowFromPoint(cursor.x, cursor.y);
            DWORD processId = 0;
            ::GetWindowThreadProcessId(under, &processId);
            if (under && processId != ::GetCurrentProcessId()) {
                InvertWindowFrame(under);
                ::Sleep(kHotKeyFlashMs);
                InvertWindowFrame(under);
                ShowWindowProperties(under);
            }
        }
    }
    ShowWindow(SW_SHOWNORMAL);
    ::SetForegroundWindow(m_hWnd);
    Default();
}

BOOL CMainDialog::HighlightWindow(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd))
        return FALSE;
    for (int flash = 0; flash < 2; ++flash) {
        if (::IsWindow(hwnd))
            InvertWindowFrame(hwnd);
        ::Sleep(kHighlightStepMs);
        InvertWindowFrame(hwnd);
        ::Sleep(kHighlightStepMs);
    }
    return TRUE;
}

void CMainDialog::OnHighlightWindow() {
    HighlightWindow(m_hSelectedWnd);
}

namespace {

void ShowAndEnable(HWND hwnd) {
    if (!(::GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) &&
        !::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOSENDCHANGING))
        return;
    ::EnableWindow(hwnd, TRUE);
}

} // namespace

void CMainDialog::EnableAndShowWindow(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd))
        return;
    if (::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId()) {
        ShowAndEnable(hwnd);
        return;
    }
    // Showing and enabling another thread's window both wait for that thread to answer; a program
    // that has stopped answering would freeze Orvex with it. A thread of its own waits instead,
    // and the window changes whenever its program answers again.
    try {
        std::thread(ShowAndEnable, hwnd).detach();
    } catch (const std::system_error&) {
        // No thread to be had: leave the window as it is rather than risk waiting forever.
    }
}

void CMainDialog::OnEnableVisibleWindow() {
    EnableAndShowWindow(m_hSelectedWnd);
    ::SetForegroundWindow(m_hWnd);
}
