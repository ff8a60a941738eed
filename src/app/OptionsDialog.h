#pragma once
// The options dialog: always on top, hiding the main window while the finder tool is dragged, and
// the global hot key. It copies the application's settings in when it opens and back only on OK;
// applying them is the application object's business.

#include "framework/Controls.h"
#include "framework/Dialog.h"

class COptionsDialog : public CDialog {
public:
    explicit COptionsDialog(CWnd* parent = nullptr);

    int m_bAlwaysOnTop = 0;
    int m_bHideMainWindow = 0;
    CHotKeyCtrl m_ctlHotKey;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};
