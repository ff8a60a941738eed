#include "maindlg/MainDialog.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMainDialog, CDialog)
END_MESSAGE_MAP()

CMainDialog::CMainDialog() : CDialog(IDD_ORVEX_DIALOG) {}
