#include "change/ChangeWindowDialog.h"

#include "change/StyleCheckList.h"
#include "common/DpiScale.h"
#include "common/ValueFormat.h"
#include "common/WindowDpi.h"
#include "framework/WinApp.h"
#include "framework/WindowView.h"
#include "inspect/WindowFacts.h"
#include "process/Process.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>

namespace {

using orvex::ChangeKind;
using orvex::ChangeProperty;
using orvex::ChangeValue;
using orvex::StyleWord;
using orvex::WindowChange;

// The state images of the style list, in the order of their images: a box, ticked, a radio choice,
// chosen. Row headings have none.
enum StateImage { kNoImage = 0, kBox = 1, kBoxTicked = 2, kRadio = 3, kRadioChosen = 4 };

constexpr int kFields[] = {
    IDC_CHANGE_TEXT,    IDC_CHANGE_SET_TEXT,     IDC_CHANGE_X,           IDC_CHANGE_Y,
    IDC_CHANGE_WIDTH,   IDC_CHANGE_HEIGHT,       IDC_CHANGE_SET_PLACE,   IDC_CHANGE_STYLES,
    IDC_CHANGE_STYLE,   IDC_CHANGE_EXSTYLE,      IDC_CHANGE_APPLY,       IDC_CHANGE_VISIBLE,
    IDC_CHANGE_ENABLED, IDC_CHANGE_TOPMOST,      IDC_CHANGE_MINIMIZE,    IDC_CHANGE_MAXIMIZE,
    IDC_CHANGE_RESTORE, IDC_CHANGE_BRING_TO_TOP, IDC_CHANGE_CLOSE_WINDOW};

std::wstring PropertyName(ChangeProperty property) {
    switch (property) {
    case ChangeProperty::Text:
        return L"The text";
    case ChangeProperty::Style:
        return L"The style";
    case ChangeProperty::ExStyle:
        return L"The extended style";
    case ChangeProperty::Position:
        return L"The position";
    case ChangeProperty::Size:
        return L"The size";
    case ChangeProperty::Visible:
    case ChangeProperty::Enabled:
    case ChangeProperty::TopMost:
    case ChangeProperty::ShowState:
    case ChangeProperty::ZOrder:
    case ChangeProperty::Open:
        break;
    }
    return L"The window";
}

// What the status line says of an applied change: what the window reports now.
std::wstring AppliedText(const ChangeValue& after) {
    if (after.property == ChangeProperty::Open)
        return after.on ? L"The window was asked to close; it is still open." : L"The window has closed.";
    std::wstring value = orvex::FormatChangeValue(after);
    if (after.property == ChangeProperty::Text)
        value = L"\u201C" + value + L"\u201D";
    return PropertyName(after.property) + L" is now " + value + L".";
}

// The message without its place: a field's text is not the line the place counts in.
std::wstring WithoutPlace(const std::wstring& message) {
    const size_t at = message.rfind(L" at ");
    return at == std::wstring::npos ? message : message.substr(0, at);
}

bool IsChild(HWND hwnd) {
    HWND parent = ::GetAncestor(hwnd, GA_PARENT);
    return (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) && parent && parent != ::GetDesktopWindow();
}

std::wstring ProgramOf(HWND hwnd) {
    CProcess process;
    const DWORD id = WindowProcessId(hwnd);
    process.Initialize(id);
    std::wstring name = process.m_strName;
    if (name.empty())
        name = process.m_strImagePath.substr(process.m_strImagePath.find_last_of(L"\\/") + 1);
    return (name.empty() ? L"process" : name) + L" (" + std::to_wstring(id) + L")";
}

// Asks the window for its text off this thread, so a window that does not answer holds nothing up.
void StartReadingText(HWND target, HWND notify, unsigned reading) {
    const auto read = [target, notify, reading] {
        std::wstring* text = nullptr;
        try {
            if (auto value = ReadChangeValue(target, ChangeProperty::Text))
                text = new std::wstring(std::move(value->text));
        } catch (...) {
        }
        if (!::PostMessageW(notify, CChangeWindowDialog::kTextRead, reading, reinterpret_cast<LPARAM>(text)))
            delete text;
    };
    try {
        std::thread(read).detach();
    } catch (const std::system_error&) {
        ::PostMessageW(notify, CChangeWindowDialog::kTextRead, reading, 0);
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CChangeWindowDialog, CModelessDialog)
ON_WM_DESTROY()
ON_WM_DPICHANGED()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_COMMAND(IDC_CHANGE_SET_TEXT, OnSetText)
ON_COMMAND(IDC_CHANGE_SET_PLACE, OnSetPlace)
ON_COMMAND(IDC_CHANGE_APPLY, OnApplyStyles)
ON_CONTROL(EN_CHANGE, IDC_CHANGE_STYLE, OnStyleBoxChanged)
ON_CONTROL(EN_CHANGE, IDC_CHANGE_EXSTYLE, OnStyleBoxChanged)
ON_COMMAND(IDC_CHANGE_VISIBLE, OnVisible)
ON_COMMAND(IDC_CHANGE_ENABLED, OnEnabled)
ON_COMMAND(IDC_CHANGE_TOPMOST, OnTopMost)
ON_COMMAND(IDC_CHANGE_MINIMIZE, OnMinimize)
ON_COMMAND(IDC_CHANGE_MAXIMIZE, OnMaximize)
ON_COMMAND(IDC_CHANGE_RESTORE, OnRestore)
ON_COMMAND(IDC_CHANGE_BRING_TO_TOP, OnBringToTop)
ON_COMMAND(IDC_CHANGE_CLOSE_WINDOW, OnCloseWindow)
ON_COMMAND(IDC_CHANGE_UNDO_ALL, OnUndoAll)
ON_NOTIFY(NM_CLICK, IDC_CHANGE_STYLES, OnStyleListClick)
ON_NOTIFY(LVN_KEYDOWN, IDC_CHANGE_STYLES, OnStyleListKey)
ON_MESSAGE(kChangeDone, OnChangeDone)
ON_MESSAGE(kTextRead, OnTextRead)
END_MESSAGE_MAP()

CChangeWindowDialog::CChangeWindowDialog(ToolWindowOwner& owner, HWND target)
    : CModelessDialog(IDD_CHANGE_WINDOW), m_owner(owner), m_target(target) {}

CChangeWindowDialog::~CChangeWindowDialog() = default;

BOOL CChangeWindowDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    m_dpi = DpiOfWindow(m_hWnd);
    m_wndStyles = CListView(GetDlgItem(IDC_CHANGE_STYLES));
    m_wndStyles.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    m_wndStyles.InsertColumn(0, L"Name", LVCFMT_LEFT, 100);
    m_wndStyles.InsertColumn(1, L"Value", LVCFMT_LEFT, 100);
    MakeStateImages();
    MeasureLayout();
    FitColumns();
    ReadTarget();
    return TRUE; // the focus goes to the first tab stop that takes it, the text
}

void CChangeWindowDialog::OnDestroy() {
    // Answers already posted are freed here; those posted later find no window and are dropped.
    MSG message{};
    while (::PeekMessageW(&message, m_hWnd, kChangeDone, kChangeDone, PM_REMOVE))
        TakePostedOutcome(message.lParam);
    while (::PeekMessageW(&message, m_hWnd, kTextRead, kTextRead, PM_REMOVE))
        delete reinterpret_cast<std::wstring*>(message.lParam);
    Default();
}

void CChangeWindowDialog::OnDpiChanged(int dpi, const RECT&) {
    // The dialog manager scales the template's parts; the list's pictures and columns are ours, and
    // so is the layout the parts keep as the window is resized.
    m_layout.clear();
    Default();
    if (dpi <= 0)
        return;
    m_dpi = dpi;
    MakeStateImages();
    MeasureLayout();
    FitColumns();
}

void CChangeWindowDialog::MeasureLayout() {
    m_layout.clear();
    for (HWND part = ::GetWindow(m_hWnd, GW_CHILD); part; part = ::GetWindow(part, GW_HWNDNEXT)) {
        RECT rect = CWindowView(part).GetWindowRect();
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        m_layout.push_back({part, rect});
    }
    const RECT client = GetClientRect();
    m_initialClient = {client.right, client.bottom};
    const RECT window = GetWindowRect();
    const RECT list = m_wndStyles.GetWindowRect();
    const int listHeight = list.bottom - list.top;
    m_minTrack = {(window.right - window.left) * 3 / 4, (window.bottom - window.top) - listHeight * 2 / 3};
}

// Wider, the fields, the list and the lines grow and the buttons at the right move with the edge;
// taller, the list grows and what lies below it moves down.
void CChangeWindowDialog::OnSize(UINT, int cx, int cy) {
    Default();
    if (m_layout.empty() || cx == 0 || cy == 0)
        return;
    const int dx = cx - m_initialClient.cx, dy = cy - m_initialClient.cy;
    RECT list{};
    for (const LaidOut& laid : m_layout)
        if (laid.part == m_wndStyles.m_hWnd)
            list = laid.rect;
    constexpr int kStretched[] = {IDC_CHANGE_TARGET, IDC_CHANGE_TEXT, IDC_CHANGE_PLACE_NOTE,
                                  IDC_CHANGE_STYLES, IDC_CHANGE_STATUS};
    constexpr int kAtRight[] = {IDC_CHANGE_SET_TEXT, IDC_CHANGE_SET_PLACE, IDC_CHANGE_APPLY, IDCANCEL};
    for (const LaidOut& laid : m_layout) {
        RECT rect = laid.rect;
        const int id = ::GetDlgCtrlID(laid.part);
        const bool groupBox = (::GetWindowLongW(laid.part, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                              WindowClassName(laid.part) == L"Button";
        if (groupBox || std::find(std::begin(kStretched), std::end(kStretched), id) != std::end(kStretched))
            rect.right += dx;
        else if (std::find(std::begin(kAtRight), std::end(kAtRight), id) != std::end(kAtRight))
            ::OffsetRect(&rect, dx, 0);
        if (rect.top >= list.bottom)
            ::OffsetRect(&rect, 0, dy);
        else if (rect.bottom >= list.bottom) // the list and the group round it
            rect.bottom += dy;
        ::MoveWindow(laid.part, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    }
    FitColumns();
}

void CChangeWindowDialog::OnGetMinMaxInfo(MINMAXINFO* info) {
    if (m_minTrack.cx > 0) {
        info->ptMinTrackSize.x = m_minTrack.cx;
        info->ptMinTrackSize.y = m_minTrack.cy;
    }
}

void CChangeWindowDialog::MakeStateImages() {
    const int side = SystemMetricAtDpi(SM_CXSMICON, m_dpi);
    fw::UniqueImageList images(::ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, 4, 0));
    if (!images)
        return;
    constexpr COLORREF kMask = RGB(255, 0, 255);
    fw::WindowDC screen(nullptr);
    fw::UniqueMemoryDC dc(::CreateCompatibleDC(screen.get()));
    const UINT kinds[] = {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONRADIO,
                          DFCS_BUTTONRADIO | DFCS_CHECKED};
    for (UINT kind : kinds) {
        fw::UniqueBitmap picture(::CreateCompatibleBitmap(screen.get(), side, side));
        {
            fw::SelectedObject selected(dc.get(), picture.get());
            RECT whole{0, 0, side, side};
            fw::UniqueGdiObject<HBRUSH> mask(::CreateSolidBrush(kMask));
            ::FillRect(dc.get(), &whole, mask.get());
            const int inset = std::max(1, side / 8);
            RECT box{inset, inset, side - inset, side - inset};
            ::DrawFrameControl(dc.get(), &box, DFC_BUTTON, kind);
        }
        ::ImageList_AddMasked(images.get(), picture.get(), kMask);
    }
    m_wndStyles.SendMessage(LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(images.get()));
    m_stateImages = std::move(images);
}

void CChangeWindowDialog::FitColumns() {
    const int valueWidth = m_wndStyles.GetStringWidth(L"0x00000000") + orvex::ScaleForDpi(16, m_dpi);
    const int client = m_wndStyles.GetClientRect().right - SystemMetricAtDpi(SM_CXVSCROLL, m_dpi);
    m_wndStyles.SetColumnWidth(0, std::max(valueWidth, client - valueWidth));
    m_wndStyles.SetColumnWidth(1, valueWidth);
}

std::wstring CChangeWindowDialog::FieldText(int id) const {
    return CWindowView(GetDlgItem(id)).GetWindowText();
}

std::wstring CChangeWindowDialog::Status() const {
    return FieldText(IDC_CHANGE_STATUS);
}

void CChangeWindowDialog::SetStatus(const std::wstring& text) {
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_STATUS, text.c_str());
}

void CChangeWindowDialog::SetCheck(int id, bool on) {
    ::CheckDlgButton(m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED);
}

// ---------------------------------------------------------------------------------------------
// Reading the target

void CChangeWindowDialog::SetTarget(HWND hwnd) {
    if (hwnd == m_target)
        return; // the same window listed again: its values and undo list stay
    m_target = hwnd;
    ReadTarget();
}

void CChangeWindowDialog::ReadTarget() {
    ++m_reading; // a text still on its way belongs to the reading before
    m_undo.Clear();
    m_undoLeft.clear();
    m_queue.clear();
    m_textKnown = false;
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_TEXT, L"");
    SetStatus({});

    const bool exists = m_target && ::IsWindow(m_target);
    const std::wstring handle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(m_target));
    m_className = exists ? WindowClassName(m_target) : std::wstring();
    std::wstring header = L"No window is listed.";
    if (exists)
        header = L"Window " + handle + L" (" + m_className + L") of " + ProgramOf(m_target);
    else if (m_target)
        header = L"The window " + handle + L" no longer exists.";
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_TARGET, header.c_str());

    const auto read = [this, exists](ChangeProperty property) {
        ChangeValue value;
        value.property = property;
        if (exists)
            if (auto found = ReadChangeValue(m_target, property, 0))
                value = *found;
        return value;
    };
    for (ChangeProperty property :
         {ChangeProperty::Position, ChangeProperty::Size, ChangeProperty::Style, ChangeProperty::ExStyle,
          ChangeProperty::Visible, ChangeProperty::Enabled, ChangeProperty::TopMost})
        ShowValue(read(property));
    FillStyleList(m_className);
    ShowStyleWords(true);
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_PLACE_NOTE,
                      !exists             ? L""
                      : IsChild(m_target) ? L"X and Y are in the parent window's client area."
                                          : L"X and Y are on the screen.");
    if (exists) {
        StartReadingText(m_target, m_hWnd, m_reading);
        if (IsOwnProcessWindow(m_target))
            SetStatus(kChangeOwnWindow);
    }
    EnableFields();
}

