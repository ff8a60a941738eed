#pragma once
// An application object for the framework tests: receives the commands a dialog leaves unhandled.

#include "framework/WinApp.h"
#include "framework/test_resources.h"

class CTestApp : public CWinApp {
    DECLARE_MESSAGE_MAP()

public:
    CTestApp() {
        m_hInstance = ::GetModuleHandleW(nullptr);
        m_appName = L"OrvexFrameworkTest";
    }
    int appCommands = 0;

    void OnAppCommand() { ++appCommands; }
};
