#include "find/FindWindowDialog.h"

#include "common/DpiScale.h"
#include "common/ValueFormat.h"
#include "common/WindowDpi.h"
#include "res/resource.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>

struct CFindWindowDialog::Search {
    std::uint64_t id = 0;
    HWND window = nullptr;
    bool visibleOnly = false;
    bool topLevelOnly = false;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    SearchResult result; // written by the search's thread before `done` is set
};

namespace {

enum Column { kColumnHandle, kColumnClass, kColumnText, kColumnProcess, kColumnCount };
constexpr const wchar_t* kColumnNames[kColumnCount] = {L"Handle", L"Class", L"Text", L"Process"};
// What each column is made wide enough for at first, in the list's own font.
constexpr const wchar_t* kColumnSamples[kColumnCount] = {
    L"0x00000000", L"msctls_statusbar32", L"A window's title of some length", L"explorer.exe (100000)"};
constexpr int kCellPadding = 16;
// The controls that move or grow with the window, in the order of m_initialRects.
constexpr int kLaidOut[] = {IDC_FIND_LABEL, IDC_FIND_TARGET, IDC_FIND_TOP_LEVEL, IDC_FIND_LIST,
                            IDC_FIND_COUNT};

std::wstring Trimmed(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos)
        return {};
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool Checked(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void RunSearch(const std::shared_ptr<CFindWindowDialog::Search>& search, const orvex::WindowTarget& target) {
    search->result = FindWindows(target, &search->cancel);
    search->done.store(true, std::memory_order_release);
    // A cancelled search's window may be gone: only a search still wanted says it is done.
    if (!search->cancel.load())
        ::PostMessageW(search->window, CFindWindowDialog::kSearchDone, static_cast<WPARAM>(search->id), 0);
}

} // namespace

BEGIN_MESSAGE_MAP(CFindWindowDialog, CModelessDialog)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_TIMER()
ON_CONTROL(EN_CHANGE, IDC_FIND_TARGET, OnCriteriaChanged)
ON_CONTROL(BN_CLICKED, IDC_FIND_VISIBLE, OnCriteriaChanged)
ON_CONTROL(BN_CLICKED, IDC_FIND_TOP_LEVEL, OnCriteriaChanged)
ON_MESSAGE(kSearchDone, OnSearchDone)
ON_NOTIFY(LVN_GETDISPINFOW, IDC_FIND_LIST, OnGetDispInfo)
ON_NOTIFY(NM_DBLCLK, IDC_FIND_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

CFindWindowDialog::CFindWindowDialog(ToolWindowOwner& owner)
    : CModelessDialog(IDD_FIND_WINDOW), m_owner(owner) {}

CFindWindowDialog::~CFindWindowDialog() = default;

BOOL CFindWindowDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    m_wndTarget = CWindowView(GetDlgItem(IDC_FIND_TARGET));
    m_wndList = CListView(GetDlgItem(IDC_FIND_LIST));
    m_wndCount = CWindowView(GetDlgItem(IDC_FIND_COUNT));
    // The list asks for its texts, so a search of thousands of windows fills it at once.
    m_wndList.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int column = 0; column < kColumnCount; ++column) {
        const int width = std::max(m_wndList.GetStringWidth(kColumnNames[column]),
                                   m_wndList.GetStringWidth(kColumnSamples[column])) +
                          orvex::ScaleForDpi(kCellPadding, DpiOfWindow(m_hWnd));
        m_wndList.InsertColumn(column, kColumnNames[column], LVCFMT_LEFT, width);
        m_initialColumnWidths[column] = width;
    }
    WidenColumns();

    const RECT client = GetClientRect();
    m_initialClient = {client.right, client.bottom};
    for (size_t i = 0; i < std::size(kLaidOut); ++i) {
        RECT& rect = m_initialRects[i];
        rect = CWindowView(GetDlgItem(kLaidOut[i])).GetWindowRect();
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    }
    const RECT window = GetWindowRect();
    m_minTrack = {(window.right - window.left) * 2 / 3, (window.bottom - window.top) * 2 / 3};
    SearchNow(); // the count line tells what to type
    m_wndTarget.SetFocus();
    return FALSE; // the focus is set
}