LRESULT CChangeWindowDialog::OnTextRead(WPARAM reading, LPARAM text) {
    std::unique_ptr<std::wstring> answer(reinterpret_cast<std::wstring*>(text));
    if (reading != m_reading)
        return 0;
    if (!answer) {
        if (::IsWindow(m_target))
            SetStatus(L"The window did not answer when asked for its text.");
        return 0;
    }
    m_readText.property = ChangeProperty::Text;
    m_readText.text = *answer;
    m_textKnown = true;
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_TEXT, answer->c_str());
    return 0;
}

// Shows a value the window reported in its field.
void CChangeWindowDialog::ShowValue(const ChangeValue& value) {
    const auto number = [this](int id, std::int32_t n) {
        ::SetDlgItemTextW(m_hWnd, id, std::to_wstring(n).c_str());
    };
    switch (value.property) {
    case ChangeProperty::Text:
        m_readText = value;
        m_textKnown = true;
        ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_TEXT, value.text.c_str());
        break;
    case ChangeProperty::Position:
        m_readPosition = value;
        number(IDC_CHANGE_X, value.x);
        number(IDC_CHANGE_Y, value.y);
        break;
    case ChangeProperty::Size:
        m_readSize = value;
        number(IDC_CHANGE_WIDTH, value.x);
        number(IDC_CHANGE_HEIGHT, value.y);
        break;
    case ChangeProperty::Style:
        m_readStyle = value;
        m_style = value.word;
        ShowStyleWords(true);
        break;
    case ChangeProperty::ExStyle:
        m_readExStyle = value;
        m_exStyle = value.word;
        ShowStyleWords(true);
        break;
    case ChangeProperty::Visible:
        SetCheck(IDC_CHANGE_VISIBLE, value.on);
        break;
    case ChangeProperty::Enabled:
        SetCheck(IDC_CHANGE_ENABLED, value.on);
        break;
    case ChangeProperty::TopMost:
        SetCheck(IDC_CHANGE_TOPMOST, value.on);
        break;
    case ChangeProperty::Open:
    case ChangeProperty::ShowState:
    case ChangeProperty::ZOrder:
        break;
    }
}

