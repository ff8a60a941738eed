#include "app/OptionsDialog.h"

#include "app/CentreOnOwner.h"
#include "res/resource.h"

COptionsDialog::COptionsDialog(CWnd* parent, orvex::Settings& settings)
    : CDialog(IDD_OPTIONS, parent), m_settings(settings) {}

void COptionsDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Check(dx, IDC_OPTIONS_ALWAYS_ON_TOP, m_bAlwaysOnTop);
    DDX_Check(dx, IDC_OPTIONS_HIDE_MAIN_WINDOW, m_bHideMainWindow);
    DDX_Check(dx, IDC_OPTIONS_MORE_PROPERTIES, m_bMoreProperties);
    DDX_Control(dx, IDC_OPTIONS_HOT_KEY, m_ctlHotKey);
}

BOOL COptionsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CentreOnOwner(m_hWnd);
    m_bAlwaysOnTop = m_settings.m_bKeepAlwaysOnTop;
    m_bHideMainWindow = m_settings.m_bHideOnSeeking;
    m_bMoreProperties = m_settings.m_bMoreProperties;
    // A key typed without a modifier becomes Ctrl+Alt plus that key, so a plain letter typed here
    // cannot take that letter away from every other program. The rule binds typing only: a stored
    // key without modifier (the default F9) is shown as it is.
    m_ctlHotKey.SetRules(HKCOMB_NONE, HOTKEYF_CONTROL | HOTKEYF_ALT);
    const auto stored = static_cast<WORD>(m_settings.m_nHotKey);
    m_ctlHotKey.SetHotKey(LOBYTE(stored), HIBYTE(stored));
    UpdateData(FALSE);
    return TRUE;
}

void COptionsDialog::OnOK() {
    UpdateData(TRUE);
    m_settings.m_bKeepAlwaysOnTop = m_bAlwaysOnTop;
    m_settings.m_bHideOnSeeking = m_bHideMainWindow;
    m_settings.m_bMoreProperties = m_bMoreProperties;
    m_settings.m_nHotKey = m_ctlHotKey.GetHotKey(); // 0 when the control was cleared
    CDialog::OnOK();
}
