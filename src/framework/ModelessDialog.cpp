#include "ModelessDialog.h"

BEGIN_MESSAGE_MAP(CModelessDialog, CDialog)
ON_WM_CLOSE()
END_MESSAGE_MAP()

void CModelessDialog::OnCancel() {
    SendMessage(WM_CLOSE);
}

void CModelessDialog::OnClose() {
    DestroyWindow();
}

void CModelessDialog::PostNcDestroy() {
    if (!m_ownsItself)
        return; // its window died within its creation: the opener still owns the object
    const ClosedHandler onClosed = std::move(m_onClosed);
    if (onClosed)
        onClosed(*this);
    delete this;
}
