#pragma once
// The about box: product name, version, rights notice, the licence link that opens the terms, the
// maker's e-mail link and the banner picture, drawn centred on black.

#include "framework/Dialog.h"
#include "framework/Handles.h"

class CAboutDlg : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    // Empty until the dialog is initialised, and when the picture could not be made.
    fw::UniqueBitmap m_bitmapBanner;

protected:
    BOOL OnInitDialog() override;
    void OnDrawItem(int controlId, DRAWITEMSTRUCT* item);
    LRESULT OnLicenceClick(NMLINK* link);
    LRESULT OnMailClick(NMLINK* link);
};