void CFindWindowDialog::OnSize(UINT, int cx, int cy) {
    Default();
    if (!m_wndList.m_hWnd)
        return;
    const int dx = cx - m_initialClient.cx, dy = cy - m_initialClient.cy;
    for (size_t i = 0; i < std::size(kLaidOut); ++i) {
        RECT rect = m_initialRects[i];
        switch (kLaidOut[i]) {
        case IDC_FIND_TOP_LEVEL:
            continue; // the check boxes stay where they are
        case IDC_FIND_LIST:
            rect.bottom += dy;
            break;
        case IDC_FIND_COUNT:
            rect.top += dy;
            rect.bottom += dy;
            break;
        default:
            break;
        }
        rect.right += dx;
        ::MoveWindow(GetDlgItem(kLaidOut[i]), rect.left, rect.top, std::max<int>(0, rect.right - rect.left),
                     std::max<int>(0, rect.bottom - rect.top), TRUE);
    }
    WidenColumns();
}

// The handle, class and process columns keep the widths their samples gave them; the text column
// takes what the list has left, so the columns fill it exactly as the window grows or shrinks,
// down to the text column's title.
void CFindWindowDialog::WidenColumns() {
    int others = 0;
    for (int column = 0; column < kColumnCount; ++column)
        if (column != kColumnText)
            others += m_initialColumnWidths[column];
    const int titleWidth = m_wndList.GetStringWidth(kColumnNames[kColumnText]) +
                           orvex::ScaleForDpi(kCellPadding, DpiOfWindow(m_hWnd));
    m_wndList.SetColumnWidth(kColumnText,
                             std::max<int>(titleWidth, m_wndList.GetClientRect().right - others));
}

void CFindWindowDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (m_minTrack.cx > 0) {
        info->ptMinTrackSize.x = m_minTrack.cx;
        info->ptMinTrackSize.y = m_minTrack.cy;
    }
}

void CFindWindowDialog::OnOK() {
    // Enter on a match chooses it; anywhere else it searches without waiting for the pause.
    if (::GetFocus() == m_wndList.m_hWnd) {
        ChooseMatch(m_wndList.GetNextItem(-1, LVNI_SELECTED));
        return;
    }
    SearchNow();
}

BOOL CFindWindowDialog::PreTranslateMessage(MSG* message) {
    if (message->message == WM_KEYDOWN && message->wParam == 'F' && ::GetKeyState(VK_CONTROL) < 0 &&
        ::GetKeyState(VK_MENU) >= 0) {
        FocusTarget();
        return TRUE;
    }
    return CModelessDialog::PreTranslateMessage(message);
}

void CFindWindowDialog::FocusTarget() {
    m_wndTarget.SetFocus();
    m_wndTarget.SendMessage(EM_SETSEL, 0, -1);
}

void CFindWindowDialog::OnDestroy() {
    KillTimer(kPauseTimer);
    // The search ends on its own; it holds its share of the state, never the dialog.
    if (m_pending)
        m_pending->cancel = true;
    m_pending.reset();
    Default();
}

void CFindWindowDialog::OnCriteriaChanged() {
    // Typing restarts the pause: one search once the user stops, not one per key.
    SetTimer(kPauseTimer, kPauseMs);
}

void CFindWindowDialog::OnTimer(UINT_PTR id) {
    if (id == kPauseTimer)
        SearchNow();
}

