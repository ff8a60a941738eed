#include "app/OrvexApp.h"

#include "app/AboutDlg.h"
#include "app/OptionsDialog.h"
#include "cli/ProgramEntry.h"
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

    // A job from the command line shows no window and leaves the settings as they are.
    m_commandLineStatus = RunProgramCommandLine(m_settings.m_bMoreProperties != 0);
    if (m_commandLineStatus)
        return FALSE;

    {
        CMainDialog dialog(m_settings);
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return FALSE; // the settings are written by ExitInstance, which runs next
}

int COrvexApp::ExitInstance() {
    if (m_commandLineStatus) {
        CWinApp::ExitInstance();
        return *m_commandLineStatus;
    }
    SaveSettings();
    return CWinApp::ExitInstance();
}

void COrvexApp::LoadSettings() {
    m_settings.m_bKeepAlwaysOnTop = static_cast<int>(GetProfileInt(kSettings, L"KeepAlwaysOnTop", 0));
    m_settings.m_bHideOnSeeking = static_cast<int>(GetProfileInt(kSettings, L"HideOnSeeking", 0));
    m_settings.m_nHotKey = static_cast<int>(GetProfileInt(kSettings, L"HotKey", 120));
    m_settings.m_nViewMode = static_cast<int>(GetProfileInt(kSettings, L"ViewMode", 1));
    m_settings.m_bMoreProperties = GetProfileInt(kSettings, L"MoreProperties", 0) != 0 ? 1 : 0;
}

void COrvexApp::SaveSettings() {
    WriteProfileInt(kSettings, L"KeepAlwaysOnTop", m_settings.m_bKeepAlwaysOnTop);
    WriteProfileInt(kSettings, L"HideOnSeeking", m_settings.m_bHideOnSeeking);
    WriteProfileInt(kSettings, L"HotKey", m_settings.m_nHotKey);
    WriteProfileInt(kSettings, L"ViewMode", m_settings.m_nViewMode);
    WriteProfileInt(kSettings, L"MoreProperties", m_settings.m_bMoreProperties);
}

// Both dialogs are owned by the main window, so they stay above it when it is kept on top.
void COrvexApp::OnAbout() {
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void COrvexApp::OnOptions() {
    COptionsDialog dialog(m_pMainWnd, m_settings);
    if (dialog.DoModal() != IDOK)
        return;
    if (auto* mainDialog = dynamic_cast<CMainDialog*>(m_pMainWnd))
        mainDialog->ApplySettings();
}
