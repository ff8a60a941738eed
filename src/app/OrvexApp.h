#pragma once
// The application object: start-up, the settings record and the application-level commands.

#include "framework/WinApp.h"

class COrvexApp : public CWinApp {
    DECLARE_MESSAGE_MAP()

public:
    COrvexApp();
    BOOL InitInstance() override;

    void LoadSettings();
    void SaveSettings();
    // Applies the topmost setting and registers the hot key for the main window.
    void ApplyOptions();

    // The settings record, stored under "Settings".
    int m_bKeepAlwaysOnTop = 0;
    int m_bHideOnSeeking = 0;
    int m_nHotKey = 120; // F9, no modifier
    int m_nViewMode = 1; // 1: detail listing; anything else: summary

protected:
    void OnAbout();
    void OnOptions();
};

// The running application object.
COrvexApp& GetOrvexApp();
