#include "maindlg/MainDialog.h"

#include "common/DpiScale.h"
#include "common/ScreenGeometry.h"
#include "common/ToolTipText.h"
#include "common/ValueFormat.h"
#include "common/WindowDpi.h"
#include "framework/Resources.h"
#include "framework/WinApp.h"
#include "maindlg/ApplySettings.h"
#include "maindlg/Placement.h"
#include "maindlg/PlacementOnScreen.h"
#include "maindlg/SettingsStore.h"
#include "msglog/MessageLogDialog.h"
#include "res/resource.h"

#include <iterator>

namespace {

constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBSTYLE_TRANSPARENT | TBSTYLE_LIST |
                                TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                                CCS_NORESIZE | CCS_TOP;
// The bottom toolbars keep their divider line and clip their neighbours.
constexpr DWORD kBottomToolBarStyle =
    (kToolBarStyle & ~DWORD(CCS_NODIVIDER)) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kToolBarExStyle = TBSTYLE_EX_MIXEDBUTTONS | TBSTYLE_EX_DOUBLEBUFFER;
constexpr size_t kButtonStructSize = sizeof(TBBUTTON);
constexpr int kMinWidth = 429;
constexpr int kMinHeight = 165;
constexpr RECT kEmptyRect{0, 0, 0, 0};

// Labelled buttons size themselves to their label; without that a label set after the buttons
// were added is cut to the width of an image-only button.
constexpr BYTE kLabelled = BTNS_SHOWTEXT | BTNS_AUTOSIZE;

void SetButtonLabel(const CToolBarCtrl& toolBar, int command, const wchar_t* label) {
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT;
    info.pszText = const_cast<wchar_t*>(label);
    toolBar.SetButtonInfo(command, info);
}

// "Invalid window handle (0x...). The window is not exist." with the handle's digits.
std::wstring InvalidHandleText(HWND hwnd) {
    std::wstring format = LoadStringResource(IDS_INVALID_WINDOW);
    const std::wstring placeholder = L"%1!08X!";
    size_t at = format.find(placeholder);
    if (at == std::wstring::npos)
        return format;
    // A 64-bit handle that does not fit in eight digits is written whole, never cut.
    format.replace(at, placeholder.size(), orvex::PointerDigits(reinterpret_cast<UINT_PTR>(hwnd)));
    return format;
}

} // namespace

BEGIN_MESSAGE_MAP(CMainDialog, CDialog)
ON_NOTIFY_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnToolTipText)
ON_COMMAND(ID_VIEW_TOGGLE, OnToggleView)
ON_COMMAND(ID_VIEW_REFRESH, OnRefresh)
ON_NOTIFY(SKN_BEGINSEEK, IDC_FINDER_TOOL, OnBeginSeek)
ON_NOTIFY(SKN_ENDSEEK, IDC_FINDER_TOOL, OnEndSeek)
ON_NOTIFY(SKN_TARGETCHANGED, IDC_FINDER_TOOL, OnTargetChanged)
ON_COMMAND(ID_VIEW_WATCH_CURSOR, OnWatchCursor)
ON_COMMAND(ID_WINDOW_HIGHLIGHT, OnHighlightWindow)
ON_COMMAND(ID_WINDOW_ENABLE_VISIBLE, OnEnableVisibleWindow)
ON_COMMAND(ID_WINDOW_SEND_MESSAGE, OnSendMessage)
ON_COMMAND(ID_VIEW_WINDOW_TREE, OnDisplayWindowTree)
ON_COMMAND(ID_WINDOW_MESSAGE_LOG, OnMessageLog)
ON_COMMAND(ID_VIEW_FIND, OpenFindWindow)
ON_WM_HOTKEY()
ON_WM_WINDOWPOSCHANGING()
ON_WM_SIZE()
ON_MESSAGE(kEnableVisibleDone, OnEnableVisibleDone)
ON_MESSAGE(kControlTextAnswer, OnControlTextAnswer)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_ENDSESSION()
ON_NOTIFY(PVN_PREPAREMENU, IDC_PROPERTIES, OnPreparePropertyMenu)
ON_NOTIFY(PVN_GOTOWINDOW, IDC_PROPERTIES, OnGoToWindow)
ON_NOTIFY(NM_SETFOCUS, IDC_PROPERTIES, OnPropertiesFocused)
ON_COMMAND_RANGE(ID_PROPERTY_GO_PARENT, ID_PROPERTY_GO_NEXT, OnGoToRelated)
ON_COMMAND(ID_PROPERTY_BACK, OnBack)
ON_COMMAND(ID_PROPERTY_FORWARD, OnForward)
ON_COMMAND(ID_PROPERTY_MORE, OnToggleMoreProperties)
ON_COMMAND(ID_PROPERTY_COPY_JSON, OnCopyAllAsJson)
ON_COMMAND(ID_PROPERTY_CHANGE_WINDOW, OnChangeWindow)
ON_COMMAND(ID_PROPERTY_COPY_TARGET, OnCopyTarget)
ON_COMMAND(ID_PROPERTY_COPY_PICTURE, OnCopyPicture)
ON_COMMAND(ID_PROPERTY_SAVE_PICTURE, OnSavePicture)
ON_WM_DPICHANGED()
END_MESSAGE_MAP()