void CChangeWindowDialog::EnableFields() {
    const bool exists = m_target && ::IsWindow(m_target);
    for (int id : kFields)
        ::EnableWindow(GetDlgItem(id), exists);
    ::EnableWindow(GetDlgItem(IDC_CHANGE_UNDO_ALL), exists && (!m_undo.Empty() || !m_undoLeft.empty()));
}

// ---------------------------------------------------------------------------------------------
// The style list

void CChangeWindowDialog::FillStyleList(const std::wstring& className) {
    m_wndStyles.SendMessage(WM_SETREDRAW, FALSE);
    m_wndStyles.DeleteAllItems();
    m_rows.clear();
    const auto general = orvex::StyleChoices(StyleWord::Style, L"");
    const auto all = orvex::StyleChoices(StyleWord::Style, className);
    const auto heading = [this](StyleWord word, std::wstring name) {
        StyleRowData row;
        row.word = word;
        row.heading = true;
        row.choice.name = {};
        m_rows.push_back(row);
        return name;
    };
    std::vector<std::wstring> headings;
    // The general names, the class's own, then the extended ones, each under its heading.
    headings.push_back(heading(StyleWord::Style, L"Window Styles"));
    for (size_t i = 0; i < all.size(); ++i) {
        if (i == general.size())
            headings.push_back(heading(StyleWord::Style, className + L" Styles"));
        m_rows.push_back({StyleWord::Style, all[i], false});
    }
    headings.push_back(heading(StyleWord::ExStyle, L"Window Extended Styles"));
    for (const orvex::StyleChoice& choice : orvex::StyleChoices(StyleWord::ExStyle, L""))
        m_rows.push_back({StyleWord::ExStyle, choice, false});

    size_t nextHeading = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const StyleRowData& row = m_rows[i];
        const std::wstring name = row.heading ? headings[nextHeading++] : std::wstring(row.choice.name);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(name.c_str());
        item.lParam = static_cast<LPARAM>(i);
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(row.heading ? kNoImage : kBox);
        const int at = m_wndStyles.InsertItem(item);
        if (!row.heading)
            m_wndStyles.SetItemText(at, 1, orvex::FormatHex32(row.choice.value).c_str());
    }
    m_wndStyles.SendMessage(WM_SETREDRAW, TRUE);
}

