#include "msglog/MessageLogDialog.h"

#include "common/ClipboardText.h"
#include "common/DpiScale.h"
#include "common/SaveFileDialog.h"
#include "common/SystemMessage.h"
#include "common/TextFile.h"
#include "common/ValueFormat.h"
#include "common/WindowDpi.h"
#include "inspect/WindowFacts.h"
#include "msglog/LogCommandText.h"
#include "msglog/LogDrain.h"
#include "msglog/LogNameCache.h"
#include "msglog/LogRefusalText.h"
#include "msglog/MessageFilterDialog.h"
#include "process/Process.h"
#include "process/ProcessImage.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace {

constexpr RECT kEmptyRect{0, 0, 0, 0};
// What each column is made wide enough for, in the list's own font: a value of eight digits (a
// sixteen-digit one widens its column by a drag), the longer message names and details.
constexpr const wchar_t* kColumnSamples[orvex::kLogColumnCount] = {
    L"100000",     L"100000.000",           L"0x00000000",
    L"S",          L"WM_WINDOWPOSCHANGING", L"0x00000000",
    L"0x00000000", L"0x00000000",           L"VK_RETURN repeat=1 scan=0x1C previous=up pressed"};
constexpr int kCellPadding = 12;
constexpr const wchar_t* kScopeNames[] = {L"This window", L"This window and its children",
                                          L"Every window of its thread"};

} // namespace

BEGIN_MESSAGE_MAP(CMessageLogDialog, CModelessDialog)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_COMMAND(ID_MSGLOG_START_STOP, OnStartStop)
ON_COMMAND(ID_MSGLOG_CLEAR, OnClear)
ON_CONTROL(CBN_SELCHANGE, IDC_MSGLOG_SCOPE, OnScopeChanged)
ON_NOTIFY(LVN_GETDISPINFOW, IDC_MSGLOG_LIST, OnGetDispInfo)
ON_NOTIFY(LVN_KEYDOWN, IDC_MSGLOG_LIST, OnListKeyDown)
ON_NOTIFY(NM_CUSTOMDRAW, IDC_MSGLOG_LIST, OnListCustomDraw)
ON_NOTIFY(NM_DBLCLK, IDC_MSGLOG_LIST, OnListDoubleClick)
ON_NOTIFY(TBN_DROPDOWN, IDC_MSGLOG_TOOLBAR, OnToolBarDropDown)
ON_COMMAND(ID_MSGLOG_FILTER, OnFilter)
ON_COMMAND(ID_MSGLOG_SAVE_ALL, OnSaveAll)
ON_COMMAND(ID_MSGLOG_SAVE_SELECTED, OnSaveSelected)
ON_COMMAND(ID_MSGLOG_COPY_COMMAND, OnCopyCommand)
ON_WM_DPICHANGED()
END_MESSAGE_MAP()

CMessageLogDialog::CMessageLogDialog(ToolWindowOwner& owner, orvex::MessageFilter filter,
                                     std::size_t capacity)
    : CModelessDialog(IDD_MESSAGE_LOG), m_owner(owner), m_lines(capacity), m_filter(std::move(filter)) {
    LARGE_INTEGER now{}, rate{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&rate);
    m_text.clock = {static_cast<std::uint64_t>(now.QuadPart), static_cast<std::uint64_t>(rate.QuadPart)};
    m_text.className = [this](std::uint64_t window) { return m_names.ClassOf(window); };
    m_text.registered = [this](std::uint32_t message) { return m_names.RegisteredName(message); };
}

CMessageLogDialog::~CMessageLogDialog() = default;

int CMessageLogDialog::OnCreate(CREATESTRUCTW*) {
    if (Default() == -1)
        return -1;
    m_dpi = DpiOfWindow(m_hWnd);
    if (!CreateToolBar() || !CreateList())
        return -1;
    if (!m_wndStatus.CreateControl(0, STATUSCLASSNAMEW, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, kEmptyRect,
                                   m_hWnd, IDC_MSGLOG_STATUS))
        return -1;
    return 0;
}