CMainDialog::CMainDialog(orvex::Settings& settings) : CDialog(IDD_ORVEX_DIALOG), m_settings(settings) {
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
}

CMainDialog::~CMainDialog() = default;

int CMainDialog::OnCreate(CREATESTRUCTW*) {
    if (Default() == -1)
        return -1;
    m_dpi = DpiOfWindow(m_hWnd);
    if (!CreateViewToolBar() || !CreateFinderTool() || !CreateReBar())
        return -1;
    if (!m_wndProperties.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP |
                                    LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER,
                                kEmptyRect, m_hWnd, IDC_PROPERTIES))
        return -1;
    if (!CreateWindowToolBar() || !CreateAboutToolBar())
        return -1;
    ApplySettings();
    return 0;
}

bool CMainDialog::CreateViewToolBar() {
    if (!m_wndViewToolBar.Create(kToolBarStyle, kEmptyRect, m_hWnd, IDC_VIEW_TOOLBAR, WS_EX_TOOLWINDOW))
        return false;
    m_wndViewToolBar.SetExtendedStyle(kToolBarExStyle);
    m_wndViewToolBar.SetButtonStructSize(kButtonStructSize);
    SetToolBarPictures();
    const TBBUTTON buttons[] = {
        CToolBarCtrl::Button(0, ID_VIEW_TOGGLE, kLabelled),
        CToolBarCtrl::Button(2, ID_VIEW_REFRESH, BTNS_BUTTON),
        CToolBarCtrl::Separator(),
        CToolBarCtrl::Button(3, ID_VIEW_WINDOW_TREE, BTNS_BUTTON),
        CToolBarCtrl::Button(5, ID_VIEW_WATCH_CURSOR, BTNS_CHECK),
        CToolBarCtrl::Separator(),
        CToolBarCtrl::Button(4, ID_VIEW_OPTIONS, kLabelled),
        CToolBarCtrl::Button(6, ID_VIEW_FIND, kLabelled),
    };
    m_wndViewToolBar.AddButtons(static_cast<int>(std::size(buttons)), buttons);
    SetButtonLabel(m_wndViewToolBar, ID_VIEW_OPTIONS, L"Options");
    SetButtonLabel(m_wndViewToolBar, ID_VIEW_FIND, L"Find");
    UpdateToggleButton();
    return true;
}