void CChangeWindowDialog::ShowStyleWords(bool rewriteBoxes) {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const StyleRowData& row = m_rows[i];
        if (row.heading)
            continue;
        const bool on =
            orvex::ChoiceDescribes(row.choice, row.word == StyleWord::Style ? m_style : m_exStyle);
        const int image =
            orvex::IsRadioChoice(row.choice) ? (on ? kRadioChosen : kRadio) : (on ? kBoxTicked : kBox);
        m_wndStyles.SetItemState(static_cast<int>(i), INDEXTOSTATEIMAGEMASK(image), LVIS_STATEIMAGEMASK);
    }
    if (!rewriteBoxes)
        return;
    m_fillingBoxes = true;
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_STYLE, orvex::FormatHex32(m_style).c_str());
    ::SetDlgItemTextW(m_hWnd, IDC_CHANGE_EXSTYLE, orvex::FormatHex32(m_exStyle).c_str());
    m_fillingBoxes = false;
}

int CChangeWindowDialog::StyleRow(StyleWord word, std::wstring_view name) const {
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].heading && m_rows[i].word == word && m_rows[i].choice.name == name)
            return static_cast<int>(i);
    return -1;
}

void CChangeWindowDialog::ToggleStyleRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= m_rows.size() || m_rows[static_cast<size_t>(row)].heading)
        return;
    const StyleRowData& data = m_rows[static_cast<size_t>(row)];
    std::uint32_t& word = data.word == StyleWord::Style ? m_style : m_exStyle;
    word = orvex::WordWithChoice(data.choice, word, !orvex::ChoiceDescribes(data.choice, word));
    ShowStyleWords(true);
}

