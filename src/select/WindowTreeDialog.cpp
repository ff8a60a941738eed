#include "select/WindowTreeDialog.h"

#include "common/WindowDpi.h"
#include "framework/Resources.h"
#include "process/ProcessList.h"
#include "res/resource.h"
#include "select/ClassImageRules.h"
#include "select/LiveWindowHierarchy.h"
#include "select/TreeLabels.h"
#include "select/WindowNodeLook.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr RECT kEmptyRect{0, 0, 0, 0};
constexpr COLORREF kToolBarMask = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kTreeMask = RGB(0xFF, 0x00, 0xFF);
constexpr int kPicturePixels = 16;

orvex::TreeNode Node(HTREEITEM item) {
    return reinterpret_cast<orvex::TreeNode>(item);
}

HTREEITEM Item(orvex::TreeNode node) {
    return reinterpret_cast<HTREEITEM>(node);
}

} // namespace

BEGIN_MESSAGE_MAP(CWindowTreeDialog::CTreeFocus, CWnd)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

void CWindowTreeDialog::CTreeFocus::OnSetFocus(HWND) {
    m_gettingFocus = true;
    Default();
    m_gettingFocus = false;
}

BEGIN_MESSAGE_MAP(CWindowTreeDialog, CModelessDialog)
ON_WM_CREATE()
ON_WM_SIZE()
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
ON_NOTIFY(TVN_SELCHANGINGW, IDC_TREE_TREE, OnSelChanging)
ON_NOTIFY(TVN_SELCHANGEDW, IDC_TREE_TREE, OnSelChanged)
ON_NOTIFY(NM_RCLICK, IDC_TREE_TREE, OnRightClick)
ON_NOTIFY_RANGE(TBN_DROPDOWN, 0, 0xFFFFFFFFu, OnDropDown)
ON_NOTIFY_RANGE(TTN_GETDISPINFOW, 0, 0xFFFFFFFFu, OnToolTipText)
ON_COMMAND(ID_TREE_CATEGORIZED, OnCategorized)
ON_COMMAND(ID_TREE_HIDE_INVISIBLE, OnHideInvisible)
ON_COMMAND(ID_TREE_HIDE_UNTITLED, OnHideUntitled)
ON_COMMAND(ID_TREE_REFRESH, OnRefresh)
ON_COMMAND(ID_TREE_SYNCH, OnSynch)
ON_COMMAND(ID_TREE_COLLAPSE_ALL, OnCollapseAll)
ON_COMMAND(ID_TREE_EXPAND_ALL, OnExpandAll)
ON_COMMAND(ID_TREE_HIGHLIGHT, OnHighlight)
ON_COMMAND(ID_TREE_ENABLE_VISIBLE, OnEnableVisible)
ON_MESSAGE(kEnableVisibleDone, OnEnableVisibleDone)
ON_WM_DPICHANGED()
END_MESSAGE_MAP()

CWindowTreeDialog::CWindowTreeDialog(ToolWindowOwner& owner)
    : CModelessDialog(IDD_WINDOW_TREE), m_owner(owner) {}

CWindowTreeDialog::~CWindowTreeDialog() = default;

// ---------------------------------------------------------------------------------------------
// Creation and layout

int CWindowTreeDialog::OnCreate(CREATESTRUCTW*) {
    if (Default() == -1)
        return -1;
    if (!CreateToolBar() || !CreateReBar() || !CreateTree())
        return -1;
    return 0;
}

bool CWindowTreeDialog::CreateToolBar() {
    if (!m_wndToolBar.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                 TBSTYLE_TOOLTIPS | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | CCS_TOP |
                                 CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                             kEmptyRect, m_hWnd, IDC_TREE_TOOLBAR))
        return false;
    m_wndToolBar.SetButtonStructSize(sizeof(TBBUTTON));
    LoadToolBarPictures(DpiOfWindow(m_hWnd));
    const TBBUTTON buttons[] = {
        CToolBarCtrl::Button(0, ID_TREE_CATEGORIZED, BTNS_CHECK),
        CToolBarCtrl::Button(1, ID_TREE_VIEW_OPTIONS, BTNS_WHOLEDROPDOWN),
        CToolBarCtrl::Separator(),
        CToolBarCtrl::Button(2, ID_TREE_REFRESH, BTNS_BUTTON),
        CToolBarCtrl::Separator(),
        CToolBarCtrl::Button(3, ID_TREE_SYNCH, BTNS_BUTTON),
        CToolBarCtrl::Button(4, ID_TREE_COLLAPSE_ALL, BTNS_BUTTON),
        CToolBarCtrl::Button(5, ID_TREE_EXPAND_ALL, BTNS_BUTTON),
    };
    m_wndToolBar.AddButtons(static_cast<int>(std::size(buttons)), buttons);
    m_toolBarKeys.Attach(m_wndToolBar, m_hWnd);
    return true;
}

