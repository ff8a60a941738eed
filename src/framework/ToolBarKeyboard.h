#pragma once
// A toolbar worked from the keyboard inside a dialog, as Windows toolbars are: the arrow keys move
// between its buttons and Space presses the one shown hot. Enter and Escape stay the dialog's.
// Two things keep a plain toolbar from this: the dialog manager takes the arrow keys to move
// between controls unless the control asks for them, and a toolbar drops its hot button whenever
// the mouse leaves it, which would leave the focus unseen.

#include "Controls.h"
#include "Wnd.h"

class CToolBarKeyboard : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    // Binds to `toolBar`; the buttons it presses tell `commandTarget`, as a click tells the
    // toolbar's parent.
    BOOL Attach(const CToolBarCtrl& toolBar, HWND commandTarget);

protected:
    UINT OnGetDlgCode();
    void OnKeyDown(UINT virtualKey, UINT repeat, UINT flags);
    void OnKeyUp(UINT virtualKey, UINT repeat, UINT flags);
    void OnSetFocus(HWND previous);
    void OnKillFocus(HWND next);
    void OnMouseLeave();

private:
    // The next button after `from` in `step`'s direction that a press would work, round the ends;
    // -1 when there is none.
    int NextPressable(int from, int step) const;
    void ShowKeyboardButton(int index);
    // Lets the button held down with Space up again; its command, or 0 when none was held.
    int ReleaseHeldButton();

    HWND m_commandTarget = nullptr;
    int m_keyboardButton = -1; // the button the keys are on, by index
    int m_heldCommand = 0;     // the button Space holds down, by command
};

// Presses the button of `command` as a click does: a check button turns over first, then its
// command goes to `commandTarget`; a drop-down button tells `commandTarget` to show its drop-down. False,
// with nothing done, when `toolBar` has no such button or it is greyed or hidden.
bool PressToolBarButton(const CToolBarCtrl& toolBar, int command, HWND commandTarget);