LRESULT CChangeWindowDialog::OnStyleListClick(NMITEMACTIVATE* click) {
    LVHITTESTINFO hit{};
    hit.pt = click->ptAction;
    const int row = static_cast<int>(m_wndStyles.SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON))
        ToggleStyleRow(row);
    return 0;
}

LRESULT CChangeWindowDialog::OnStyleListKey(NMLVKEYDOWN* key) {
    if (key->wVKey == VK_SPACE)
        ToggleStyleRow(m_wndStyles.GetNextItem(-1, LVNI_FOCUSED));
    return 0;
}

// A word typed in a box ticks the names it holds as it is typed; a box that does not read as a
// number leaves the list as it was until it does.
void CChangeWindowDialog::OnStyleBoxChanged() {
    if (m_fillingBoxes)
        return;
    for (const auto& [id, word] :
         {std::pair{IDC_CHANGE_STYLE, &m_style}, std::pair{IDC_CHANGE_EXSTYLE, &m_exStyle}}) {
        const auto parsed = orvex::ParseWindowChange(L"style=" + FieldText(id), L"");
        const auto* change = std::get_if<WindowChange>(&parsed);
        if (change && change->clearBits == 0xFFFFFFFFu)
            *word = change->setBits;
    }
    ShowStyleWords(false);
}

