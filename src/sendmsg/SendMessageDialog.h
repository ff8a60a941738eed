#pragma once
// The send-message dialog: sends a message with typed identifier, wParam and lParam to a window
// and shows what its window procedure returned. The send never waits for the target; the result
// boxes are filled when the reply arrives, so a hung target cannot freeze Orvex. In watch mode it
// picks the window under the cursor every five seconds and sends again.
//
// A modeless tool window owned by the main dialog, at most one at a time. It follows every window
// its owner lists, tells its owner what it picks while watching, and hides and shows the owner's
// windows at the user's request.

#include "common/ToolWindowOwner.h"
#include "framework/ModelessDialog.h"

class CSendMessageDialog : public CModelessDialog, public SelectionFollower {
    DECLARE_MESSAGE_MAP()

public:
    explicit CSendMessageDialog(ToolWindowOwner& owner);
    ~CSendMessageDialog() override;

    // The window messages go to.
    void SetTarget(HWND hwnd) { m_hwndTarget = hwnd; }
    // Every window the owner lists reaches the dialog as a step, so the steps are all it follows:
    // the end of a pick names no new window, or one that could not be listed.
    void SelectionChanged(HWND window, Selection kind) override {
        if (kind == Selection::Step)
            SetTarget(window);
    }

    // Sends the stored message to the target without waiting; the reply fills the result boxes.
    void SendToTarget();

    static constexpr UINT_PTR kRepeatTimer = 100;
    static constexpr UINT kRepeatPeriodMs = 5000;

    ToolWindowOwner& m_owner;
    BOOL m_bWatching = FALSE;
    BOOL m_bHideMainWindow = FALSE;
    HWND m_hwndTarget = nullptr;
    UINT m_uMsg = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
    // Set once a press of Send has read all three fields: before that, watch ticks send nothing.
    bool m_bMessageStored = false;

protected:
    BOOL OnInitDialog() override;

    void OnTimer(UINT_PTR id);
    void OnSend();
    void OnWatchCursor();
    void OnHideMainWindow();
    void OnDestroy();

private:
    // Reads one field into `value`; on a bad field tells the user and puts the focus there.
    bool ReadField(int id, UINT& value);

    // A completion finds its dialog through this token, never through the dialog's address: a
    // reply may come long after the dialog has been closed and deleted.
    static void CALLBACK SendResultCallback(HWND hwnd, UINT message, ULONG_PTR token, LRESULT result);

    ULONG_PTR m_token;
};