bool CMessageLogDialog::CreateToolBar() {
    if (!m_wndToolBar.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBSTYLE_FLAT | TBSTYLE_LIST |
                                 CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                             kEmptyRect, m_hWnd, IDC_MSGLOG_TOOLBAR))
        return false;
    m_wndToolBar.SetButtonStructSize(sizeof(TBBUTTON));
    m_wndToolBar.SetBitmapSize(0, Scaled(16));
    m_wndToolBar.SendMessage(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    TBBUTTON buttons[] = {
        CToolBarCtrl::Button(I_IMAGENONE, ID_MSGLOG_START_STOP, BTNS_SHOWTEXT | BTNS_AUTOSIZE),
        CToolBarCtrl::Button(I_IMAGENONE, ID_MSGLOG_CLEAR, BTNS_SHOWTEXT | BTNS_AUTOSIZE),
        CToolBarCtrl::Button(I_IMAGENONE, ID_MSGLOG_FILTER, BTNS_SHOWTEXT | BTNS_AUTOSIZE),
        CToolBarCtrl::Button(I_IMAGENONE, ID_MSGLOG_SAVE, BTNS_SHOWTEXT | BTNS_AUTOSIZE | BTNS_WHOLEDROPDOWN),
        CToolBarCtrl::Button(I_IMAGENONE, ID_MSGLOG_COPY_COMMAND, BTNS_SHOWTEXT | BTNS_AUTOSIZE),
    };
    const wchar_t* labels[] = {L"Stop", L"Clear", L"Filter\u2026", L"Save\u2026", L"Copy as Command"};
    for (size_t i = 0; i < std::size(buttons); ++i)
        buttons[i].iString = m_wndToolBar.AddString(labels[i]);
    m_wndToolBar.AddButtons(static_cast<int>(std::size(buttons)), buttons);
    m_toolBarKeys.Attach(m_wndToolBar, m_hWnd);
    UpdateCopyCommand();
    if (!m_wndScope.CreateControl(0, WC_COMBOBOXW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
                                  RECT{0, 0, Scaled(220), Scaled(200)}, m_hWnd, IDC_MSGLOG_SCOPE))
        return false;
    for (const wchar_t* name : kScopeNames)
        m_wndScope.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    m_wndScope.SendMessage(CB_SETCURSEL, 0);
    return true;
}

bool CMessageLogDialog::CreateList() {
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                          kEmptyRect, m_hWnd, IDC_MSGLOG_LIST, WS_EX_CLIENTEDGE))
        return false;
    m_wndList.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < orvex::kLogColumnCount; ++column) {
        const int format =
            column == orvex::kColumnNumber || column == orvex::kColumnTime ? LVCFMT_RIGHT : LVCFMT_LEFT;
        // 60 until the list has its font and the columns are measured in it
        m_wndList.InsertColumn(column, orvex::kLogColumnNames[column], format, 60);
    }
    return true;
}

void CMessageLogDialog::SizeColumns() {
    for (int column = 0; column < orvex::kLogColumnCount; ++column) {
        const int width = std::max(m_wndList.GetStringWidth(orvex::kLogColumnNames[column]),
                                   m_wndList.GetStringWidth(kColumnSamples[column])) +
                          Scaled(kCellPadding);
        m_wndList.SetColumnWidth(column, width);
    }
}

int CMessageLogDialog::WidthForColumns() const {
    int width = ::GetSystemMetrics(SM_CXVSCROLL);
    for (int column = 0; column < orvex::kLogColumnCount; ++column)
        width += m_wndList.GetColumnWidth(column);
    const RECT window = GetWindowRect(), list = m_wndList.GetClientRect();
    return width + (window.right - window.left) - (list.right - list.left);
}

BOOL CMessageLogDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    // The dialog's font arrives after its creation: the controls made there take it now.
    m_wndScope.SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
    m_wndList.SendMessage(WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
    SizeColumns();
    const RECT client = GetClientRect();
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    SetTimer(kDrainTimer, kDrainPeriodMs);
    SetTarget(m_owner.ListedWindow());
    return TRUE;
}

