// The main dialog as the owner of its tool windows: opening the window tree, the send-message
// dialog, the message log and Find Window (or bringing the open one forward), and what the tools
// tell it.
#include "maindlg/MainDialog.h"

#include "common/ScreenGeometry.h"
#include "find/FindWindowDialog.h"
#include "framework/ModelessDialog.h"
#include "maindlg/PlacementFit.h"
#include "msglog/MessageLogDialog.h"
#include "res/resource.h"
#include "select/TreePlacement.h"
#include "select/WindowTreeDialog.h"
#include "sendmsg/DialogPlacement.h"
#include "sendmsg/SendMessageDialog.h"

#include <algorithm>

namespace {

// A second command for an open tool only brings it forward (neither moved nor synchronised) and
// gives null; otherwise the tool is opened into `slot`, which is cleared when the tool goes.
template <class Tool> Tool* OpenOrActivate(CMainDialog& owner, Tool*& slot) {
    if (slot) {
        ::SetForegroundWindow(slot->m_hWnd);
        return nullptr;
    }
    slot = CModelessDialog::Open<Tool>(
        &owner,
        [&slot](CModelessDialog& closed) {
            if (slot == &closed)
                slot = nullptr;
        },
        owner);
    return slot;
}

} // namespace

void CMainDialog::OnDisplayWindowTree() {
    CWindowTreeDialog* tree = OpenOrActivate(*this, m_pWindowTreeDialog);
    if (!tree)
        return;
    // Beside the main window on the primary monitor's work area, which the placement rule measures.
    const orvex::WindowPlace place =
        orvex::PlaceTreeWindow(orvex::ToScreenRect(GetWindowRect()), orvex::PrimaryWorkArea(), m_dpi);
    tree->SetWindowPos(nullptr, place.x, place.y, place.width, place.height, SWP_SHOWWINDOW);
    tree->SelectWindowItem(m_hSelectedWnd, TRUE);
}

void CMainDialog::OnSendMessage() {
    CSendMessageDialog* dialog = OpenOrActivate(*this, m_pSendMessageDialog);
    if (!dialog)
        return;
    dialog->SetTarget(m_hSelectedWnd);
    // Kept on the main window's monitor.
    const RECT own = dialog->GetWindowRect();
    const orvex::PlacementPoint at = orvex::PlaceSendMessageDialog(
        orvex::ToScreenRect(GetWindowRect()), own.right - own.left, own.bottom - own.top,
        orvex::WorkAreaOf(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST)), m_dpi);
    dialog->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CMainDialog::OnMessageLog() {
    if (m_pMessageLogDialog) {
        ::SetForegroundWindow(m_pMessageLogDialog->m_hWnd);
        return;
    }
    m_pMessageLogDialog = CModelessDialog::Open<CMessageLogDialog>(
        this,
        [this](CModelessDialog& closed) {
            if (m_pMessageLogDialog != &closed)
                return;
            // Kept for the next opening and for the settings written at exit.
            if (const RECT& last = m_pMessageLogDialog->NormalRect(); !::IsRectEmpty(&last))
                m_messageLogRect = last;
            KeepMessageLogFilter(m_pMessageLogDialog->Filter());
            m_pMessageLogDialog = nullptr;
        },
        *this, m_messageLogFilter.value_or(orvex::MessageFilter{}));
    if (!m_pMessageLogDialog)
        return;
    CMessageLogDialog& log = *m_pMessageLogDialog;
    if (m_messageLogRect) {
        // Where the user left it, brought onto the screen it is nearest to.
        const orvex::ScreenRect fitted = orvex::FitOnWorkArea(
            orvex::ToScreenRect(*m_messageLogRect),
            orvex::WorkAreaOf(::MonitorFromRect(&*m_messageLogRect, MONITOR_DEFAULTTONEAREST)), 200, 120);
        log.SetWindowPos(nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                         fitted.bottom - fitted.top, SWP_NOZORDER | SWP_SHOWWINDOW);
        return;
    }
    // Beside the main window, on the side the window tree leaves free, kept on the work area.
    const RECT main = GetWindowRect();
    const orvex::ScreenRect work = orvex::PrimaryWorkArea();
    const RECT own = log.GetWindowRect();
    int width = own.right - own.left;
    bool left = main.left - width >= work.left;
    if (m_pWindowTreeDialog && m_pWindowTreeDialog->m_hWnd)
        left = m_pWindowTreeDialog->GetWindowRect().left >= main.left;
    // Wide enough to show every column whole, where that side has the room.
    const int room = left ? main.left - work.left : work.right - main.right;
    width = std::max(width, std::min(log.WidthForColumns(), room));
    int x = left ? main.left - width : main.right;
    x = std::max(work.left, std::min(x, work.right - width));
    log.SetWindowPos(nullptr, x, main.top, width, std::max<int>(main.bottom - main.top, own.bottom - own.top),
                     SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CMainDialog::OpenFindWindow() {
    if (m_pFindWindowDialog) {
        ::SetForegroundWindow(m_pFindWindowDialog->m_hWnd);
        m_pFindWindowDialog->FocusTarget();
        return;
    }
    CFindWindowDialog* find = OpenOrActivate(*this, m_pFindWindowDialog);
    if (!find)
        return;
    // Below the main window's caption, over its property list, kept on the work area.
    const RECT main = GetWindowRect(), own = find->GetWindowRect();
    const int width = own.right - own.left, height = own.bottom - own.top;
    const orvex::ScreenRect fitted = orvex::FitOnWorkArea(
        {main.left + 40, main.top + 60, main.left + 40 + width, main.top + 60 + height},
        orvex::WorkAreaOf(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST)), width, height);
    find->SetWindowPos(nullptr, fitted.left, fitted.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CMainDialog::SelectWindow(HWND hwnd, Selection kind) {
    ShowWindowProperties(hwnd);
    if (kind == Selection::Finished)
        FinishPick();
}

void CMainDialog::FinishPick(bool remember) {
    if (remember && m_hSelectedWnd && ::IsWindow(m_hSelectedWnd))
        m_history.Push(reinterpret_cast<UINT_PTR>(m_hSelectedWnd));
    TellFollowers(m_hSelectedWnd, Selection::Finished);
}

void CMainDialog::TellFollowers(HWND window, Selection kind) {
    SelectionFollower* const followers[] = {m_pSendMessageDialog, m_pMessageLogDialog};
    for (SelectionFollower* follower : followers)
        if (follower)
            follower->SelectionChanged(window, kind);
}

void CMainDialog::ShowOwnerWindows(HWND caller, bool show) {
    if (!m_hWnd)
        return;
    const int command = show ? SW_SHOW : SW_HIDE;
    ShowWindow(command);
    if (m_pWindowTreeDialog && m_pWindowTreeDialog->m_hWnd && m_pWindowTreeDialog->m_hWnd != caller)
        ::ShowWindow(m_pWindowTreeDialog->m_hWnd, command);
    if (m_pMessageLogDialog && m_pMessageLogDialog->m_hWnd && m_pMessageLogDialog->m_hWnd != caller)
        ::ShowWindow(m_pMessageLogDialog->m_hWnd, command);
    if (m_pFindWindowDialog && m_pFindWindowDialog->m_hWnd && m_pFindWindowDialog->m_hWnd != caller)
        ::ShowWindow(m_pFindWindowDialog->m_hWnd, command);
}
