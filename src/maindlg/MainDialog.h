#pragma once
// The program's main window: a rebar with the view toolbar, the property view, and two small
// toolbars along the bottom edge. It keeps the selected window and refills the view for it, and
// it owns the tool windows it opens.

#include "common/Settings.h"
#include "common/ToolWindowOwner.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/ToolBarKeyboard.h"
#include "inspect/ListingExport.h"
#include "inspect/PropertiesView.h"
#include "maindlg/HotKeyRegistration.h"
#include "maindlg/PickHistory.h"
#include "msglog/MessageFilter.h"
#include "select/SeekerStatic.h"

#include <optional>
#include <vector>

class CWindowTreeDialog;
class CSendMessageDialog;
class CMessageLogDialog;
class CFindWindowDialog;
class CChangeWindowDialog;

// What the tests read of the dialog's inner state; defined by the tests alone.
struct MainDialogTestView;

class CMainDialog : public CDialog, public ToolWindowOwner {
    DECLARE_MESSAGE_MAP()
    friend struct MainDialogTestView;

public:
    // The settings belong to the application object, which outlives the dialog.
    explicit CMainDialog(orvex::Settings& settings);
    ~CMainDialog() override;

    // Makes `hwnd` the selected window and lists it; FALSE when it is not a window (or null). A
    // window listed is a step for the tools that follow the selection.
    BOOL ShowWindowProperties(HWND hwnd);
    // Applies the topmost setting and the hot key to the main window.
    void ApplySettings();
    // The hot key off the system while a dialog takes it as typed input; ApplySettings, or
    // ResumeHotKey for the key as it was, registers it again.
    void SuspendHotKey() { m_hotKey.Suspend(); }
    void ResumeHotKey() { m_hotKey.Resume(); }

    // What the tool windows tell their owner.
    HWND ListedWindow() const override { return m_hSelectedWnd; }
    void SelectWindow(HWND hwnd, Selection kind) override;
    void WindowChanged(HWND hwnd) override;
    void ShowOwnerWindows(HWND caller, bool show) override;
    void OpenFindWindow() override;

private:
    // Members in the order the window builds them.
    orvex::Settings& m_settings;
    HICON m_hIcon = nullptr;
    CReBarCtrl m_wndReBar;
    CToolBarCtrl m_wndViewToolBar;
    CSeekerStatic m_wndFinderTool;
    CPropertiesView m_wndProperties;
    CToolBarCtrl m_wndWindowToolBar;
    CToolBarCtrl m_wndAboutToolBar;
    CToolBarKeyboard m_viewToolBarKeys;
    CToolBarKeyboard m_windowToolBarKeys;
    CToolBarKeyboard m_aboutToolBarKeys;
    CWindowTreeDialog* m_pWindowTreeDialog = nullptr;
    CSendMessageDialog* m_pSendMessageDialog = nullptr;
    CMessageLogDialog* m_pMessageLogDialog = nullptr;
    CFindWindowDialog* m_pFindWindowDialog = nullptr;
    CChangeWindowDialog* m_pChangeWindowDialog = nullptr;
    HWND m_hSelectedWnd = nullptr;
    bool m_bOffScreenForSeek = false; // emptied region while the finder drags
    HotKeyRegistration m_hotKey;
    // The message log's last place and filter: read at start, kept while it opens and closes,
    // stored at exit. A filter the user never set and none was stored is not written.
    std::optional<RECT> m_messageLogRect;
    std::optional<orvex::MessageFilter> m_messageLogFilter;

    orvex::PickHistory m_history;
    // The DPI the window is laid out for, and what was made for it.
    int m_dpi = 96;
    fw::UniqueImageList m_viewPictures;
    fw::UniqueImageList m_windowPictures;
    fw::UniqueFont m_font;               // the dialog's font made again after a change of DPI
    bool m_listedMoreProperties = false; // whether the listing shown has the further groups

    // Posted by the thread that made another program's window visible and enabled.
    static constexpr UINT kEnableVisibleDone = WM_APP + 1;

    // The listed Control Text row (-1 when the listing has none), and the number of the listing,
    // which the thread asking for the row's answer carries: an answer for an earlier one is dropped.
    int m_controlTextRow = -1;
    unsigned m_listingNumber = 0;
    // Posted by that thread: wParam the listing's number, lParam the row's value, a std::wstring the
    // dialog takes over.
    static constexpr UINT kControlTextAnswer = WM_APP + 20;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;
    int OnCreate(CREATESTRUCTW* create);
    void OnDestroy();
    void OnEndSession(BOOL ending);
    void OnSize(UINT type, int cx, int cy);
    void OnWindowPosChanging(WINDOWPOS* position);
    LRESULT OnToolTipText(NMTTDISPINFOW* info);
    void OnToggleView();
    void OnRefresh();
    LRESULT OnBeginSeek(NMSEEKER* seek);
    LRESULT OnEndSeek(NMSEEKER* seek);
    LRESULT OnTargetChanged(NMSEEKER* seek);
    void OnWatchCursor();
    void OnHighlightWindow();
    void OnEnableVisibleWindow();
    LRESULT OnEnableVisibleDone(WPARAM, LPARAM window);
    void OnHotKey(int id, UINT modifiers, UINT virtualKey);
    void OnSendMessage();
    void OnDisplayWindowTree();
    void OnMessageLog();
    void OnChangeWindow();
    LRESULT OnPropertiesFocused(NMHDR* focused);
    LRESULT OnPreparePropertyMenu(NMPROPERTYMENU* prepare);
    LRESULT OnGoToWindow(NMPROPERTYWINDOW* go);
    void OnGoToRelated(UINT id);
    void OnBack();
    void OnForward();
    void OnToggleMoreProperties();
    void OnCopyAllAsJson();
    void OnCopyTarget();
    void OnCopyPicture();
    void OnSavePicture();
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnControlTextAnswer(WPARAM listing, LPARAM value);
    // Frees the answers posted to the window that it will no longer handle.
    void DropControlTextAnswers();

    bool CreateViewToolBar();
    bool CreateReBar();
    bool CreateFinderTool();
    bool CreateWindowToolBar();
    bool CreateAboutToolBar();
    // The rebar's bands as large as the view toolbar's buttons and the finder tool are now.
    void BandSizes(REBARBANDINFOW& view, REBARBANDINFOW& finder) const;
    // The toolbars' pictures for m_dpi (those of the toolbars made so far).
    void SetToolBarPictures();
    // `pixels` at 96 DPI as they are at the window's DPI.
    int Scaled(int pixels) const;
    void UpdateToggleButton();
    // Tab through every part of the window, the toolbars worked with the arrow keys.
    void SetUpKeyboard();
    void ShowListFocus();
    // The stored placement, its sizes measured at `storedDpi`.
    void RestorePlacement(int storedDpi);
    void SavePlacement();
    void KeepMessageLogFilter(const orvex::MessageFilter& filter);
    void SaveMessageLogSettings();
    // Ends a pick of the listed window: it is a new step for Back and Forward unless they made it
    // (`remember` false), and the tools that follow finished picks are told.
    void FinishPick(bool remember = true);
    // Tells the open tools that follow the selection that it changed.
    void TellFollowers(HWND window, Selection kind);
    // Lists a window Back or Forward stepped to.
    void ShowStep(std::optional<std::uint64_t> window);
    // Fills the list with the listing of `hwnd` and starts asking for its Control Text off this
    // thread; FALSE when it is not a window.
    BOOL AddListing(HWND hwnd);
    // Gives captured rows the Control Text the list shows, answered or still waiting.
    void TakeListedControlText(std::vector<orvex::ListingRow>& rows) const;
};