bool CWindowTreeDialog::CreateReBar() {
    if (!m_wndReBar.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                               RBS_FIXEDORDER | CCS_TOP | CCS_NORESIZE | CCS_NOPARENTALIGN,
                           kEmptyRect, m_hWnd, IDC_TREE_REBAR))
        return false;
    // Tab reaches the toolbar inside the rebar only through a control parent.
    m_wndReBar.ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    REBARBANDINFOW band = ToolBarBand();
    band.fMask |= RBBIM_STYLE | RBBIM_CHILD;
    band.fStyle = RBBS_NOGRIPPER | RBBS_USECHEVRON | RBBS_CHILDEDGE;
    band.hwndChild = m_wndToolBar.m_hWnd;
    m_wndReBar.InsertBand(0, band);
    return true;
}

REBARBANDINFOW CWindowTreeDialog::ToolBarBand() const {
    // At least one button wide and as tall as one; as wide as all of them when there is room.
    RECT first{};
    m_wndToolBar.GetItemRect(0, &first);
    SIZE whole{};
    m_wndToolBar.SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&whole));
    REBARBANDINFOW band{};
    band.cbSize = REBARBANDINFOW_V6_SIZE;
    band.fMask = RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    band.cxMinChild = static_cast<UINT>(first.right - first.left);
    band.cyMinChild = static_cast<UINT>(first.bottom - first.top);
    band.cx = static_cast<UINT>(whole.cx);
    band.cxIdeal = static_cast<UINT>(whole.cx);
    return band;
}

bool CWindowTreeDialog::CreateTree() {
    if (!m_wndTree.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                              TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          kEmptyRect, m_hWnd, IDC_TREE_TREE))
        return false;
    LoadTreePictures(DpiOfWindow(m_hWnd));
    m_treeFocus.SubclassWindow(m_wndTree.m_hWnd);
    return true;
}

// Without their pictures the toolbar and the tree still work. Each control holds its old list
// until it is given the new one, so the old one is destroyed only then.
void CWindowTreeDialog::LoadToolBarPictures(int dpi) {
    fw::UniqueImageList pictures = LoadPicturesForDpi(IDB_TREE_TOOLBAR, kPicturePixels, dpi, kToolBarMask);
    m_wndToolBar.SetImageList(pictures.get());
    m_imlToolBar = std::move(pictures);
}

void CWindowTreeDialog::LoadTreePictures(int dpi) {
    fw::UniqueImageList pictures = LoadPicturesForDpi(IDB_TREE_IMAGES, kPicturePixels, dpi, kTreeMask);
    m_wndTree.SetImageList(pictures.get(), TVSIL_NORMAL);
    m_imlTree = std::move(pictures);
}

void CWindowTreeDialog::OnDpiChanged(int dpi, const RECT& suggested) {
    LoadToolBarPictures(dpi);
    LoadTreePictures(dpi);
    m_wndToolBar.SendMessage(TB_AUTOSIZE);
    m_wndReBar.SetBandInfo(0, ToolBarBand());
    MoveToSuggestedRect(m_hWnd, suggested);
}

BOOL CWindowTreeDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    Rebuild();
    const RECT client = GetClientRect();
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    return FALSE;
}

void CWindowTreeDialog::FocusTree() {
    m_wndTree.SetFocus();
}

BOOL CWindowTreeDialog::PreTranslateMessage(MSG* message) {
    // Ctrl+F, wherever the focus is in the tree window: Find Window belongs to the owner.
    if (message->message == WM_KEYDOWN && message->wParam == 'F' && ::GetKeyState(VK_CONTROL) < 0 &&
        ::GetKeyState(VK_MENU) >= 0) {
        m_owner.OpenFindWindow();
        return TRUE;
    }
    return CModelessDialog::PreTranslateMessage(message);
}

void CWindowTreeDialog::OnSize(UINT, int cx, int cy) {
    Default();
    if (!m_wndReBar.m_hWnd || !m_wndTree.m_hWnd)
        return;
    m_wndReBar.MoveWindow(0, 0, cx, static_cast<int>(m_wndReBar.SendMessage(RB_GETBARHEIGHT)));
    // The bands may wrap at the new width, so the height is asked again.
    const int barHeight = static_cast<int>(m_wndReBar.SendMessage(RB_GETBARHEIGHT));
    m_wndTree.MoveWindow(0, barHeight, cx, std::max(0, cy - barHeight));
}

// ---------------------------------------------------------------------------------------------
// Building

void CWindowTreeDialog::Rebuild() {
    const HCURSOR previousCursor = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    // With nothing selected, deleting the nodes moves no selection onto a node being deleted.
    m_wndTree.SelectItem(nullptr);
    m_arrItemData.clear();
    m_wndTree.SendMessage(WM_SETREDRAW, FALSE);
    m_wndTree.DeleteAllItems();

    LiveWindowHierarchy windows(m_bHideInvisible != FALSE, m_bHideUntitled != FALSE);
    orvex::WindowTreeBuilder builder(windows, *this);
    const HTREEITEM root = AddWindowItem(::GetDesktopWindow(), TVI_ROOT); // never filtered
    if (m_bCategorized)
        AddProcessItems(builder, root);
    else
        builder.AddTopLevelWindows(Node(root));

    m_wndTree.Expand(root, TVE_EXPAND);
    m_wndTree.SendMessage(WM_SETREDRAW, TRUE);
    m_wndTree.Invalidate();
    ::SetCursor(previousCursor);
}

