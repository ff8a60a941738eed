#pragma once
// The options dialog: always on top, hiding the main window while the finder tool is dragged, and
// the global hot key. It copies the settings in when it opens and back only on OK; applying them
// is its opener's business.

#include "common/Settings.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"

class COptionsDialog : public CDialog {
public:
    COptionsDialog(CWnd* parent, orvex::Settings& settings);

    int m_bAlwaysOnTop = 0;
    int m_bHideMainWindow = 0;
    int m_bMoreProperties = 0;
    CHotKeyCtrl m_ctlHotKey;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    orvex::Settings& m_settings;
};
