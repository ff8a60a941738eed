#include "Dialog.h"

#include "WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM) {
    // Everything reaches the object through its subclass in front of the dialog manager.
    return FALSE;
}

HWND CDialog::OpenWindow(HWND parent) {
    CreationHandOff handOff(this);
    return ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), parent,
                                &CDialog::DialogProc, 0);
}

INT_PTR CDialog::DoModal() {
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    m_modal = true;
    m_endModal = false;
    m_modalResult = -1;
    HWND hwnd = OpenWindow(parent);
    if (!hwnd || !m_hWnd) {
        m_modal = false;
        return -1;
    }
    bool reenableParent = parent && ::IsWindowEnabled(parent);
    if (reenableParent)
        ::EnableWindow(parent, FALSE);
    if (!m_endModal && !::IsWindowVisible(hwnd))
        ::ShowWindow(hwnd, SW_SHOWNORMAL);

    MSG message;
    while (!m_endModal && m_hWnd) {
        BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            ::PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : -1);
            break;
        }
        if (!CWnd::WalkPreTranslateTree(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (reenableParent)
        ::EnableWindow(parent, TRUE);
    if (m_hWnd) {
        if (parent && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(parent);
        ::DestroyWindow(m_hWnd);
    }
    m_modal = false;
    return m_modalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    m_pParentWnd = parent;
    m_modal = false;
    return OpenWindow(parent ? parent->m_hWnd : nullptr) != nullptr && m_hWnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_modal) {
        m_modalResult = result;
        m_endModal = true;
        // The window stays up until the loop has enabled the owner again and handed it the
        // activation; hidden now, it would pass the activation to some other program's window.
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0); // wake the loop
    } else {
        DestroyWindow();
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* message) {
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST)
        return ::IsDialogMessageW(m_hWnd, message);
    return FALSE;
}

bool CDialog::OnCmdMsg(UINT id, UINT code) {
    if (CWnd::OnCmdMsg(id, code))
        return true;
    // Commands the dialog does not handle travel on to the application object.
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->m_pDlgWnd->GetDlgItem(id);
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.m_hWnd)
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Control(CDataExchange* dx, int id, CWindowView& control) {
    control.m_hWnd = dx->m_pDlgWnd->GetDlgItem(id);
}
