#include "app/TermOfUseDialog.h"

#include "app/CentreOnOwner.h"
#include "app/ProductTexts.h"
#include "res/resource.h"

CTermOfUseDialog::CTermOfUseDialog(CWnd* parent) : CDialog(IDD_TERMS_OF_USE, parent) {}

BOOL CTermOfUseDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CentreOnOwner(m_hWnd);
    HWND text = GetDlgItem(IDC_TERMS_TEXT);
    ::SetWindowTextW(text, orvex::kTermsOfUse);
    // Out of the tab order, so the dialog opens with OK focused and the text unselected.
    ::SetWindowLongPtrW(text, GWL_STYLE, ::GetWindowLongPtrW(text, GWL_STYLE) & ~LONG_PTR{WS_TABSTOP});
    return TRUE;
}