void CFindWindowDialog::SearchNow() {
    KillTimer(kPauseTimer);
    if (m_pending)
        m_pending->cancel = true;
    m_pending.reset();

    const std::wstring text = Trimmed(m_wndTarget.GetWindowText());
    const bool visibleOnly = Checked(m_hWnd, IDC_FIND_VISIBLE);
    const bool topLevelOnly = Checked(m_hWnd, IDC_FIND_TOP_LEVEL);
    orvex::WindowTarget target;
    if (text.empty() && !visibleOnly && !topLevelOnly) {
        ShowMatches({});
        SetCount(
            L"Type a handle, a point (@X,Y) or criteria (class=Edit,text=Untitled,process=notepad.exe).");
        return;
    }
    if (!text.empty()) {
        auto parsed = orvex::ParseWindowTarget(text);
        if (const auto* error = std::get_if<orvex::TargetError>(&parsed)) {
            ShowMatches({});
            // The message names the position itself ("... at 5").
            SetCount(L"Not a target: " + error->message);
            return;
        }
        target = std::get<orvex::WindowTarget>(std::move(parsed));
    }
    if (target.kind == orvex::WindowTarget::Kind::Criteria) {
        target.criteria.visibleOnly = target.criteria.visibleOnly || visibleOnly;
        target.criteria.topLevelOnly = target.criteria.topLevelOnly || topLevelOnly;
    }

    auto search = std::make_shared<Search>();
    search->id = ++m_lastId;
    search->window = m_hWnd;
    search->visibleOnly = visibleOnly;
    search->topLevelOnly = topLevelOnly;
    try {
        std::thread(RunSearch, search, std::move(target)).detach();
    } catch (const std::system_error&) {
        SetCount(L"The search could not start.");
        return;
    }
    m_pending = std::move(search);
    SetCount(L"Searching\u2026");
}

LRESULT CFindWindowDialog::OnSearchDone(WPARAM id, LPARAM) {
    // An older search's word arrives after a newer one started: its matches are not wanted.
    if (!m_pending || m_pending->id != id || !m_pending->done.load(std::memory_order_acquire))
        return 0;
    const std::shared_ptr<Search> search = std::move(m_pending);
    SearchResult result = std::move(search->result);
    // A handle or a point names its window whatever the boxes say; they narrow it here.
    std::erase_if(result.matches, [&search](const FoundWindow& match) {
        return (search->visibleOnly && !match.facts.visible) ||
               (search->topLevelOnly && !match.facts.topLevel);
    });
    const size_t found = result.matches.size();
    const size_t searched = result.searched;
    ShowMatches(std::move(result));
    SetCount(L"Searched " + orvex::WithThousands(searched) + (searched == 1 ? L" window, " : L" windows, ") +
             orvex::WithThousands(found) + (found == 1 ? L" match." : L" matches."));
    return 0;
}

void CFindWindowDialog::ShowMatches(SearchResult result) {
    m_matches = std::move(result.matches);
    m_wndList.SetItemCountEx(static_cast<int>(m_matches.size()));
    m_wndList.Invalidate();
}

void CFindWindowDialog::SetCount(const std::wstring& text) {
    m_wndCount.SetWindowText(text);
}

std::wstring CFindWindowDialog::CellText(const FoundWindow& match, int column) const {
    switch (column) {
    case kColumnHandle:
        return orvex::FormatPointer(reinterpret_cast<UINT_PTR>(match.hwnd));
    case kColumnClass:
        return match.facts.className;
    case kColumnText:
        return match.facts.text;
    case kColumnProcess: {
        std::wstring name = match.facts.processName;
        if (name.empty())
            name = match.imagePath.substr(match.imagePath.find_last_of(L"\\/") + 1);
        const std::wstring id = L"(" + std::to_wstring(match.facts.processId) + L")";
        return name.empty() ? id : name + L" " + id;
    }
    default:
        return {};
    }
}

LRESULT CFindWindowDialog::OnGetDispInfo(NMLVDISPINFOW* info) {
    return fw::AnswerDispInfo(*info, m_matches.size(),
                              [this](size_t row, int column) { return CellText(m_matches[row], column); });
}

LRESULT CFindWindowDialog::OnListDoubleClick(NMITEMACTIVATE* activate) {
    ChooseMatch(activate->iItem);
    return 0;
}

void CFindWindowDialog::ChooseMatch(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_matches.size())
        return;
    // The list stays as it is: the user may go on to the next match.
    if (HWND hwnd = m_matches[static_cast<size_t>(index)].hwnd; ::IsWindow(hwnd))
        m_owner.SelectWindow(hwnd, Selection::Finished);
}
