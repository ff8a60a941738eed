#include "app/OrvexApp.h"

#include "app/AboutDlg.h"
#include "app/HotKeySetting.h"
#include "app/OptionsDialog.h"
#include "framework/Resources.h"
#include "framework/Wnd.h"
#include "maindlg/MainDialog.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {
constexpr wchar_t kSettings[] = L"Settings";
} // namespace

BEGIN_MESSAGE_MAP(COrvexApp, CWinApp)
ON_COMMAND(ID_APP_ABOUT, OnAbout)
ON_COMMAND(ID_VIEW_OPTIONS, OnOptions)
END_MESSAGE_MAP()

COrvexApp::COrvexApp() = default;

BOOL COrvexApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{8, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    SetRegistryKey(L"Quillmoor");
    m_appName = L"Orvex";
    m_profileName = L"Orvex\\1.2";
    LoadSettings();

    {
        CMainDialog dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        SaveSettings();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}

void COrvexApp::LoadSettings() {
    m_bKeepAlwaysOnTop = static_cast<int>(GetProfileInt(kSettings, L"KeepAlwaysOnTop", 0));
    m_bHideOnSeeking = static_cast<int>(GetProfileInt(kSettings, L"HideOnSeeking", 0));
    m_nHotKey = static_cast<int>(GetProfileInt(kSettings, L"HotKey", 120));
    // The list shows anything but 1 as the summary; keep the value saying what is shown, so the
    // toggle's label and the value written at exit agree with the screen.
    m_nViewMode = GetProfileInt(kSettings, L"ViewMode", 1) == 1 ? 1 : 0;
}

void COrvexApp::SaveSettings() {
    WriteProfileInt(kSettings, L"KeepAlwaysOnTop", m_bKeepAlwaysOnTop);
    WriteProfileInt(kSettings, L"HideOnSeeking", m_bHideOnSeeking);
    WriteProfileInt(kSettings, L"HotKey", m_nHotKey);
    WriteProfileInt(kSettings, L"ViewMode", m_nViewMode);
}

void COrvexApp::ApplyOptions() {
    HWND mainWnd = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    ::SetWindowPos(mainWnd, m_bKeepAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
    // A cleared hot key is stored as 0 and registers nothing: the registration could only take a
    // key that does not exist, or report a failure the user did not cause.
    if (m_nHotKey == 0)
        return;
    // A registration held under identifier 0 is replaced, not withdrawn first: the only withdrawal
    // happens when the main window goes away.
    if (!::RegisterHotKey(mainWnd, 0, orvex::HotKeyRegistrationModifiers(m_nHotKey),
                          orvex::HotKeyVirtualKey(m_nHotKey)) &&
        ::GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED)
        AfxMessageBox(IDS_HOTKEY_FAILED, MB_ICONERROR | MB_OK);
}

// Both dialogs are owned by the main window, so they stay above it when it is kept on top.
void COrvexApp::OnAbout() {
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void COrvexApp::OnOptions() {
    COptionsDialog dialog(m_pMainWnd);
    if (dialog.DoModal() == IDOK)
        ApplyOptions();
}

COrvexApp& GetOrvexApp() {
    return *static_cast<COrvexApp*>(AfxGetApp());
}
