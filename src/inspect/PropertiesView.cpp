#include "inspect/PropertiesView.h"

#include "common/ClipboardText.h"
#include "common/DpiScale.h"
#include "common/WindowDpi.h"
#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "inspect/ListingExport.h"
#include "res/resource.h"

#include <uxtheme.h>

#include <algorithm>
#include <cwchar>

namespace {

constexpr int kGroupCount = 9;
// The groups in the order the list shows them; their headings are the exports' too.
constexpr int kGroups[kGroupCount] = {
    GROUP_SUMMARY, GROUP_GENERAL,           GROUP_STYLES,  GROUP_CLASS,  GROUP_PROCESS,
    GROUP_WINDOWS, GROUP_WINDOW_PROPERTIES, GROUP_DISPLAY, GROUP_THREAD,
};

constexpr COLORREF kNameGrey = RGB(94, 94, 94);
constexpr COLORREF kHeadingColor = RGB(0, 51, 153);
// A row's kind lives in its data word itself, so a row owns no storage that could outlive it; a
// heading row carries this there instead of a kind.
constexpr LPARAM kHeadingRow = -1;
constexpr UINT kSkipHeading = WM_APP + 1;
constexpr int kMarkerPixels = 16;
constexpr int kColumnWidth = 230;
constexpr int kNamePadding = 12; // the list's margins on both sides of a name

const wchar_t* HeaderOfGroup(int id) {
    return orvex::GroupHeading(id).data(); // a literal, so terminated
}

} // namespace

BEGIN_MESSAGE_MAP(CPropertiesView, CListCtrl)
ON_WM_CREATE()
ON_WM_PAINT()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
ON_NOTIFY_REFLECT(LVN_DELETEALLITEMS, OnDeleteAllItems)
ON_WM_CONTEXTMENU()
ON_WM_KEYDOWN()
ON_COMMAND(ID_PROPERTY_COPY, OnCopy)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemChanging)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
ON_MESSAGE(kSkipHeading, OnSkipHeading)
ON_MESSAGE(WM_VSCROLL, OnUserScroll)
ON_MESSAGE(WM_MOUSEWHEEL, OnUserScroll)
ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CPropertiesView::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (!CListCtrl::Create(style, rect, parent, id))
        return FALSE;
    ::SetWindowTheme(m_hWnd, L"Explorer", nullptr);
    ::SendMessageW(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER);
    return TRUE;
}

int CPropertiesView::OnCreate(CREATESTRUCTW*) {
    if (Default() == -1)
        return -1;

    SetDpi(DpiOfWindow(m_hWnd));
    InsertColumn(0, L"Property", LVCFMT_LEFT, orvex::ScaleForDpi(kColumnWidth, m_dpi));
    InsertColumn(1, L"Value", LVCFMT_LEFT, orvex::ScaleForDpi(kColumnWidth, m_dpi));

    for (int position = 0; position < kGroupCount; ++position) {
        LVGROUP group{};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER | LVGF_GROUPID;
        group.pszHeader = const_cast<wchar_t*>(HeaderOfGroup(kGroups[position]));
        group.iGroupId = kGroups[position];
        InsertGroup(position, group);
    }
    EnableGroupView(TRUE);
    // Some list controls accept group view and the groups yet draw none of it; only a control that
    // reports group view on and holds every group shows the headers itself.
    m_headingRows = !IsGroupViewEnabled() || GetGroupCount() != kGroupCount;
    return 0;
}

fw::UniqueFont EmptyTextFont(int dpi) {
    LOGFONTW font{};
    if (!::GetObjectW(::GetStockObject(ANSI_VAR_FONT), sizeof(font), &font))
        return {};
    // The stock font is the same size at every DPI; its size is right at 96.
    font.lfHeight = orvex::ScaleForDpi(font.lfHeight, dpi);
    font.lfWidth = orvex::ScaleForDpi(font.lfWidth, dpi);
    return fw::UniqueFont(::CreateFontIndirectW(&font));
}

