// The main dialog as the owner of its tool windows: opening the window tree and the send-message
// dialog (or bringing the open one forward), and what the tools tell it.
#include "maindlg/MainDialog.h"

#include "common/ScreenGeometry.h"
#include "framework/ModelessDialog.h"
#include "res/resource.h"
#include "select/TreePlacement.h"
#include "select/WindowTreeDialog.h"
#include "sendmsg/DialogPlacement.h"
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

} // namespace

void CMainDialog::OnDisplayWindowTree() {
    CWindowTreeDialog* tree = OpenOrActivate(*this, m_pWindowTreeDialog);
    if (!tree)
        return;
    // Beside the main window on the primary monitor's work area, which the placement rule measures.
    const orvex::WindowPlace place =
        orvex::PlaceTreeWindow(orvex::ToScreenRect(GetWindowRect()), orvex::PrimaryWorkArea());
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
        orvex::WorkAreaOf(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST)));
    dialog->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CMainDialog::WindowChosen(HWND hwnd) {
    ShowWindowProperties(hwnd);
}

void CMainDialog::Retarget(HWND hwnd) {
    ShowWindowProperties(hwnd);
}

void CMainDialog::ShowOwnerWindows(HWND caller, bool show) {
    if (!m_hWnd)
        return;
    const int command = show ? SW_SHOW : SW_HIDE;
    ShowWindow(command);
    if (m_pWindowTreeDialog && m_pWindowTreeDialog->m_hWnd && m_pWindowTreeDialog->m_hWnd != caller)
        ::ShowWindow(m_pWindowTreeDialog->m_hWnd, command);
}
