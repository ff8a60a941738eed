#pragma once
// Dialogs from templates, modal (with a message loop of our own, so modeless tool windows keep
// their keyboard navigation) and modeless.

#include "Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog modally and returns the value passed to EndDialog, or -1 when it could not open.
    INT_PTR DoModal();
    // Opens the dialog modelessly.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Ends a modal dialog (the window is destroyed once the loop has returned); destroys a modeless one.
    void EndDialog(INT_PTR result);

    // Moves data between the controls and the members: TRUE reads the controls, FALSE fills them.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* message) override;
    bool OnCmdMsg(UINT id, UINT code) override;

    UINT m_templateId;
    CWnd* m_pParentWnd;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    HWND OpenWindow(HWND parent);

    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_modalResult = -1;
};

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// A check box and an integer member (BST_CHECKED is 1, BST_INDETERMINATE 2).
void DDX_Check(CDataExchange* dx, int id, int& value);
// Binds a control object to the dialog's control with that id, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Points a view at the dialog's control with that id.
void DDX_Control(CDataExchange* dx, int id, CWindowView& control);