void CPropertiesView::SetDpi(int dpi) {
    m_dpi = dpi;
    // The row indent is counted in marker widths, so it grows with the marker.
    fw::UniqueImageList markers = LoadPicturesForDpi(IDB_PROPERTY_MARKER, kMarkerPixels, dpi, RGB(255, 0, 0));
    int markerHeight = 0;
    m_markerWidth = 0;
    if (markers)
        ::ImageList_GetIconSize(markers.get(), &m_markerWidth, &markerHeight);
    // The list destroys the image list it holds when it goes, never one it was given in its place.
    if (HIMAGELIST old = SetImageList(markers.release(), LVSIL_SMALL))
        ::ImageList_Destroy(old);
    m_emptyTextFont = EmptyTextFont(dpi);
    m_headingFont.reset(); // made again from the list's font at its next drawing
    Invalidate();
}

void CPropertiesView::FitNameColumn() {
    SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    // Some lists measure a name without the indent it is drawn at; the indented names then end in
    // an ellipsis. The column is made as wide as the widest of them with its marker and indent.
    if (m_widestIndentedName > 0) {
        const int widest = m_widestIndentedName + orvex::ScaleForDpi(kNamePadding, m_dpi);
        if (widest > static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, 0)))
            SetColumnWidth(0, widest);
    }
}

void CPropertiesView::FitValueColumn() {
    // Fitting may take a scroll bar away or bring one, which changes the room left: settle it.
    for (int round = 0; round < 3; ++round) {
        const int before = GetColumnWidth(1);
        SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
        if (GetColumnWidth(1) == before)
            break;
    }
}

void CPropertiesView::BeginRefill(bool sameWindow) {
    if (!sameWindow)
        m_userScrolled = false;
    m_refillTopRow = m_userScrolled ? GetTopIndex() : 0;
}

void CPropertiesView::EndRefill() {
    FitValueColumn();
    const int count = GetItemCount();
    if (count == 0)
        return;
    const int wanted = std::min(m_refillTopRow, count - 1);
    const int top = GetTopIndex();
    RECT row{};
    if (top != wanted && GetItemRect(0, &row, ItemPart::Bounds))
        Scroll(0, (wanted - top) * (row.bottom - row.top));
}

LRESULT CPropertiesView::OnUserScroll(WPARAM, LPARAM) {
    m_userScrolled = true;
    return Default();
}

void CPropertiesView::OnSize(UINT, int, int) {
    Default();
    if (GetItemCount() > 0)
        FitValueColumn();
}

bool CPropertiesView::IsHeadingRow(int item) const {
    return m_headingRows && static_cast<LPARAM>(GetItemData(item)) == kHeadingRow;
}

int CPropertiesView::AddHeadingRow(int group) {
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_GROUPID | LVIF_IMAGE;
    item.iItem = GetItemCount();
    item.pszText = const_cast<wchar_t*>(HeaderOfGroup(group));
    item.lParam = kHeadingRow;
    item.iGroupId = group;
    item.iImage = I_IMAGENONE;
    return InsertItem(item);
}

int CPropertiesView::AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) {
    if (GetItemCount() == 0) { // a new listing
        m_groupsWithHeading = 0;
        m_widestIndentedName = 0;
    }
    if (m_headingRows) {
        const unsigned bit = group >= 0 && group < 32 ? 1u << group : 0;
        if (!(m_groupsWithHeading & bit)) {
            m_groupsWithHeading |= bit;
            AddHeadingRow(group);
        }
    }
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_GROUPID;
    item.iItem = GetItemCount();
    item.pszText = const_cast<wchar_t*>(name.c_str());
    item.lParam = kind;
    item.iGroupId = group;
    if (const int indent = orvex::KindIndent(kind)) {
        item.mask |= LVIF_INDENT;
        item.iIndent = indent;
        // Measured as the row comes, so fitting the column reads no row back.
        const int width =
            static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(name.c_str()))) +
            (indent + 1) * m_markerWidth;
        m_widestIndentedName = std::max(m_widestIndentedName, width);
    }
    int index = InsertItem(item);
    if (index >= 0)
        SetItemText(index, 1, value.c_str());
    return index;
}

