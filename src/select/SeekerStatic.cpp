#include "select/SeekerStatic.h"

#include "common/DpiScale.h"
#include "common/ScreenHelpers.h"
#include "common/WindowDpi.h"
#include "framework/WinApp.h"
#include "inspect/WindowFacts.h"
#include "res/resource.h"

namespace {

constexpr int kIconPixels = 32;

// Loaded as private copies (not shared), so destroying them is right. The icon files hold the
// sizes of every picture set, so the one asked for is never stretched.
HICON LoadOwnIcon(UINT id, int side) {
    return static_cast<HICON>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

} // namespace

BEGIN_MESSAGE_MAP(CSeekerStatic, CStatic)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_GETDLGCODE()
ON_WM_CAPTURECHANGED()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CSeekerStatic::CSeekerStatic() {
    LoadPictures(orvex::kBaseDpi);
}

void CSeekerStatic::LoadPictures(int dpi) {
    m_iconPixels = orvex::ArtPixelsForDpi(kIconPixels, dpi);
    m_hIconIdle.reset(LoadOwnIcon(IDI_FINDER_IDLE, m_iconPixels));
    m_hIconDragging.reset(LoadOwnIcon(IDI_FINDER_DRAGGING, m_iconPixels));
    m_hIconWatching.reset(LoadOwnIcon(IDI_FINDER_WATCHING, m_iconPixels));
    const int cursor = SystemMetricAtDpi(SM_CXCURSOR, dpi);
    m_hTargetCursor.reset(
        static_cast<HCURSOR>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_FINDER_TARGET),
                                          IMAGE_CURSOR, cursor, cursor, LR_DEFAULTCOLOR)));
}

void CSeekerStatic::SetDpi(int dpi) {
    // The old pictures stay alive until the control shows the new one.
    fw::UniqueIcon idle = std::move(m_hIconIdle), dragging = std::move(m_hIconDragging),
                   watching = std::move(m_hIconWatching);
    fw::UniqueCursor cursor = std::move(m_hTargetCursor);
    LoadPictures(dpi);
    SetIcon(CurrentIcon());
    if (IsDragging())
        ::SetCursor(m_hTargetCursor.get());
}

CSeekerStatic::~CSeekerStatic() = default;

BOOL CSeekerStatic::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CStatic::Create(L"", style | SS_ICON | SS_NOTIFY, rect, parent, id);
}

int CSeekerStatic::OnCreate(CREATESTRUCTW*) {
    if (Default() == -1)
        return -1;
    SetIcon(m_hIconIdle.get());
    return 0;
}

HICON CSeekerStatic::CurrentIcon() const {
    if (!m_bSeeking)
        return m_hIconIdle.get();
    return m_bWatching ? m_hIconWatching.get() : m_hIconDragging.get();
}

BOOL CSeekerStatic::OnEraseBkgnd(HDC) {
    return TRUE; // the parent's background shows through
}

void CSeekerStatic::OnPaint() {
    fw::PaintDC dc(m_hWnd);
    const RECT client = GetClientRect();
    RECT picture{(client.right - m_iconPixels) / 2, (client.bottom - m_iconPixels) / 2, 0, 0};
    picture.right = picture.left + m_iconPixels;
    picture.bottom = picture.top + m_iconPixels;
    ::DrawIconEx(dc.get(), picture.left, picture.top, CurrentIcon(), m_iconPixels, m_iconPixels, 0, nullptr,
                 DI_NORMAL);
    if (::GetFocus() == m_hWnd) {
        // Inside the picture's frame, as a push button shows it inside its edge: the window is no
        // larger than the picture, and dots drawn over the frame's grey would not be seen.
        const int inset = orvex::ScaleForDpi(3, DpiOfWindow(m_hWnd));
        ::InflateRect(&picture, -inset, -inset);
        ::DrawFocusRect(dc.get(), &picture);
    }
}