// ---------------------------------------------------------------------------------------------
// Changes

bool CChangeWindowDialog::ReadChange(const std::wstring& text, int field, WindowChange& change) {
    auto parsed = orvex::ParseWindowChange(text, m_className);
    if (const auto* error = std::get_if<orvex::ChangeError>(&parsed)) {
        SetStatus(WithoutPlace(error->message) + L".");
        ::SetFocus(GetDlgItem(field));
        ::SendMessageW(GetDlgItem(field), EM_SETSEL, 0, -1);
        return false;
    }
    change = std::get<WindowChange>(std::move(parsed));
    return true;
}

void CChangeWindowDialog::OnOK() {
    // Enter sets the part of the window whose field has the focus.
    const int focused = ::GetDlgCtrlID(::GetFocus());
    switch (focused) {
    case IDC_CHANGE_TEXT:
        OnSetText();
        break;
    case IDC_CHANGE_X:
    case IDC_CHANGE_Y:
    case IDC_CHANGE_WIDTH:
    case IDC_CHANGE_HEIGHT:
        OnSetPlace();
        break;
    case IDC_CHANGE_STYLES:
    case IDC_CHANGE_STYLE:
    case IDC_CHANGE_EXSTYLE:
        OnApplyStyles();
        break;
    default:
        break;
    }
}

