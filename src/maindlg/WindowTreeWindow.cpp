// The window of the open window tree, for the tools that hide and show it with the main window.
#include "maindlg/MainDialog.h"

#include "select/WindowTreeDialog.h"

HWND CMainDialog::WindowTreeWindow() const {
    return m_pWindowTreeDialog ? m_pWindowTreeDialog->m_hWnd : nullptr;
}
