#pragma once
// The main dialog's inner parts as the tests read them: the tool windows it holds open, its bars
// and its DPI. CMainDialog names it a friend; nothing in the product uses it.

#include "maindlg/MainDialog.h"

#include <string>

struct MainDialogTestView {
    CMainDialog& dialog;

    CWindowTreeDialog* Tree() const { return dialog.m_pWindowTreeDialog; }
    CSendMessageDialog* SendDialog() const { return dialog.m_pSendMessageDialog; }
    CMessageLogDialog* Log() const { return dialog.m_pMessageLogDialog; }
    CFindWindowDialog* Find() const { return dialog.m_pFindWindowDialog; }
    CChangeWindowDialog* ChangeWindow() const { return dialog.m_pChangeWindowDialog; }
    CReBarCtrl& ReBar() const { return dialog.m_wndReBar; }
    CToolBarCtrl& ViewToolBar() const { return dialog.m_wndViewToolBar; }
    CToolBarCtrl& WindowToolBar() const { return dialog.m_wndWindowToolBar; }
    CToolBarCtrl& AboutToolBar() const { return dialog.m_wndAboutToolBar; }
    CSeekerStatic& FinderTool() const { return dialog.m_wndFinderTool; }
    CPropertiesView& Properties() const { return dialog.m_wndProperties; }
    int Dpi() const { return dialog.m_dpi; }
    unsigned ListingNumber() const { return dialog.m_listingNumber; }
    // A Control Text answer for the listing numbered `listing`, delivered as its thread posts it.
    void AnswerControlText(unsigned listing, const std::wstring& value) const {
        dialog.SendMessage(CMainDialog::kControlTextAnswer, listing,
                           reinterpret_cast<LPARAM>(new std::wstring(value)));
    }
};