void CChangeWindowDialog::OnSetText() {
    WindowChange change;
    if (ReadChange(L"text=" + FieldText(IDC_CHANGE_TEXT), IDC_CHANGE_TEXT, change))
        Queue({{change}});
}

void CChangeWindowDialog::OnSetPlace() {
    WindowChange position, size;
    const std::wstring x = FieldText(IDC_CHANGE_X), y = FieldText(IDC_CHANGE_Y);
    const std::wstring width = FieldText(IDC_CHANGE_WIDTH), height = FieldText(IDC_CHANGE_HEIGHT);
    // A comma typed in a field would shift the pair: each field is read alone first.
    for (const auto& [id, text] : {std::pair{IDC_CHANGE_X, x}, std::pair{IDC_CHANGE_Y, y},
                                   std::pair{IDC_CHANGE_WIDTH, width}, std::pair{IDC_CHANGE_HEIGHT, height}})
        if (WindowChange single; !ReadChange(L"pos=" + text + L",0", id, single))
            return;
    if (!ReadChange(L"pos=" + x + L"," + y, IDC_CHANGE_X, position) ||
        !ReadChange(L"size=" + width + L"," + height, IDC_CHANGE_WIDTH, size))
        return;
    std::vector<QueuedChange> changes;
    if (position.x != m_readPosition.x || position.y != m_readPosition.y)
        changes.push_back({position});
    if (size.x != m_readSize.x || size.y != m_readSize.y)
        changes.push_back({size});
    if (changes.empty()) {
        SetStatus(L"The window already has that position and size.");
        return;
    }
    Queue(std::move(changes));
}

void CChangeWindowDialog::OnApplyStyles() {
    WindowChange style, exStyle;
    if (!ReadChange(L"style=" + FieldText(IDC_CHANGE_STYLE), IDC_CHANGE_STYLE, style) ||
        !ReadChange(L"exstyle=" + FieldText(IDC_CHANGE_EXSTYLE), IDC_CHANGE_EXSTYLE, exStyle))
        return;
    std::vector<QueuedChange> changes;
    if (style.StyleAfter(m_readStyle.word) != m_readStyle.word)
        changes.push_back({style});
    if (exStyle.StyleAfter(m_readExStyle.word) != m_readExStyle.word)
        changes.push_back({exStyle});
    if (changes.empty()) {
        SetStatus(L"The window already has these styles.");
        return;
    }
    Queue(std::move(changes));
}

void CChangeWindowDialog::Queue(ChangeKind kind) {
    WindowChange change;
    change.kind = kind;
    Queue({{change}});
}

void CChangeWindowDialog::OnVisible() {
    Queue(::IsDlgButtonChecked(m_hWnd, IDC_CHANGE_VISIBLE) ? ChangeKind::Show : ChangeKind::Hide);
}

void CChangeWindowDialog::OnEnabled() {
    Queue(::IsDlgButtonChecked(m_hWnd, IDC_CHANGE_ENABLED) ? ChangeKind::Enable : ChangeKind::Disable);
}

void CChangeWindowDialog::OnTopMost() {
    Queue(::IsDlgButtonChecked(m_hWnd, IDC_CHANGE_TOPMOST) ? ChangeKind::TopMost : ChangeKind::NoTopMost);
}

void CChangeWindowDialog::OnMinimize() {
    Queue(ChangeKind::Minimize);
}