// The focus frame comes and goes with the focus.
void CSeekerStatic::OnSetFocus(HWND) {
    Invalidate();
    Default();
}

void CSeekerStatic::OnKillFocus(HWND) {
    Invalidate();
    Default();
}

UINT CSeekerStatic::OnGetDlgCode() {
    return DLGC_BUTTON;
}

void CSeekerStatic::Notify(UINT code, HWND target) {
    NMSEEKER record{};
    record.hdr.hwndFrom = m_hWnd;
    record.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    record.hdr.code = code;
    record.hwndTarget = target;
    ::SendMessageW(GetParent(), WM_NOTIFY, record.hdr.idFrom, reinterpret_cast<LPARAM>(&record));
}

void CSeekerStatic::OnLButtonDown(UINT, POINT) {
    Default();
    if (m_bSeeking)
        return;
    ::SetCursor(m_hTargetCursor.get());
    SetIcon(m_hIconDragging.get());
    m_hwndTarget = nullptr;
    m_bSeeking = TRUE;
    Invalidate(FALSE);
    ::SetCapture(m_hWnd);
    Notify(SKN_BEGINSEEK, nullptr);
}

void CSeekerStatic::TrackCursor(bool drawFrames) {
    POINT cursor{};
    if (!::GetCursorPos(&cursor))
        cursor = {0, 0};
    HWND under = DeepWindowFromPoint(cursor.x, cursor.y);
    if (IsOwnProcessWindow(under)) {
        // Our own windows are never reported; the owner keeps showing the last foreign window.
        if (m_hwndTarget && drawFrames)
            InvertWindowFrame(m_hwndTarget);
        m_hwndTarget = nullptr;
        return;
    }
    if (under == m_hwndTarget)
        return;
    if (m_hwndTarget && drawFrames)
        InvertWindowFrame(m_hwndTarget);
    m_hwndTarget = under;
    Notify(SKN_TARGETCHANGED, m_hwndTarget);
    if (m_hwndTarget && drawFrames) {
        // The owner has just refilled its list; let it paint before the frame goes on the screen,
        // or a later repaint under the frame would leave half of it behind when it is erased.
        ::UpdateWindow(::GetAncestor(m_hWnd, GA_ROOT));
        InvertWindowFrame(m_hwndTarget);
    }
}

void CSeekerStatic::OnMouseMove(UINT, POINT) {
    if (!IsDragging()) {
        Default();
        return;
    }
    TrackCursor(true);
}

void CSeekerStatic::EndDrag() {
    m_bSeeking = FALSE;
    Invalidate(FALSE);
    if (m_hwndTarget)
        InvertWindowFrame(m_hwndTarget);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    SetIcon(m_hIconIdle.get());
    Notify(SKN_ENDSEEK, nullptr);
}

void CSeekerStatic::OnLButtonUp(UINT, POINT) {
    if (IsDragging())
        EndDrag();
    Default();
}

void CSeekerStatic::OnCaptureChanged(HWND) {
    // Another window took the mouse (Alt+Tab, a system dialog): the drag ends as if released, so
    // no frame stays on the screen and a main window hidden for the drag comes back.
    if (IsDragging())
        EndDrag();
    Default();
}

void CSeekerStatic::SetWatchMode(bool watch) {
    if (watch) {
        m_hwndTarget = nullptr;
        m_bSeeking = TRUE;
        m_bWatching = TRUE;
        SetIcon(m_hIconWatching.get());
        SetTimer(kWatchTimer, kWatchPeriodMs);
    } else {
        KillTimer(kWatchTimer);
        m_bSeeking = FALSE;
        m_bWatching = FALSE;
        SetIcon(m_hIconIdle.get());
    }
    Invalidate(FALSE);
}

void CSeekerStatic::OnTimer(UINT_PTR id) {
    if (id == kWatchTimer && m_bSeeking)
        TrackCursor(false);
    Default();
}