void CMessageLogDialog::OnSize(UINT, int cx, int cy) {
    Default();
    if (!m_wndList.m_hWnd || !m_wndStatus.m_hWnd)
        return;
    m_wndStatus.SendMessage(WM_SIZE);
    const RECT status = m_wndStatus.GetWindowRect();
    SIZE bar{};
    m_wndToolBar.SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&bar));
    const RECT scope = m_wndScope.GetWindowRect();
    const int scopeHeight = Scaled(22); // the closed box; its window also holds the drop-down's height
    const int top = std::max<int>(bar.cy, scopeHeight) + Scaled(4);
    m_wndToolBar.MoveWindow(Scaled(2), Scaled(2), static_cast<int>(bar.cx), top - Scaled(4));
    m_wndScope.MoveWindow(static_cast<int>(bar.cx) + Scaled(8), Scaled(2),
                          static_cast<int>(scope.right - scope.left), Scaled(200));
    m_wndList.MoveWindow(0, top, cx, std::max(0, cy - top - static_cast<int>(status.bottom - status.top)));
}

int CMessageLogDialog::Scaled(int pixels) const {
    return orvex::ScaleForDpi(pixels, m_dpi);
}

void CMessageLogDialog::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0)
        return;
    // The parts made in code keep their text size in points; the template's own parts are the
    // dialog manager's.
    RescaleFont(m_font, {m_wndList.m_hWnd, m_wndScope.m_hWnd}, m_dpi, dpi);
    const RECT scope = m_wndScope.GetWindowRect();
    const int scopeWidth = orvex::RescaleDpi(scope.right - scope.left, m_dpi, dpi);
    m_dpi = dpi;
    m_wndToolBar.SetBitmapSize(0, Scaled(16));
    m_wndToolBar.SendMessage(TB_AUTOSIZE);
    m_wndScope.SetWindowPos(nullptr, 0, 0, scopeWidth, Scaled(200),
                            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SizeColumns();
    MoveToSuggestedRect(m_hWnd, suggested);
}

void CMessageLogDialog::OnDestroy() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (::GetWindowPlacement(m_hWnd, &placement))
        m_normalRect = placement.rcNormalPosition;
    KillTimer(kDrainTimer);
    m_session.End();
    Default();
}

// ---------------------------------------------------------------------------------------------
// Target and logging

std::wstring CMessageLogDialog::Describe(HWND hwnd) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    CProcess process;
    process.Initialize(processId);
    std::wstring text = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hwnd)) + L" (" +
                        m_names.ClassOf(reinterpret_cast<UINT_PTR>(hwnd));
    if (!process.m_strName.empty())
        text += L", " + process.m_strName;
    if (IsThirtyTwoBitProcess(processId))
        text += L", 32-bit";
    return text + L")";
}

void CMessageLogDialog::SelectionChanged(HWND window, Selection kind) {
    if (kind == Selection::Finished && window != m_target)
        SetTarget(window);
}

void CMessageLogDialog::SetTarget(HWND hwnd) {
    if (m_hWnd && hwnd == m_target && m_session.Active())
        return;
    // What the old target still has in the rings belongs above the line that names the new one.
    Drain();
    m_target = hwnd;
    m_targetText = hwnd && ::IsWindow(hwnd) ? Describe(hwnd) : std::wstring();
    ChangeLines([this] {
        if (!m_targetText.empty())
            m_lines.AddNote(L"\u2014\u2014 Now logging " + m_targetText + L" \u2014\u2014");
        if (m_running)
            Begin();
        return true;
    });
}

void CMessageLogDialog::Begin() {
    m_session.End();
    m_sessionDropped = 0;
    if (!m_target) {
        m_lines.AddNote(
            L"No window is selected: pick one with the finder tool, the hot key or the window tree.");
        return;
    }
    const MessageLogSession::Refusal refusal = m_session.Begin(m_target, m_scope, m_filter);
    if (refusal != MessageLogSession::Refusal::None)
        m_lines.AddNote(LogRefusalText(refusal));
}

void CMessageLogDialog::OnStartStop() {
    ChangeLines([this] {
        m_running = !m_running;
        if (m_running) {
            Begin();
        } else {
            Drain();
            m_session.End();
            m_lines.AddNote(L"Stopped.");
        }
        return true;
    });
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_TEXT;
    info.pszText = const_cast<wchar_t*>(m_running ? L"Stop" : L"Start");
    m_wndToolBar.SetButtonInfo(ID_MSGLOG_START_STOP, info);
}

