#include "app/OrvexApp.h"

#include "app/AboutDlg.h"
#include "app/OptionsDialog.h"
#include "cli/ProgramEntry.h"
#include "maindlg/MainDialog.h"
#include "maindlg/SettingsStore.h"
#include "res/resource.h"

#include <commctrl.h>

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
    m_settings = LoadSettings();

    // A job from the command line shows no window and leaves the settings as they are.
    m_commandLineStatus = RunProgramCommandLine();
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
    SaveSettings(m_settings);
    return CWinApp::ExitInstance();
}

// Both dialogs are owned by the main window, so they stay above it when it is kept on top.
void COrvexApp::OnAbout() {
    CAboutDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

// While the dialog is open the hot key is off: the hot-key box then receives the key itself, so the
// user can type the combination that is registered now. OK registers the new key, Cancel the old.
void COrvexApp::OnOptions() {
    auto* mainDialog = dynamic_cast<CMainDialog*>(m_pMainWnd);
    if (mainDialog)
        mainDialog->SuspendHotKey();
    COptionsDialog dialog(m_pMainWnd, m_settings);
    const bool accepted = dialog.DoModal() == IDOK;
    if (!mainDialog)
        return;
    if (accepted)
        mainDialog->ApplySettings();
    else
        mainDialog->ResumeHotKey();
}
