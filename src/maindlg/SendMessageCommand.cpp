// The main dialog's "Send Message to Window" command: opens the send-message dialog, or brings
// the open one forward.
#include "maindlg/MainDialog.h"

#include "res/resource.h"
#include "sendmsg/DialogPlacement.h"
#include "sendmsg/SendMessageDialog.h"

#include <memory>

namespace {

orvex::ScreenRect ToScreenRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

void CMainDialog::OnSendMessage() {
    if (m_pSendMessageDialog) {
        ::SetForegroundWindow(m_pSendMessageDialog->m_hWnd);
        return;
    }
    auto dialog = std::make_unique<CSendMessageDialog>(this);
    m_pSendMessageDialog = dialog.get();
    if (!dialog->CreateModeless(IDD_SEND_MESSAGE)) {
        // Nothing opened: leave no half-made dialog behind, so the next press tries again.
        m_pSendMessageDialog = nullptr;
        return;
    }
    CSendMessageDialog* opened = dialog.release(); // it owns itself now
    opened->SetTarget(m_hSelectedWnd);

    const RECT own = opened->GetWindowRect();
    const RECT main = GetWindowRect();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor))
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    const orvex::PlacementPoint at = orvex::PlaceSendMessageDialog(
        ToScreenRect(main), own.right - own.left, own.bottom - own.top, ToScreenRect(monitor.rcWork));
    opened->SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}