void CMessageLogDialog::OnClear() {
    m_lines.Clear();
    m_seen = 0;
    m_dropped = 0;
    m_wndList.SetItemCountEx(0);
    UpdateStatus();
}

void CMessageLogDialog::OnFilter() {
    CMessageFilterDialog dialog(this, m_filter);
    if (dialog.DoModal() == IDOK)
        SetFilter(dialog.Filter());
}

void CMessageLogDialog::SetFilter(const orvex::MessageFilter& filter) {
    if (filter == m_filter)
        return;
    m_filter = filter;
    UpdateCopyCommand();
    // The hooks take it from the next message; what waits in the rings came before it.
    ChangeLines([this] {
        Drain();
        m_session.SetFilter(m_filter);
        m_lines.AddNote(m_filter.ShowsEverything()
                            ? L"Filter off: every message is logged."
                            : L"Filter changed: " + orvex::DescribeFilter(m_filter) + L".");
        return true;
    });
}

void CMessageLogDialog::OnScopeChanged() {
    const auto chosen = static_cast<std::uint32_t>(m_wndScope.SendMessage(CB_GETCURSEL));
    if (chosen > static_cast<std::uint32_t>(orvex::LogScope::Thread))
        return;
    m_scope = static_cast<orvex::LogScope>(chosen);
    if (!m_running)
        return;
    ChangeLines([this] {
        Drain();
        Begin();
        return true;
    });
}

void CMessageLogDialog::OnTimer(UINT_PTR id) {
    if (id != kDrainTimer) {
        Default();
        return;
    }
    Drain();
}

void CMessageLogDialog::Drain() {
    if (!m_session.Active())
        return;
    ChangeLines([this] {
        bool notes = false;
        const size_t added = m_session.Drain(
            [this](const orvex::MessageRecord& record, std::span<const std::byte> payload) {
                m_lines.AddMessage(record, payload);
            },
            [&](std::uint64_t lost) {
                m_lines.AddNote(orvex::LostMessagesNote(lost));
                notes = true;
            });
        m_seen += added;
        const std::uint64_t dropped = m_session.GetCounts().dropped;
        if (dropped > m_sessionDropped) {
            m_dropped += dropped - m_sessionDropped;
            m_sessionDropped = dropped;
        }
        // Someone wrote over a mapping: the hooks stopped writing, or the reader stopped reading.
        // Laid out afresh at once, but not more than once a second, so a program that keeps writing
        // over it does not keep Orvex busy starting again.
        const ULONGLONG now = ::GetTickCount64();
        if (m_session.Damaged() && (m_renewedAt == 0 || now - m_renewedAt >= kRenewPeriodMs)) {
            m_session.Renew();
            m_renewedAt = now;
            m_lines.AddNote(orvex::DamagedLogNote());
            notes = true;
        }
        return added != 0 || notes;
    });
}

// ---------------------------------------------------------------------------------------------
// The list

template <class Change> void CMessageLogDialog::ChangeLines(Change change) {
    const bool following = FollowingNewest();
    const std::uint64_t trimmed = m_lines.Trimmed();
    if (change())
        ShowLines(following, trimmed);
    else
        UpdateStatus();
}

bool CMessageLogDialog::FollowingNewest() const {
    if (!m_wndList.m_hWnd)
        return true;
    const int count = m_wndList.GetItemCount();
    if (count == 0)
        return true;
    if (m_wndList.GetSelectedCount() != 0)
        return false;
    return m_wndList.GetTopIndex() + m_wndList.GetCountPerPage() >= count;
}