COLORREF CPropertiesView::GetKindColor(int kind) {
    switch (kind) {
    case KIND_CLASS_NAME:
        return RGB(163, 21, 21);
    case KIND_NUMBER:
    case KIND_WINDOW_STYLES:
    case KIND_EXTENDED_STYLES:
    case KIND_CLASS_STYLES:
        return RGB(43, 145, 175);
    case KIND_CONSTANT:
        return RGB(111, 0, 138);
    case KIND_ADDRESS:
        return RGB(128, 128, 128);
    case KIND_HANDLE:
        return RGB(47, 79, 79);
    case KIND_WINDOW_LINK:
        return RGB(0, 102, 204);
    case KIND_WINDOW_FLAG:
    case KIND_CLASS_FLAG:
        return RGB(0, 128, 255);
    default:
        return RGB(0, 0, 0);
    }
}

COLORREF CPropertiesView::GetKindNameColor(int kind) {
    if (kind == KIND_WINDOW_FLAG)
        return RGB(111, 0, 138);
    if (kind == KIND_CLASS_FLAG)
        return RGB(111, 138, 0);
    return kNameGrey;
}

LRESULT CPropertiesView::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        if (m_headingRows && draw->nmcd.lItemlParam == kHeadingRow) {
            if (HFONT font = HeadingFont(draw->nmcd.hdc))
                ::SelectObject(draw->nmcd.hdc, font);
            draw->clrText = kHeadingColor;
            return CDRF_NEWFONT;
        }
        const int kind = static_cast<int>(draw->nmcd.lItemlParam);
        draw->clrText = draw->iSubItem == 0 ? GetKindNameColor(kind) : GetKindColor(kind);
        return CDRF_NEWFONT;
    }
    default:
        return CDRF_DODEFAULT;
    }
}

HFONT CPropertiesView::HeadingFont(HDC dc) {
    if (!m_headingFont) {
        LOGFONTW font{};
        HGDIOBJ current = ::GetCurrentObject(dc, OBJ_FONT);
        if (!current || !::GetObjectW(current, sizeof(font), &font))
            return nullptr;
        font.lfWeight = FW_BOLD;
        m_headingFont.reset(::CreateFontIndirectW(&font));
    }
    return m_headingFont.get();
}

LRESULT CPropertiesView::OnItemChanging(NMLISTVIEW* change) {
    if (!m_headingRows || change->iItem < 0 || !(change->uChanged & LVIF_STATE) ||
        !(change->uNewState & LVIS_SELECTED) || !IsHeadingRow(change->iItem))
        return FALSE;
    // A heading is never selected: the selection moves on to the nearest property row in the
    // direction of travel, once the list has finished this change.
    PostMessage(kSkipHeading, static_cast<WPARAM>(change->iItem), m_lastSelectedRow > change->iItem ? -1 : 1);
    return TRUE;
}

LRESULT CPropertiesView::OnItemChanged(NMLISTVIEW* change) {
    if (change->iItem >= 0 && (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED))
        m_lastSelectedRow = change->iItem;
    return 0;
}

LRESULT CPropertiesView::OnSkipHeading(WPARAM item, LPARAM direction) {
    const int count = GetItemCount();
    int target = static_cast<int>(item) + static_cast<int>(direction);
    if (target < 0 || target >= count || IsHeadingRow(target))
        target = static_cast<int>(item) - static_cast<int>(direction);
    if (target < 0 || target >= count || IsHeadingRow(target))
        return 0;
    SetItemState(target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(target), FALSE);
    return 0;
}

LRESULT CPropertiesView::OnDeleteAllItems(NMLISTVIEW*) {
    m_widestIndentedName = 0; // an emptied list fits no old name
    // The kind lives in the row's data word, so a row owns nothing to release: the list may skip
    // telling about each row it deletes.
    return TRUE;
}

