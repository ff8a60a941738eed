// The main window from the keyboard: the command keys, which work wherever the focus is in the
// window and run a toolbar button's command as its click does (and not while it is greyed), Alt+Left
// and Alt+Right over the finished picks, the Tab order through the window's parts, and the focus
// shown in each.
#include "maindlg/MainDialog.h"

#include "res/resource.h"

#include <initializer_list>

namespace {

struct CommandKey {
    UINT virtualKey;
    bool control;
    int command;
};

constexpr CommandKey kCommandKeys[] = {
    {'D', true, ID_VIEW_TOGGLE},         {VK_F5, false, ID_VIEW_REFRESH},
    {'T', true, ID_VIEW_WINDOW_TREE},    {'W', true, ID_VIEW_WATCH_CURSOR},
    {'O', true, ID_VIEW_OPTIONS},        {'F', true, ID_VIEW_FIND},
    {'H', true, ID_WINDOW_HIGHLIGHT},    {'E', true, ID_WINDOW_ENABLE_VISIBLE},
    {'M', true, ID_WINDOW_SEND_MESSAGE}, {'L', true, ID_WINDOW_MESSAGE_LOG},
    {VK_F1, false, ID_APP_ABOUT},
};

const CommandKey* CommandKeyOf(const MSG& message) {
    // With Alt held too a Ctrl+ key is AltGr typing a character, which is not a command.
    if (message.message != WM_KEYDOWN || ::GetKeyState(VK_MENU) < 0)
        return nullptr;
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    for (const CommandKey& key : kCommandKeys)
        if (key.virtualKey == message.wParam && key.control == control)
            return &key;
    return nullptr;
}

} // namespace

BOOL CMainDialog::PreTranslateMessage(MSG* message) {
    if (const CommandKey* key = CommandKeyOf(*message)) {
        // A key held down runs its command once, as a button held down does.
        const bool repeated = (message->lParam & (1 << 30)) != 0;
        for (const CToolBarCtrl* toolBar : {&m_wndViewToolBar, &m_wndWindowToolBar, &m_wndAboutToolBar})
            if (!repeated && PressToolBarButton(*toolBar, key->command, m_hWnd))
                break;
        return TRUE;
    }
    // Change Window is no toolbar button: F2 opens it wherever the focus is in the main window.
    if (message->message == WM_KEYDOWN && message->wParam == VK_F2 && ::GetKeyState(VK_CONTROL) >= 0 &&
        ::GetKeyState(VK_MENU) >= 0 && (message->lParam & (1 << 30)) == 0) {
        OnChangeWindow();
        return TRUE;
    }
    // Alt+Left and Alt+Right still go their usual way: the window system must see a key pressed
    // with Alt, or releasing Alt would open the window's menu.
    if (message->message == WM_SYSKEYDOWN && message->wParam == VK_LEFT)
        OnBack();
    else if (message->message == WM_SYSKEYDOWN && message->wParam == VK_RIGHT)
        OnForward();
    return CDialog::PreTranslateMessage(message);
}

void CMainDialog::SetUpKeyboard() {
    // The view toolbar and the finder tool live in the rebar, which Tab passes through only as a
    // control parent. In the rebar the finder follows the toolbar, as it does on the screen.
    m_wndReBar.ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ::SetWindowLongPtrW(m_wndFinderTool.m_hWnd, GWL_STYLE, m_wndFinderTool.GetStyle() | WS_TABSTOP);
    m_wndFinderTool.SetWindowPos(m_wndViewToolBar.m_hWnd, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_viewToolBarKeys.Attach(m_wndViewToolBar, m_hWnd);
    m_windowToolBarKeys.Attach(m_wndWindowToolBar, m_hWnd);
    m_aboutToolBarKeys.Attach(m_wndAboutToolBar, m_hWnd);
}

// The list shows where its keys act once it has the focus: with no row focused the first property
// row takes the focus, though not the selection.
void CMainDialog::ShowListFocus() {
    if (::GetFocus() != m_wndProperties.m_hWnd || m_wndProperties.GetNextItem(-1, LVNI_FOCUSED) >= 0)
        return;
    // A heading is never selected, so the focus goes to the first property row.
    for (int row = 0, count = m_wndProperties.GetItemCount(); row < count; ++row)
        if (!m_wndProperties.IsHeadingRow(row)) {
            m_wndProperties.SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
            return;
        }
}

LRESULT CMainDialog::OnPropertiesFocused(NMHDR*) {
    ShowListFocus();
    return 0;
}