void CMessageLogDialog::ShowLines(bool following, std::uint64_t trimmedBefore) {
    if (!m_wndList.m_hWnd)
        return;
    const auto count = static_cast<int>(m_lines.size());
    const int gone = static_cast<int>(std::min<std::uint64_t>(m_lines.Trimmed() - trimmedBefore, 0x7FFFFFFF));
    // What the reader looks at stays put while older lines leave from the top.
    std::vector<int> selected;
    int top = 0;
    if (!following && gone > 0) {
        top = m_wndList.GetTopIndex();
        selected = m_wndList.SelectedItems();
    }
    m_wndList.SetItemCountEx(count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    if (following && count > 0) {
        m_wndList.EnsureVisible(count - 1, FALSE);
    } else if (gone > 0) {
        m_wndList.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (const int item : selected)
            if (item - gone >= 0)
                m_wndList.SetItemState(item - gone, LVIS_SELECTED, LVIS_SELECTED);
        RECT row{};
        if (count > 0 && m_wndList.GetItemRect(0, &row, CListView::ItemPart::Bounds)) {
            const int wanted = std::max(0, top - gone);
            m_wndList.Scroll(0, (wanted - m_wndList.GetTopIndex()) * (row.bottom - row.top));
        }
    }
    m_wndList.Invalidate(FALSE);
    UpdateStatus();
}

LRESULT CMessageLogDialog::OnGetDispInfo(NMLVDISPINFOW* info) {
    return fw::AnswerDispInfo(*info, m_lines.size(), [this](size_t row, int column) {
        return orvex::LogCellText(m_lines, m_lines[row], column, m_text);
    });
}

LRESULT CMessageLogDialog::OnListCustomDraw(NMLVCUSTOMDRAW* draw) {
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT || draw->nmcd.dwItemSpec >= m_lines.size())
        return CDRF_DODEFAULT;
    const orvex::LogLine& line = m_lines[draw->nmcd.dwItemSpec];
    if (line.note == 0)
        return CDRF_DODEFAULT;
    DrawNote(draw->nmcd.hdc, static_cast<int>(draw->nmcd.dwItemSpec), line);
    return CDRF_SKIPDEFAULT;
}

// A note is a sentence of Orvex's own, not a message: it runs across the row from the "Time" column
// on, where the columns would cut it short.
void CMessageLogDialog::DrawNote(HDC dc, int item, const orvex::LogLine& line) {
    RECT row{};
    if (!m_wndList.GetItemRect(item, &row, CListView::ItemPart::Bounds))
        return;
    const UINT state = m_wndList.GetItemState(item, LVIS_SELECTED | LVIS_FOCUSED);
    const bool focused = ::GetFocus() == m_wndList.m_hWnd;
    int background = COLOR_WINDOW, text = COLOR_WINDOWTEXT;
    if (state & LVIS_SELECTED) {
        background = focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE;
        text = focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    }
    ::FillRect(dc, &row, ::GetSysColorBrush(background));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(text));
    const int numberWidth = m_wndList.GetColumnWidth(orvex::kColumnNumber);
    const std::wstring number = std::to_wstring(line.number);
    RECT cell{row.left + 6, row.top, row.left + numberWidth - 6, row.bottom};
    ::DrawTextW(dc, number.c_str(), static_cast<int>(number.size()), &cell,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    const std::wstring& note = m_lines.NoteText(line);
    cell = {row.left + numberWidth + 6, row.top, row.right - 6, row.bottom};
    ::DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &cell,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((state & LVIS_FOCUSED) && focused)
        ::DrawFocusRect(dc, &row);
}

LRESULT CMessageLogDialog::OnListDoubleClick(NMITEMACTIVATE* activate) {
    if (activate->iItem < 0 || static_cast<size_t>(activate->iItem) >= m_lines.size())
        return 0;
    const orvex::LogLine& line = m_lines[static_cast<size_t>(activate->iItem)];
    // Listed as a step, so the log stays on its own target.
    if (line.note == 0)
        m_owner.SelectWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(line.record.window)),
                             Selection::Step);
    return 0;
}