bool CMainDialog::CreateReBar() {
    if (!m_wndReBar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_FIXEDORDER |
                               CCS_NODIVIDER | CCS_TOP,
                           kEmptyRect, m_hWnd, IDC_MAIN_REBAR))
        return false;
    // Each band is made with the size of its child, so the rebar lays out its rows for them.
    REBARBANDINFOW bands[2]{};
    BandSizes(bands[0], bands[1]);
    bands[0].fMask |= RBBIM_STYLE | RBBIM_CHILD;
    bands[0].fStyle = RBBS_NOGRIPPER;
    bands[0].hwndChild = m_wndViewToolBar.m_hWnd;
    bands[1].fMask |= RBBIM_STYLE | RBBIM_CHILD | RBBIM_TEXT;
    bands[1].fStyle = RBBS_NOGRIPPER | RBBS_FIXEDSIZE;
    bands[1].lpText = const_cast<wchar_t*>(L"Finder Tool:");
    bands[1].hwndChild = m_wndFinderTool.m_hWnd;
    return m_wndReBar.InsertBand(0, bands[0]) && m_wndReBar.InsertBand(1, bands[1]);
}

void CMainDialog::BandSizes(REBARBANDINFOW& view, REBARBANDINFOW& finder) const {
    // The view toolbar is measured from its buttons.
    int width = 0;
    for (int i = 0, count = m_wndViewToolBar.GetButtonCount(); i < count; ++i) {
        RECT rect{};
        m_wndViewToolBar.GetItemRect(i, &rect);
        width += rect.right - rect.left;
    }
    RECT refresh{};
    m_wndViewToolBar.GetItemRect(1, &refresh);
    view.cbSize = REBARBANDINFOW_V6_SIZE;
    view.fMask = RBBIM_CHILDSIZE;
    view.cxMinChild = static_cast<UINT>(width);
    view.cyMinChild = static_cast<UINT>(refresh.bottom - refresh.top);
    view.cyChild = view.cyMinChild;

    const RECT tool = m_wndFinderTool.GetClientRect();
    finder.cbSize = REBARBANDINFOW_V6_SIZE;
    finder.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
    finder.cxMinChild = static_cast<UINT>(tool.right);
    finder.cxIdeal = static_cast<UINT>(tool.right);
    finder.cyMinChild = static_cast<UINT>(tool.bottom);
    finder.cyChild = finder.cyMinChild;
}

bool CMainDialog::CreateFinderTool() {
    if (!m_wndFinderTool.Create(WS_CHILD | WS_VISIBLE | SS_NOTIFY, kEmptyRect, m_hWnd, IDC_FINDER_TOOL))
        return false;
    m_wndFinderTool.ModifyStyleEx(0, WS_EX_TRANSPARENT);
    m_wndFinderTool.SetDpi(m_dpi);
    return true;
}

bool CMainDialog::CreateWindowToolBar() {
    if (!m_wndWindowToolBar.Create(kBottomToolBarStyle, kEmptyRect, m_hWnd, IDC_WINDOW_TOOLBAR,
                                   WS_EX_TOOLWINDOW))
        return false;
    m_wndWindowToolBar.SetExtendedStyle(kToolBarExStyle);
    m_wndWindowToolBar.SetButtonStructSize(kButtonStructSize);
    SetToolBarPictures();
    const TBBUTTON buttons[] = {
        CToolBarCtrl::Button(0, ID_WINDOW_HIGHLIGHT, BTNS_BUTTON),
        CToolBarCtrl::Button(1, ID_WINDOW_ENABLE_VISIBLE, BTNS_BUTTON),
        CToolBarCtrl::Separator(),
        CToolBarCtrl::Button(2, ID_WINDOW_SEND_MESSAGE, kLabelled),
        CToolBarCtrl::Button(3, ID_WINDOW_MESSAGE_LOG, kLabelled),
    };
    m_wndWindowToolBar.AddButtons(static_cast<int>(std::size(buttons)), buttons);
    SetButtonLabel(m_wndWindowToolBar, ID_WINDOW_SEND_MESSAGE, L"Send Message");
    SetButtonLabel(m_wndWindowToolBar, ID_WINDOW_MESSAGE_LOG, L"Message Log");
    return true;
}

