// The main dialog as the owner of its tool windows: opening the window tree, the send-message
// dialog, the message log and Find Window (or bringing the open one forward), and what the tools
// tell it.
#include "maindlg/MainDialog.h"

#include "change/ChangeWindowDialog.h"
#include "find/FindWindowDialog.h"
#include "framework/ModelessDialog.h"
#include "maindlg/PlacementOnScreen.h"
#include "msglog/MessageLogDialog.h"
#include "res/resource.h"
#include "select/WindowTreeDialog.h"
#include "sendmsg/SendMessageDialog.h"

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

template <class Tool> HWND HandleOf(Tool* tool) {
    return tool ? tool->m_hWnd : nullptr;
}

} // namespace

void CMainDialog::OnDisplayWindowTree() {
    CWindowTreeDialog* tree = OpenOrActivate(*this, m_pWindowTreeDialog);
    if (!tree)
        return;
    ShowTreeWindowBeside(tree->m_hWnd, m_hWnd, m_dpi);
    tree->SelectWindowItem(m_hSelectedWnd, TRUE);
    tree->FocusTree();
}

void CMainDialog::OnSendMessage() {
    CSendMessageDialog* dialog = OpenOrActivate(*this, m_pSendMessageDialog);
    if (!dialog)
        return;
    dialog->SetTarget(m_hSelectedWnd);
    ShowSendMessageDialogOver(dialog->m_hWnd, m_hWnd, m_dpi);
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
    ShowToolWindowBeside(m_pMessageLogDialog->m_hWnd, m_hWnd, m_hSelectedWnd,
                         {HandleOf(m_pWindowTreeDialog), HandleOf(m_pSendMessageDialog),
                          HandleOf(m_pFindWindowDialog), HandleOf(m_pChangeWindowDialog)},
                         m_pMessageLogDialog->WidthForColumns(), m_messageLogRect);
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
    ShowToolWindowBeside(find->m_hWnd, m_hWnd, m_hSelectedWnd,
                         {HandleOf(m_pWindowTreeDialog), HandleOf(m_pSendMessageDialog),
                          HandleOf(m_pMessageLogDialog), HandleOf(m_pChangeWindowDialog)});
}

// Opened on the listed window, and only with one: there is nothing to change without it.
void CMainDialog::OnChangeWindow() {
    if (m_pChangeWindowDialog) {
        ::SetForegroundWindow(m_pChangeWindowDialog->m_hWnd);
        return;
    }
    if (!m_hSelectedWnd || !::IsWindow(m_hSelectedWnd))
        return;
    m_pChangeWindowDialog = CModelessDialog::Open<CChangeWindowDialog>(
        this,
        [this](CModelessDialog& closed) {
            if (m_pChangeWindowDialog == &closed)
                m_pChangeWindowDialog = nullptr;
        },
        *this, m_hSelectedWnd);
    if (!m_pChangeWindowDialog)
        return;
    ShowToolWindowBeside(m_pChangeWindowDialog->m_hWnd, m_hWnd, m_hSelectedWnd,
                         {HandleOf(m_pWindowTreeDialog), HandleOf(m_pSendMessageDialog),
                          HandleOf(m_pMessageLogDialog), HandleOf(m_pFindWindowDialog)},
                         0, std::nullopt, m_pChangeWindowDialog->MinimumHeight());
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
    SelectionFollower* const followers[] = {m_pSendMessageDialog, m_pMessageLogDialog, m_pChangeWindowDialog};
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
    if (m_pChangeWindowDialog && m_pChangeWindowDialog->m_hWnd && m_pChangeWindowDialog->m_hWnd != caller)
        ::ShowWindow(m_pChangeWindowDialog->m_hWnd, command);
}
