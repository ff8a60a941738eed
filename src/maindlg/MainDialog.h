#pragma once
// The program's main window: a rebar with the view toolbar, the property view, and two small
// toolbars along the bottom edge. It keeps the selected window and refills the view for it.

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "inspect/PropertiesView.h"
#include "select/SeekerStatic.h"

class CWindowTreeDialog;
class CSendMessageDialog;

class CMainDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CMainDialog();
    ~CMainDialog() override;

    // Makes `hwnd` the selected window and lists it; FALSE when it is not a window (or null).
    BOOL ShowWindowProperties(HWND hwnd);
    HWND GetSelectedWindow() const { return m_hSelectedWnd; }
    // The open window tree's window, or null while it is closed.
    HWND WindowTreeWindow() const;

    // The listings of one window; FALSE when the handle is not a window.
    BOOL AddSummaryRows(HWND hwnd);
    BOOL AddDetailRows(HWND hwnd);

    // Flashes a frame around the window twice; FALSE when it is not a window.
    BOOL HighlightWindow(HWND hwnd);
    // Makes the window visible (without activating it) and enabled; never hides or disables.
    void EnableAndShowWindow(HWND hwnd);

    // Members in the order the window builds them.
    HICON m_hIcon = nullptr;
    CReBarCtrl m_wndReBar;
    CToolBarCtrl m_wndViewToolBar;
    CSeekerStatic m_wndFinderTool;
    CPropertiesView m_wndProperties;
    CToolBarCtrl m_wndWindowToolBar;
    CToolBarCtrl m_wndAboutToolBar;
    CWindowTreeDialog* m_pWindowTreeDialog = nullptr;
    CSendMessageDialog* m_pSendMessageDialog = nullptr;
    HWND m_hSelectedWnd = nullptr;
    bool m_bOffScreenForSeek = false; // emptied region while the finder drags

protected:
    BOOL OnInitDialog() override;
    int OnCreate(CREATESTRUCTW* create);
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void OnWindowPosChanging(WINDOWPOS* position);
    LRESULT OnToolTipText(NMHDR* header);
    void OnToggleView();
    void OnRefresh();
    LRESULT OnBeginSeek(NMHDR* header);
    LRESULT OnEndSeek(NMHDR* header);
    LRESULT OnTargetChanged(NMHDR* header);
    void OnWatchCursor();
    void OnHighlightWindow();
    void OnEnableVisibleWindow();
    void OnHotKey(int id, UINT modifiers, UINT virtualKey);
    void OnSendMessage();
    void OnDisplayWindowTree();

private:
    bool CreateViewToolBar();
    bool CreateReBar();
    bool CreateFinderTool();
    bool CreateWindowToolBar();
    bool CreateAboutToolBar();
    void UpdateToggleButton();
    void RestorePlacement();
    void SavePlacement();
};
