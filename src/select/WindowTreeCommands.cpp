// The window tree's commands: its toolbar, the "View Options" drop-down with its check marks, the
// context menu of a window node, the tooltips, and collapsing and expanding branches.
#include "select/WindowTreeDialog.h"

#include "common/ToolTipText.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "select/WindowActions.h"

#include <utility>

namespace {

// The first popup of a menu resource, owned together with its menu.
class MenuResource {
public:
    explicit MenuResource(UINT id) : m_menu(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id))) {}
    HMENU Popup() const { return m_menu ? ::GetSubMenu(m_menu.get(), 0) : nullptr; }

private:
    fw::UniqueMenu m_menu;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Toolbar and menu commands

void CWindowTreeDialog::OnCategorized() {
    m_bCategorized = !m_bCategorized;
    m_wndToolBar.CheckButton(ID_TREE_CATEGORIZED, m_bCategorized);
    Rebuild();
}

void CWindowTreeDialog::OnHideInvisible() {
    m_bHideInvisible = !m_bHideInvisible;
    Rebuild();
}

void CWindowTreeDialog::OnHideUntitled() {
    m_bHideUntitled = !m_bHideUntitled;
    Rebuild();
}

void CWindowTreeDialog::OnRefresh() {
    Rebuild();
}

void CWindowTreeDialog::OnSynch() {
    SelectWindowItem(m_owner.ListedWindow(), FALSE);
}

LRESULT CWindowTreeDialog::OnInitMenuPopup(WPARAM wParam, LPARAM) {
    const auto popup = reinterpret_cast<HMENU>(wParam);
    const std::pair<UINT, BOOL> checks[] = {
        {ID_TREE_HIDE_INVISIBLE, m_bHideInvisible},
        {ID_TREE_HIDE_UNTITLED, m_bHideUntitled},
    };
    for (const auto& [id, checked] : checks)
        ::CheckMenuItem(popup, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    return Default();
}

LRESULT CWindowTreeDialog::OnDropDown(NMTOOLBARW* drop) {
    if (drop->iItem != ID_TREE_VIEW_OPTIONS)
        return TBDDRET_DEFAULT;
    MenuResource menu(IDR_TREE_VIEW_OPTIONS);
    if (!menu.Popup())
        return TBDDRET_DEFAULT;
    const HWND toolBar = drop->hdr.hwndFrom;
    const LRESULT index = ::SendMessageW(toolBar, TB_COMMANDTOINDEX, static_cast<WPARAM>(drop->iItem), 0);
    RECT button{};
    ::SendMessageW(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    ::MapWindowPoints(toolBar, nullptr, reinterpret_cast<POINT*>(&button), 2);
    ::TrackPopupMenu(menu.Popup(), TPM_RIGHTBUTTON, button.left, button.bottom, 0, m_hWnd, nullptr);
    return TBDDRET_DEFAULT;
}

LRESULT CWindowTreeDialog::OnToolTipText(NMTTDISPINFOW* info) {
    return ToolTipFromStringTable(*info, ID_TREE_CATEGORIZED, ID_TREE_EXPAND_ALL) ? TRUE : Default();
}

// ---------------------------------------------------------------------------------------------
// Context menu of a window node

LRESULT CWindowTreeDialog::OnRightClick(NMHDR*) {
    POINT cursor{};
    if (!::GetCursorPos(&cursor))
        return TRUE;
    TVHITTESTINFO hit{};
    hit.pt = cursor;
    ::ScreenToClient(m_wndTree.m_hWnd, &hit.pt);
    const auto item =
        reinterpret_cast<HTREEITEM>(m_wndTree.SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!item || !(hit.flags & TVHT_ONITEMLABEL))
        return TRUE;
    m_wndTree.SelectItem(item);
    // A process node refuses the selection. Its menu would act on the window selected before,
    // which is not the node the user pointed at, so it gets none.
    if (m_wndTree.GetSelectedItem() != item)
        return TRUE;
    MenuResource menu(IDR_TREE_CONTEXT_MENU);
    if (menu.Popup())
        ::TrackPopupMenu(menu.Popup(), TPM_RIGHTBUTTON | TPM_VERTICAL, cursor.x, cursor.y, 0, m_hWnd,
                         nullptr);
    return TRUE;
}

void CWindowTreeDialog::OnHighlight() {
    if (const HWND window = SelectedWindow())
        HighlightWindow(window);
}

void CWindowTreeDialog::OnEnableVisible() {
    if (const HWND window = SelectedWindow()) {
        if (EnableAndShowWindow(window, m_hWnd, kEnableVisibleDone) == EnableShowRequest::Done)
            m_owner.WindowChanged(window);
    }
}

LRESULT CWindowTreeDialog::OnEnableVisibleDone(WPARAM, LPARAM window) {
    m_owner.WindowChanged(reinterpret_cast<HWND>(window));
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Collapse All and Expand All: the selected node's branch

void CWindowTreeDialog::OnCollapseAll() {
    ExpandSelectedBranch(TVE_COLLAPSE);
}

void CWindowTreeDialog::OnExpandAll() {
    ExpandSelectedBranch(TVE_EXPAND);
}

void CWindowTreeDialog::ExpandSelectedBranch(UINT action) {
    const HTREEITEM selected = m_wndTree.GetSelectedItem();
    if (!selected || !m_wndTree.GetNextItem(selected, TVGN_CHILD))
        return;
    m_wndTree.SendMessage(WM_SETREDRAW, FALSE);
    ExpandBranch(selected, action);
    m_wndTree.SendMessage(WM_SETREDRAW, TRUE);
    m_wndTree.Invalidate();
}

void CWindowTreeDialog::ExpandBranch(HTREEITEM item, UINT action) {
    // Collapsing goes from the top down, expanding from the bottom up, so that every node opens
    // onto children that are open already. An explicit stack: branches can be deep.
    struct Step {
        HTREEITEM item;
        bool childrenDone;
    };
    std::vector<Step> stack{{item, false}};
    std::vector<HTREEITEM> children;
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        if (step.childrenDone) {
            m_wndTree.Expand(step.item, TVE_EXPAND);
            continue;
        }
        children.clear();
        for (HTREEITEM child = m_wndTree.GetNextItem(step.item, TVGN_CHILD); child;
             child = m_wndTree.GetNextItem(child, TVGN_NEXT))
            children.push_back(child);
        if (children.empty())
            continue;
        if (action == TVE_COLLAPSE)
            m_wndTree.Expand(step.item, TVE_COLLAPSE);
        else
            stack.push_back({step.item, true});
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            stack.push_back({*child, false});
    }
}