void CPropertiesView::OnPaint() {
    Default();
    if (GetItemCount() > 0 || m_emptyText.empty())
        return;
    fw::WindowDC dc(m_hWnd);
    if (!dc)
        return;
    RECT rect = GetClientRect();
    ::InflateRect(&rect, -orvex::ScaleForDpi(7, m_dpi), -orvex::ScaleForDpi(13, m_dpi));
    ::SetBkMode(dc.get(), TRANSPARENT);
    fw::SelectedObject font(dc.get(),
                            m_emptyTextFont ? m_emptyTextFont.get() : ::GetStockObject(ANSI_VAR_FONT));
    ::SetTextColor(dc.get(), ::GetSysColor(COLOR_WINDOWTEXT));
    ::DrawTextW(dc.get(), m_emptyText.c_str(), static_cast<int>(m_emptyText.size()), &rect,
                DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
}

void CPropertiesView::OnContextMenu(HWND window, POINT point) {
    if (window != m_hWnd)
        return;
    // Copy offers the selected row's value; a heading or an empty list has none. The rest of the
    // menu is the owner's, and is there whatever the list holds.
    int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0 && IsHeadingRow(selected))
        selected = -1;
    if (selected >= 0 && m_headingRows && !(point.x == -1 && point.y == -1)) {
        LVHITTESTINFO hit{};
        hit.pt = point;
        ::ScreenToClient(m_hWnd, &hit.pt);
        const int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (item >= 0 && IsHeadingRow(item))
            selected = -1;
    }
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: just below the selected row's left edge, or the list's corner.
        RECT bounds{};
        if (selected >= 0 && GetItemRect(selected, &bounds, ItemPart::Bounds))
            point = {bounds.left, bounds.bottom + 1};
        else
            point = {0, 0};
        ::ClientToScreen(m_hWnd, &point);
    }
    fw::UniqueMenu menu(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_PROPERTY_MENU)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup)
        return;
    ::EnableMenuItem(popup, ID_PROPERTY_COPY, MF_BYCOMMAND | (selected >= 0 ? MF_ENABLED : MF_GRAYED));
    NMPROPERTYMENU prepare{};
    prepare.hdr = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), PVN_PREPAREMENU};
    prepare.menu = popup;
    ::SendMessageW(GetParent(), WM_NOTIFY, prepare.hdr.idFrom, reinterpret_cast<LPARAM>(&prepare));
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, 0, m_hWnd, nullptr));
    if (chosen == ID_PROPERTY_COPY)
        CopySelectedValue();
    else if (chosen != 0)
        ::SendMessageW(GetParent(), WM_COMMAND, chosen, 0);
}

LRESULT CPropertiesView::OnDoubleClick(NMITEMACTIVATE* activate) {
    const int item = activate->iItem;
    if (item < 0 || IsHeadingRow(item) || static_cast<LPARAM>(GetItemData(item)) != KIND_WINDOW_LINK)
        return 0;
    const std::wstring value = GetItemText(item, 1);
    if (value.rfind(L"0x", 0) != 0)
        return 0;
    NMPROPERTYWINDOW go{};
    go.hdr = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), PVN_GOTOWINDOW};
    go.window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::wcstoull(value.c_str() + 2, nullptr, 16)));
    ::SendMessageW(GetParent(), WM_NOTIFY, go.hdr.idFrom, reinterpret_cast<LPARAM>(&go));
    return 0;
}

void CPropertiesView::OnKeyDown(UINT virtualKey, UINT, UINT) {
    if (fw::IsCopyKey(virtualKey)) {
        CopySelectedValue();
        return;
    }
    switch (virtualKey) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        m_userScrolled = true;
        break;
    default:
        break;
    }
    Default();
}

void CPropertiesView::OnCopy() {
    CopySelectedValue();
}

void CPropertiesView::CopySelectedValue() {
    int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected < 0 || IsHeadingRow(selected))
        return;
    PutTextOnClipboard(m_hWnd, GetItemText(selected, 1));
}