LRESULT CMessageLogDialog::OnToolBarDropDown(NMTOOLBARW* dropDown) {
    if (dropDown->iItem != ID_MSGLOG_SAVE)
        return TBDDRET_NODEFAULT;
    fw::UniqueMenu menu(::CreatePopupMenu());
    if (!menu)
        return TBDDRET_DEFAULT;
    ::AppendMenuW(menu.get(), MF_STRING, ID_MSGLOG_SAVE_ALL, L"&All Lines\u2026");
    ::AppendMenuW(menu.get(), MF_STRING | (SelectedIndexes().empty() ? MF_GRAYED : 0u),
                  ID_MSGLOG_SAVE_SELECTED, L"&Selected Lines\u2026");
    RECT button{};
    m_wndToolBar.SendMessage(TB_GETRECT, ID_MSGLOG_SAVE, reinterpret_cast<LPARAM>(&button));
    ::MapWindowPoints(m_wndToolBar.m_hWnd, nullptr, reinterpret_cast<POINT*>(&button), 2);
    ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, m_hWnd,
                     nullptr);
    return TBDDRET_DEFAULT;
}

std::vector<size_t> CMessageLogDialog::SelectedIndexes() const {
    std::vector<size_t> indexes;
    for (const int item : m_wndList.SelectedItems())
        indexes.push_back(static_cast<size_t>(item));
    return indexes;
}

void CMessageLogDialog::OnSaveAll() {
    Save(false);
}

void CMessageLogDialog::OnSaveSelected() {
    Save(true);
}

void CMessageLogDialog::Save(bool selectedOnly) {
    const auto path = AskSaveFileName(m_hWnd, {selectedOnly ? L"Save Selected Lines" : L"Save All Lines",
                                               L"Text Files (*.txt)", L"txt", L"Orvex messages.txt"});
    if (!path)
        return;
    if (!SaveTo(*path, selectedOnly)) {
        const std::wstring text =
            L"The lines could not be written to\n" + *path + L"\n\n" + SystemMessage(::GetLastError());
        ::MessageBoxW(m_hWnd, text.c_str(), L"Message Log", MB_OK | MB_ICONWARNING);
    }
}

bool CMessageLogDialog::SaveTo(const std::wstring& path, bool selectedOnly) {
    std::vector<size_t> indexes;
    if (selectedOnly) {
        indexes = SelectedIndexes();
    } else {
        indexes.resize(m_lines.size());
        for (size_t i = 0; i < indexes.size(); ++i)
            indexes[i] = i;
    }
    return WriteUtf8File(path, orvex::LogLinesAsText(m_lines, indexes, m_text));
}

LRESULT CMessageLogDialog::OnListKeyDown(NMLVKEYDOWN* key) {
    if (fw::IsCopyKey(key->wVKey))
        CopySelection();
    return 0;
}

void CMessageLogDialog::CopySelection() {
    const std::vector<size_t> indexes = SelectedIndexes();
    if (indexes.empty())
        return;
    PutTextOnClipboard(m_hWnd, orvex::LogLinesAsText(m_lines, indexes, m_text));
}

void CMessageLogDialog::UpdateStatus() {
    if (!m_wndStatus.m_hWnd)
        return;
    std::wstring text = m_target && ::IsWindow(m_target) ? L"Target " + m_targetText : L"No window selected";
    text += L"    Lines " + orvex::WithThousands(m_lines.size()) + L"    Seen " +
            orvex::WithThousands(m_seen) + L"    Dropped " + orvex::WithThousands(m_dropped);
    if (!m_filter.ShowsEverything())
        text += L"    Filtered";
    if (!m_running)
        text += L"    Stopped";
    else if (m_scope == orvex::LogScope::WindowAndChildren)
        text += L"    Children made later on another thread are not covered";
    m_wndStatus.SendMessage(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The same window, scope and filter logged from a script. The handle names the window only while
// it lives, as the log does.
void CMessageLogDialog::OnCopyCommand() {
    const auto command =
        orvex::LogCommandText(orvex::FormatPointer(reinterpret_cast<UINT_PTR>(m_target)), m_scope, m_filter);
    if (!m_target || !::IsWindow(m_target) || !command) {
        ::MessageBeep(MB_ICONWARNING);
        return;
    }
    PutTextOnClipboard(m_hWnd, *command);
}

// A filter that shows nothing has no command to copy.
void CMessageLogDialog::UpdateCopyCommand() {
    m_wndToolBar.SendMessage(TB_ENABLEBUTTON, ID_MSGLOG_COPY_COMMAND,
                             MAKELPARAM(!m_filter.ShowsNothing(), 0));
}
