#pragma once
// The finder tool: an icon the user drags over the screen to pick a window, and the engine of the
// "Watch Cursor" mode, which reports the window under the cursor on a timer.

#include "framework/Controls.h"
#include "framework/Handles.h"

// Notification codes sent to the parent with WM_NOTIFY.
constexpr UINT SKN_BEGINSEEK = 1;
constexpr UINT SKN_ENDSEEK = 2;
constexpr UINT SKN_TARGETCHANGED = 3;

struct NMSEEKER {
    NMHDR hdr;
    HWND hwndTarget;
};

class CSeekerStatic : public CStatic {
    DECLARE_MESSAGE_MAP()

public:
    CSeekerStatic();
    ~CSeekerStatic() override;

    virtual BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    void SetWatchMode(bool watch);
    // Shows the icons and the cursor drawn for `dpi`; the control takes the icon's size.
    void SetDpi(int dpi);

    bool IsSeeking() const { return m_bSeeking != FALSE; }
    bool IsWatching() const { return m_bWatching != FALSE; }
    bool IsDragging() const { return m_bSeeking && !m_bWatching; }

    static constexpr UINT_PTR kWatchTimer = 100;
    static constexpr UINT kWatchPeriodMs = 100;

protected:
    int OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    BOOL OnEraseBkgnd(HDC dc);
    void OnLButtonDown(UINT keys, POINT point);
    void OnMouseMove(UINT keys, POINT point);
    void OnLButtonUp(UINT keys, POINT point);
    void OnTimer(UINT_PTR id);
    UINT OnGetDlgCode();
    void OnCaptureChanged(HWND newCapture);
    void OnSetFocus(HWND previous);
    void OnKillFocus(HWND next);

private:
    HICON CurrentIcon() const;
    void Notify(UINT code, HWND target);
    // One step of following the cursor; frames are drawn only while dragging.
    void TrackCursor(bool drawFrames);
    void EndDrag();
    void LoadPictures(int dpi);

    HWND m_hwndTarget = nullptr;
    BOOL m_bSeeking = FALSE;
    BOOL m_bWatching = FALSE;
    fw::UniqueCursor m_hTargetCursor;
    fw::UniqueIcon m_hIconIdle;
    fw::UniqueIcon m_hIconDragging;
    fw::UniqueIcon m_hIconWatching;
    int m_iconPixels = 32;
};
