#pragma once
// The application object: start-up, the settings it loads and saves, and the application-level
// commands.

#include "common/Settings.h"
#include "framework/WinApp.h"

#include <optional>

class COrvexApp : public CWinApp {
    DECLARE_MESSAGE_MAP()

public:
    COrvexApp();
    BOOL InitInstance() override;
    // Writes the settings: at an orderly exit, and at the end of the Windows session.
    int ExitInstance() override;

    // The settings record, stored under "Settings" (maindlg/SettingsStore).
    orvex::Settings m_settings;
    // The exit status of a job the command line asked for; nothing when the window ran.
    std::optional<int> m_commandLineStatus;

protected:
    void OnAbout();
    void OnOptions();
};
