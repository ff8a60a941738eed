#include "app/OrvexApp.h"

#include "maindlg/MainDialog.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(COrvexApp, CWinApp)
END_MESSAGE_MAP()

COrvexApp::COrvexApp() = default;

BOOL COrvexApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    SetRegistryKey(L"Quillmoor");
    m_appName = L"Orvex";
    m_profileName = L"Orvex\\1.2";

    {
        CMainDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}

COrvexApp& GetOrvexApp() {
    return *static_cast<COrvexApp*>(AfxGetApp());
}
