#pragma once
// The program's main window.

#include "framework/Dialog.h"

class CMainDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CMainDialog();
};