void CWindowTreeDialog::AddProcessItems(orvex::WindowTreeBuilder& builder, HTREEITEM hParentItem) {
    CProcessList processes;
    if (!processes.Refresh())
        return;
    // In the order of their ids, as their labels sort.
    std::vector<const CProcess*> byId;
    byId.reserve(processes.GetCount());
    for (const auto& entry : processes)
        byId.push_back(entry.second.get());
    std::sort(byId.begin(), byId.end(),
              [](const CProcess* a, const CProcess* b) { return a->m_dwProcessId < b->m_dwProcessId; });
    for (const CProcess* process : byId) {
        const HTREEITEM node = AddProcessItem(process->m_dwProcessId, process->m_strName, hParentItem);
        if (node)
            builder.AddProcessWindows(process->m_dwProcessId, Node(node));
    }
}

HTREEITEM CWindowTreeDialog::AddProcessItem(DWORD processId, const std::wstring& name,
                                            HTREEITEM hParentItem) {
    const HTREEITEM item = AppendTreeNode(m_wndTree, hParentItem, orvex::FormatProcessLabel(processId, name),
                                          orvex::kProcessPicture, static_cast<LPARAM>(m_arrItemData.size()));
    if (!item)
        return nullptr;
    auto record = std::make_unique<TREEITEMDATA>();
    record->nKind = ITEM_PROCESS;
    record->dwValue = processId;
    m_arrItemData.push_back(std::move(record));
    return item;
}

HTREEITEM CWindowTreeDialog::AddWindowItem(HWND hwnd, HTREEITEM hParentItem) {
    const WindowNodeLook look = LookOfWindowNode(hwnd);
    const HTREEITEM item = AppendTreeNode(m_wndTree, hParentItem, look.label, look.picture,
                                          static_cast<LPARAM>(m_arrItemData.size()));
    if (!item)
        return nullptr;
    auto record = std::make_unique<TREEITEMDATA>();
    record->nKind = ITEM_WINDOW;
    record->hItem = item;
    record->dwValue = reinterpret_cast<UINT_PTR>(hwnd);
    m_arrItemData.push_back(std::move(record));
    return item;
}

orvex::TreeNode CWindowTreeDialog::AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) {
    // Below a node that could not be added nothing is added either: the children would otherwise
    // land at the top of the tree.
    if (!parent)
        return 0;
    return Node(AddWindowItem(LiveWindowHierarchy::Handle(window), Item(parent)));
}

// ---------------------------------------------------------------------------------------------
// Selection

const TREEITEMDATA* CWindowTreeDialog::RecordOf(HTREEITEM item) const {
    const std::optional<LPARAM> index = item ? m_wndTree.GetItemData(item) : std::nullopt;
    return index ? RecordAt(*index) : nullptr;
}

const TREEITEMDATA* CWindowTreeDialog::RecordAt(LPARAM index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_arrItemData.size())
        return nullptr;
    return m_arrItemData[static_cast<size_t>(index)].get();
}

HWND CWindowTreeDialog::SelectedWindow() const {
    const TREEITEMDATA* record = RecordOf(m_wndTree.GetSelectedItem());
    return record && record->nKind == ITEM_WINDOW ? reinterpret_cast<HWND>(record->dwValue) : nullptr;
}

BOOL CWindowTreeDialog::SelectWindowItem(HWND hwnd, BOOL bQuiet) {
    for (const auto& record : m_arrItemData) {
        if (record->nKind == ITEM_WINDOW && record->dwValue == reinterpret_cast<UINT_PTR>(hwnd)) {
            m_wndTree.SelectItem(record->hItem);
            m_wndTree.SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(record->hItem));
            return TRUE;
        }
    }
    if (!bQuiet)
        AfxMessageBox(IDS_WINDOW_NOT_IN_TREE, MB_ICONEXCLAMATION | MB_OK);
    return FALSE;
}

LRESULT CWindowTreeDialog::OnSelChanging(NMTREEVIEWW* change) {
    // Letting go of the selection is always allowed; only window nodes can take it.
    if (!change->itemNew.hItem)
        return FALSE;
    // A tree control given the focus with nothing selected may select its first node by itself:
    // that is no choice of the user's, and would list the desktop window out of nowhere.
    if (m_treeFocus.m_gettingFocus && !change->itemOld.hItem)
        return TRUE;
    const TREEITEMDATA* record = RecordAt(change->itemNew.lParam);
    return record && record->nKind == ITEM_WINDOW ? FALSE : TRUE;
}

LRESULT CWindowTreeDialog::OnSelChanged(NMTREEVIEWW* change) {
    if (!change->itemNew.hItem)
        return 0;
    const TREEITEMDATA* record = RecordAt(change->itemNew.lParam);
    if (record && record->nKind == ITEM_WINDOW)
        m_owner.SelectWindow(reinterpret_cast<HWND>(record->dwValue), Selection::Finished);
    return 0;
}