bool CMainDialog::CreateAboutToolBar() {
    if (!m_wndAboutToolBar.Create(kBottomToolBarStyle, kEmptyRect, m_hWnd, IDC_ABOUT_TOOLBAR,
                                  WS_EX_TOOLWINDOW))
        return false;
    m_wndAboutToolBar.SetExtendedStyle(kToolBarExStyle);
    m_wndAboutToolBar.SetButtonStructSize(kButtonStructSize);
    SetToolBarPictures();
    m_wndAboutToolBar.AddString(L"About...");
    TBBUTTON about = CToolBarCtrl::Button(I_IMAGENONE, ID_APP_ABOUT, kLabelled);
    about.iString = 0;
    m_wndAboutToolBar.AddButtons(1, &about);
    return true;
}

void CMainDialog::UpdateToggleButton() {
    // The button names the listing the next press will show.
    const bool summaryShown = m_settings.GetViewMode() == orvex::ViewMode::Summary;
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_TEXT | TBIF_IMAGE;
    info.iImage = summaryShown ? 0 : 1;
    info.pszText = const_cast<wchar_t*>(summaryShown ? L"Detail" : L"Summary");
    m_wndViewToolBar.SetButtonInfo(0, info);
}

BOOL CMainDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    const int storedDpi = LoadPlacementDpi();
    RestorePlacement(storedDpi);
    if (const std::optional<RECT> stored = LoadMessageLogRect())
        m_messageLogRect = ToRect(orvex::RescaleStoredRect(ToScreenRect(*stored), storedDpi, m_dpi));
    if (orvex::MessageFilter stored = LoadMessageLogFilter(); !stored.ShowsEverything())
        m_messageLogFilter = stored;
    SetUpKeyboard();
    ShowWindowProperties(nullptr);
    // The focus starts in the list, where a pick's rows are read and copied, though the toolbars
    // come before it in the Tab order.
    m_wndProperties.SetFocus();
    return FALSE;
}

void CMainDialog::RestorePlacement(int storedDpi) {
    const std::optional<StoredWindowPlacement> stored = LoadWindowPlacement();
    if (!stored)
        return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.flags = static_cast<UINT>(stored->flags);
    // A window closed while minimised comes back in its normal state.
    placement.showCmd = stored->showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    const RECT scaled = ToRect(orvex::RescaleStoredRect(ToScreenRect(stored->rect), storedDpi, m_dpi));
    placement.rcNormalPosition = FitStoredOnScreen(scaled, Scaled(kMinWidth), Scaled(kMinHeight));
    ::SetWindowPlacement(m_hWnd, &placement);
}

void CMainDialog::KeepMessageLogFilter(const orvex::MessageFilter& filter) {
    if (m_messageLogFilter || !filter.ShowsEverything())
        m_messageLogFilter = filter;
}

void CMainDialog::SaveMessageLogSettings() {
    if (m_pMessageLogDialog && m_pMessageLogDialog->m_hWnd) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (::GetWindowPlacement(m_pMessageLogDialog->m_hWnd, &placement))
            m_messageLogRect = placement.rcNormalPosition;
        KeepMessageLogFilter(m_pMessageLogDialog->Filter());
    }
    if (m_messageLogRect)
        SaveMessageLogRect(*m_messageLogRect);
    if (m_messageLogFilter)
        SaveMessageLogFilter(*m_messageLogFilter);
}

void CMainDialog::SavePlacement() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(m_hWnd, &placement))
        return;
    if (SaveWindowPlacement({placement.rcNormalPosition, 0,
                             placement.showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL}))
        SavePlacementDpi(m_dpi);
}

void CMainDialog::OnDestroy() {
    SavePlacement();
    SaveMessageLogSettings();
    m_hotKey.Withdraw();
    DropControlTextAnswers();
    Default();
}

// The end of the Windows session is an orderly exit too, though nothing is destroyed: the
// placement and the settings are written here as they are when the dialog closes.
void CMainDialog::OnEndSession(BOOL ending) {
    if (ending) {
        SavePlacement();
        SaveMessageLogSettings();
        if (CWinApp* app = AfxGetApp())
            app->ExitInstance();
    }
    Default();
}

