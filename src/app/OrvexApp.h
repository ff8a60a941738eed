#pragma once
// The application object: start-up, the settings record and the application-level commands.

#include "framework/WinApp.h"

class COrvexApp : public CWinApp {
    DECLARE_MESSAGE_MAP()

public:
    COrvexApp();
    BOOL InitInstance() override;
};

// The running application object.
COrvexApp& GetOrvexApp();
