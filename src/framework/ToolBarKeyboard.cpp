#include "ToolBarKeyboard.h"

#include "MessageMap.h"

namespace {

std::optional<TBBUTTON> ButtonAt(const CToolBarCtrl& toolBar, int index) {
    TBBUTTON button{};
    if (index < 0 ||
        !toolBar.SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return std::nullopt;
    return button;
}

bool Pressable(const TBBUTTON& button) {
    return !(button.fsStyle & BTNS_SEP) && (button.fsState & TBSTATE_ENABLED) &&
           !(button.fsState & TBSTATE_HIDDEN);
}

} // namespace

bool PressToolBarButton(const CToolBarCtrl& toolBar, int command, HWND commandTarget) {
    const int index = static_cast<int>(toolBar.SendMessage(TB_COMMANDTOINDEX, static_cast<WPARAM>(command)));
    const std::optional<TBBUTTON> button = ButtonAt(toolBar, index);
    if (!button || !Pressable(*button))
        return false;
    if (button->fsStyle & BTNS_WHOLEDROPDOWN) {
        // A button that is all drop-down arrow gives no command: its owner shows the drop-down.
        NMTOOLBARW drop{};
        drop.hdr.hwndFrom = toolBar.m_hWnd;
        drop.hdr.idFrom = static_cast<UINT_PTR>(toolBar.GetDlgCtrlID());
        drop.hdr.code = TBN_DROPDOWN;
        drop.iItem = command;
        toolBar.GetItemRect(index, &drop.rcButton);
        ::SendMessageW(commandTarget, WM_NOTIFY, drop.hdr.idFrom, reinterpret_cast<LPARAM>(&drop));
        return true;
    }
    if (button->fsStyle & BTNS_CHECK)
        toolBar.CheckButton(command, !(button->fsState & TBSTATE_CHECKED));
    ::SendMessageW(commandTarget, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                   reinterpret_cast<LPARAM>(toolBar.m_hWnd));
    return true;
}

BEGIN_MESSAGE_MAP(CToolBarKeyboard, CWnd)
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

BOOL CToolBarKeyboard::Attach(const CToolBarCtrl& toolBar, HWND commandTarget) {
    m_commandTarget = commandTarget;
    return SubclassWindow(toolBar.m_hWnd);
}

UINT CToolBarKeyboard::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS;
}

int CToolBarKeyboard::NextPressable(int from, int step) const {
    const CToolBarCtrl toolBar(m_hWnd);
    const int count = toolBar.GetButtonCount();
    for (int tried = 1; tried <= count; ++tried) {
        const int index = ((from + step * tried) % count + count) % count;
        if (const std::optional<TBBUTTON> button = ButtonAt(toolBar, index); button && Pressable(*button))
            return index;
    }
    return -1;
}

void CToolBarKeyboard::ShowKeyboardButton(int index) {
    m_keyboardButton = index;
    SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(index));
}

void CToolBarKeyboard::OnKeyDown(UINT virtualKey, UINT, UINT) {
    // The mouse may have made another button hot since; the keys go on from that one.
    const int hot = static_cast<int>(SendMessage(TB_GETHOTITEM));
    const int current = hot >= 0 ? hot : m_keyboardButton;
    switch (virtualKey) {
    case VK_LEFT:
    case VK_UP:
        ShowKeyboardButton(NextPressable(current >= 0 ? current : 0, -1));
        break;
    case VK_RIGHT:
    case VK_DOWN:
        ShowKeyboardButton(NextPressable(current, 1));
        break;
    case VK_SPACE:
        // Held down until Space is let go, as a push button is. By then the character the key
        // typed has gone too, and cannot reach (and close) a drop-down menu the press opens.
        if (const std::optional<TBBUTTON> button = ButtonAt(CToolBarCtrl(m_hWnd), current);
            button && Pressable(*button)) {
            m_heldCommand = button->idCommand;
            SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(m_heldCommand), MAKELPARAM(TRUE, 0));
        }
        break;
    default:
        Default();
    }
}

void CToolBarKeyboard::OnKeyUp(UINT virtualKey, UINT, UINT) {
    if (virtualKey != VK_SPACE || !m_heldCommand) {
        Default();
        return;
    }
    const int command = ReleaseHeldButton();
    PressToolBarButton(CToolBarCtrl(m_hWnd), command, m_commandTarget);
}

int CToolBarKeyboard::ReleaseHeldButton() {
    const int command = m_heldCommand;
    m_heldCommand = 0;
    if (command)
        SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(command), MAKELPARAM(FALSE, 0));
    return command;
}

void CToolBarKeyboard::OnSetFocus(HWND) {
    Default();
    const std::optional<TBBUTTON> last = ButtonAt(CToolBarCtrl(m_hWnd), m_keyboardButton);
    ShowKeyboardButton(last && Pressable(*last) ? m_keyboardButton : NextPressable(-1, 1));
}

void CToolBarKeyboard::OnKillFocus(HWND) {
    Default();
    ReleaseHeldButton(); // Space let go elsewhere presses nothing
    SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(-1));
}

void CToolBarKeyboard::OnMouseLeave() {
    Default();
    if (::GetFocus() == m_hWnd && m_keyboardButton >= 0)
        SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(m_keyboardButton));
}
