// The main dialog's "Display Window Tree View": opens the window tree beside the main window and
// finds the selected window in it, or brings the open tree forward.
#include "maindlg/MainDialog.h"

#include "res/resource.h"
#include "select/TreePlacement.h"
#include "select/WindowTreeDialog.h"

void CMainDialog::OnDisplayWindowTree() {
    if (m_pWindowTreeDialog) {
        ::SetForegroundWindow(m_pWindowTreeDialog->m_hWnd); // neither moved nor synchronised
        return;
    }
    m_pWindowTreeDialog = new CWindowTreeDialog(this);
    if (!m_pWindowTreeDialog->Create(IDD_WINDOW_TREE, this)) {
        // A window that failed while being created has cleared the pointer and deleted its object
        // on its way out; an object whose window never came to be is deleted here.
        delete m_pWindowTreeDialog;
        m_pWindowTreeDialog = nullptr;
        return;
    }
    CWindowTreeDialog& tree = *m_pWindowTreeDialog;
    const RECT main = GetWindowRect();
    RECT work{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        const orvex::WindowPlace place = orvex::PlaceTreeWindow(
            {main.left, main.top, main.right, main.bottom}, {work.left, work.top, work.right, work.bottom});
        tree.SetWindowPos(nullptr, place.x, place.y, place.width, place.height, SWP_SHOWWINDOW);
    } else {
        const RECT own = tree.GetWindowRect();
        const int x = main.left + ((main.right - main.left) - (own.right - own.left)) / 2;
        const int y = main.top + ((main.bottom - main.top) - (own.bottom - own.top)) / 2;
        tree.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        tree.ShowWindow(SW_SHOW);
    }
    tree.SelectWindowItem(m_hSelectedWnd, TRUE);
}
