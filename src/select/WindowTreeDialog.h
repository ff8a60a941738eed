#pragma once
// "Window Tree View": a modeless tool window beside the main window that shows every window of the
// desktop as a tree, plainly or by process. Choosing a window node tells the owner, which lists
// that window.

#include "common/ToolWindowOwner.h"
#include "framework/Controls.h"
#include "framework/Handles.h"
#include "framework/ModelessDialog.h"
#include "framework/ToolBarKeyboard.h"
#include "select/WindowTreeBuilder.h"

#include <memory>
#include <vector>

// One record per tree node; the node's item data is the record's index.
struct TREEITEMDATA {
    int nKind = 0;             // ITEM_PROCESS or ITEM_WINDOW
    HTREEITEM hItem = nullptr; // the node of a window record
    UINT_PTR dwValue = 0;      // the window handle, or the process id
};
enum : int { ITEM_PROCESS = 1, ITEM_WINDOW = 2 };

class CWindowTreeDialog : public CModelessDialog, private orvex::WindowTreeSink {
    DECLARE_MESSAGE_MAP()

public:
    explicit CWindowTreeDialog(ToolWindowOwner& owner);
    ~CWindowTreeDialog() override;

    // Selects the node of the window and scrolls it into view. When the window has no node, FALSE,
    // and unless quiet the user is told so.
    BOOL SelectWindowItem(HWND hwnd, BOOL bQuiet);
    // Builds the tree afresh from the live windows, with the current view and filters.
    void Rebuild();
    // The keyboard focus to the tree, where the selected node shows plainly and the arrow keys walk
    // the nodes.
    void FocusTree();
    // The record behind a node, or null.
    const TREEITEMDATA* RecordOf(HTREEITEM item) const;

    ToolWindowOwner& m_owner;
    fw::UniqueImageList m_imlTree;
    CReBarCtrl m_wndReBar;
    CToolBarCtrl m_wndToolBar;
    CTreeCtrl m_wndTree;
    BOOL m_bCategorized = FALSE;
    BOOL m_bHideInvisible = FALSE;
    BOOL m_bHideUntitled = FALSE;
    std::vector<std::unique_ptr<TREEITEMDATA>> m_arrItemData;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* message) override;

    int OnCreate(CREATESTRUCTW* create);
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChanging(NMTREEVIEWW* change);
    LRESULT OnSelChanged(NMTREEVIEWW* change);
    LRESULT OnRightClick(NMHDR* header);
    LRESULT OnDropDown(NMTOOLBARW* drop);
    LRESULT OnToolTipText(NMTTDISPINFOW* info);
    void OnCategorized();
    void OnHideInvisible();
    void OnHideUntitled();
    void OnRefresh();
    void OnSynch();
    void OnCollapseAll();
    void OnExpandAll();
    void OnHighlight();
    void OnEnableVisible();
    LRESULT OnEnableVisibleDone(WPARAM, LPARAM window);

private:
    // Posted by the thread that made another program's window visible and enabled.
    static constexpr UINT kEnableVisibleDone = WM_APP + 1;

    bool CreateToolBar();
    bool CreateReBar();
    bool CreateTree();
    // The toolbar's band sized for its buttons as they are now.
    REBARBANDINFOW ToolBarBand() const;

    HTREEITEM AddWindowItem(HWND hwnd, HTREEITEM hParentItem);
    HTREEITEM AddProcessItem(DWORD processId, const std::wstring& name, HTREEITEM hParentItem);
    void AddProcessItems(orvex::WindowTreeBuilder& builder, HTREEITEM hParentItem);
    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override;

    const TREEITEMDATA* RecordAt(LPARAM index) const;
    // The window of the selected node when it is a window node, else null.
    HWND SelectedWindow() const;
    // Collapses or expands the selected node's whole branch.
    void ExpandSelectedBranch(UINT action);
    void ExpandBranch(HTREEITEM item, UINT action);

    // The pictures for the window's DPI, made again when it changes.
    void LoadToolBarPictures(int dpi);
    void LoadTreePictures(int dpi);
    void OnDpiChanged(int dpi, const RECT& suggested);

    CToolBarKeyboard m_toolBarKeys;
    // Tells while the tree takes the focus, when it may select a node of its own accord.
    class CTreeFocus : public CWnd {
        DECLARE_MESSAGE_MAP()
    public:
        bool m_gettingFocus = false;
        void OnSetFocus(HWND previous);
    };
    CTreeFocus m_treeFocus;
    // The toolbar never frees its pictures; the dialog does.
    fw::UniqueImageList m_imlToolBar;
};