void CChangeWindowDialog::OnMaximize() {
    Queue(ChangeKind::Maximize);
}

void CChangeWindowDialog::OnRestore() {
    Queue(ChangeKind::Restore);
}

void CChangeWindowDialog::OnBringToTop() {
    Queue(ChangeKind::BringToTop);
}

void CChangeWindowDialog::OnCloseWindow() {
    if (!::IsWindow(m_target))
        return;
    std::wstring title = WindowTextNoMessage(m_target);
    title = title.empty() ? std::wstring() : L" \u201C" + title + L"\u201D";
    const std::wstring question =
        L"Close the window " + orvex::FormatPointer(reinterpret_cast<UINT_PTR>(m_target)) + title + L" (" +
        m_className + L") of " + ProgramOf(m_target) + L"?\n\nThe program may ask to save its work, or end.";
    CWinApp* app = AfxGetApp();
    const std::wstring caption = app ? app->m_appName : L"Orvex";
    if (::MessageBoxW(m_hWnd, question.c_str(), caption.c_str(),
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    Queue(ChangeKind::Close);
}

void CChangeWindowDialog::OnUndoAll() {
    // The changes made since an Undo All stopped go back first: they are the later ones.
    std::vector<WindowChange> changes = m_undo.TakeUndoChanges();
    changes.insert(changes.end(), m_undoLeft.begin(), m_undoLeft.end());
    m_undoLeft.clear();
    std::vector<QueuedChange> queued;
    for (WindowChange& change : changes)
        queued.push_back({std::move(change), true});
    Queue(std::move(queued));
}

void CChangeWindowDialog::Queue(std::vector<QueuedChange> changes) {
    if (!m_target || !::IsWindow(m_target))
        return;
    for (QueuedChange& change : changes)
        m_queue.push_back(std::move(change));
    EnableFields();
    StartNext();
}

void CChangeWindowDialog::StartNext() {
    if (m_changing || m_queue.empty())
        return;
    QueuedChange next = std::move(m_queue.front());
    m_queue.pop_front();
    m_changing = true;
    m_changingTarget = m_target;
    m_changingUndo = next.undoing;
    m_current = next.change;
    SetStatus(L"Changing\u2026");
    StartWindowChange(m_target, next.change, ChangeOptions{}, m_hWnd, kChangeDone);
}

LRESULT CChangeWindowDialog::OnChangeDone(WPARAM target, LPARAM posted) {
    const std::unique_ptr<ChangeOutcome> outcome = TakePostedOutcome(posted);
    if (!m_changing || reinterpret_cast<HWND>(target) != m_changingTarget)
        return 0;
    m_changing = false;
    if (m_changingTarget != m_target) {
        StartNext(); // picked another window meanwhile: its changes may start now
        return 0;
    }
    if (outcome->status == ChangeOutcome::Status::Applied) {
        if (!m_changingUndo)
            m_undo.Record(outcome->before);
        ShowValue(outcome->after);
        SetStatus(AppliedText(outcome->after));
        m_owner.WindowChanged(m_target);
        if (!::IsWindow(m_target))
            m_queue.clear();
        EnableFields();
        StartNext();
        return 0;
    }
    // Nothing else happens: the changes queued after it are dropped, but an Undo All keeps what it
    // has yet to put back, so that pressing it again tries once more.
    if (m_changingUndo) {
        m_undoLeft.push_back(m_current);
        for (const QueuedChange& left : m_queue)
            if (left.undoing)
                m_undoLeft.push_back(left.change);
    }
    m_queue.clear();
    SetStatus(outcome->reason);
    // The fields show the window again where a box was ticked or a field typed in vain.
    for (ChangeProperty property :
         {ChangeProperty::Visible, ChangeProperty::Enabled, ChangeProperty::TopMost})
        if (auto value = ReadChangeValue(m_target, property, 0))
            ShowValue(*value);
    EnableFields();
    return 0;
}