void CMainDialog::ApplySettings() {
    ApplySettingsTo(m_hWnd, m_settings, m_hotKey);
    if (m_hSelectedWnd && m_listedMoreProperties != (m_settings.m_bMoreProperties != 0))
        ShowWindowProperties(m_hSelectedWnd);
}

BOOL CMainDialog::ShowWindowProperties(HWND hwnd) {
    m_wndProperties.BeginRefill(hwnd && hwnd == m_hSelectedWnd);
    m_hSelectedWnd = hwnd;
    m_listedMoreProperties = m_settings.m_bMoreProperties != 0;
    m_wndProperties.SendMessage(WM_SETREDRAW, FALSE);
    m_wndProperties.DeleteAllItems();
    BOOL result = FALSE;
    if (!hwnd) {
        std::wstring prompt;
        if (TryLoadStringResource(IDS_FINDER_PROMPT, prompt))
            m_wndProperties.SetEmptyText(prompt);
    } else {
        result = AddListing(hwnd);
        if (result)
            TellFollowers(hwnd, Selection::Step);
        if (!result)
            m_wndProperties.SetEmptyText(InvalidHandleText(hwnd));
    }
    m_wndProperties.FitNameColumn(); // the value column is fitted by EndRefill
    ShowListFocus();
    m_wndProperties.SendMessage(WM_SETREDRAW, TRUE);
    m_wndProperties.EndRefill();
    m_wndProperties.Invalidate();
    return result;
}

void CMainDialog::OnToggleView() {
    m_settings.ToggleViewMode();
    UpdateToggleButton();
    if (m_hSelectedWnd)
        ShowWindowProperties(m_hSelectedWnd);
}

void CMainDialog::OnRefresh() {
    ShowWindowProperties(m_hSelectedWnd);
}

LRESULT CMainDialog::OnToolTipText(NMTTDISPINFOW* info) {
    return ToolTipFromStringTable(*info, ID_VIEW_TOGGLE, ID_WINDOW_SEND_MESSAGE) ||
                   ToolTipFromStringTable(*info, ID_WINDOW_MESSAGE_LOG, ID_WINDOW_MESSAGE_LOG) ||
                   ToolTipFromStringTable(*info, ID_VIEW_FIND, ID_VIEW_FIND)
               ? TRUE
               : Default();
}

void CMainDialog::OnWindowPosChanging(WINDOWPOS* position) {
    if (position->cx < Scaled(kMinWidth))
        position->cx = Scaled(kMinWidth);
    if (position->cy < Scaled(kMinHeight))
        position->cy = Scaled(kMinHeight);
    Default();
}

void CMainDialog::OnSize(UINT, int, int) {
    Default();
    if (!m_wndReBar.m_hWnd || !m_wndAboutToolBar.m_hWnd)
        return;
    const RECT client = GetClientRect();
    m_wndReBar.SendMessage(WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));

    RECT b1{}, b2{};
    m_wndAboutToolBar.GetItemRect(0, &b1);
    m_wndWindowToolBar.GetItemRect(0, &b2);
    const RECT rebar = m_wndReBar.GetWindowRect();
    const int h = rebar.bottom - rebar.top;
    const int b1Width = b1.right - b1.left, b1Height = b1.bottom - b1.top;
    const int b2Height = b2.bottom - b2.top;

    HDWP batch = ::BeginDeferWindowPos(3);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    batch =
        ::DeferWindowPos(batch, m_wndWindowToolBar.m_hWnd, nullptr, b2.left, client.bottom - (b2Height + 2),
                         client.right - b1Width - b2.left, b2Height + 2, flags);
    batch = ::DeferWindowPos(batch, m_wndAboutToolBar.m_hWnd, nullptr, client.right - b1Width,
                             client.bottom - (b1Height + 2), b1Width, b1Height + 2, flags);
    batch = ::DeferWindowPos(batch, m_wndProperties.m_hWnd, nullptr, 0, h, client.right,
                             (client.bottom - (b1Height + 2)) - h, flags);
    if (batch)
        ::EndDeferWindowPos(batch);
}
