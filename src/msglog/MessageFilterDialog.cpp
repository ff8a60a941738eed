#include "msglog/MessageFilterDialog.h"

#include "common/MessageNames.h"
#include "msglog/ExcludedMessageText.h"
#include "res/resource.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

namespace {

using orvex::MessageCategory;

constexpr int kCategoryCount = static_cast<int>(MessageCategory::Count);
static_assert(IDC_FILTER_OTHER - IDC_FILTER_MOUSE + 1 == kCategoryCount, "one box per category, in order");

int CategoryBox(int index) {
    return IDC_FILTER_MOUSE + index;
}

MessageCategory CategoryAt(int index) {
    return static_cast<MessageCategory>(index);
}

// The letter of each box's access key, in the order of the boxes: none is taken twice in the
// dialog, whose other labels have N, A, R and W.
constexpr wchar_t kCategoryKeys[] = L"MKlPFzTCeO";
static_assert(static_cast<int>(std::size(kCategoryKeys)) - 1 == kCategoryCount,
              "one access key per category");

// The category's name with its key's letter marked where it first stands.
std::wstring CategoryLabel(int index) {
    std::wstring label = orvex::CategoryName(CategoryAt(index));
    if (const size_t at = label.find(kCategoryKeys[index]); at != std::wstring::npos)
        label.insert(at, 1, L'&');
    return label;
}

// A choice from the drop-down list is told before the edit field shows it.
std::wstring SelectedItemText(const CWindowView& combo) {
    const auto index = static_cast<WPARAM>(combo.SendMessage(CB_GETCURSEL));
    const LRESULT length = combo.SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR)
        return combo.GetWindowText();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = combo.SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CMessageFilterDialog, CDialog)
ON_CONTROL(CBN_EDITCHANGE, IDC_FILTER_MESSAGE, OnMessageEdited)
ON_CONTROL(CBN_SELCHANGE, IDC_FILTER_MESSAGE, OnMessageChosen)
ON_CONTROL(CBN_SETFOCUS, IDC_FILTER_MESSAGE, OnMessageFocused)
ON_CONTROL(CBN_KILLFOCUS, IDC_FILTER_MESSAGE, OnMessageLeft)
ON_COMMAND(IDC_FILTER_ADD, OnAdd)
ON_COMMAND(IDC_FILTER_REMOVE, OnRemove)
ON_CONTROL(LBN_SELCHANGE, IDC_FILTER_EXCLUDED, OnExcludedSelected)
ON_COMMAND(IDC_FILTER_SHOW_ALL, OnShowAll)
ON_COMMAND_RANGE(IDC_FILTER_HIDE, IDC_FILTER_SHOW_ONLY, OnModeChosen)
END_MESSAGE_MAP()

CMessageFilterDialog::CMessageFilterDialog(CWnd* parent, orvex::MessageFilter filter)
    : CDialog(IDD_MESSAGE_FILTER, parent), m_filter(std::move(filter)), m_excluded(m_filter.excluded),
      m_mode(m_filter.mode) {}

BOOL CMessageFilterDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    m_wndMessage = CWindowView(GetDlgItem(IDC_FILTER_MESSAGE));
    m_wndExcluded = CWindowView(GetDlgItem(IDC_FILTER_EXCLUDED));
    for (int index = 0; index < kCategoryCount; ++index)
        ::SetDlgItemTextW(m_hWnd, CategoryBox(index), CategoryLabel(index).c_str());
    ShowCategories(m_filter.shownCategories);
    ShowMode(m_filter.mode);
    for (std::wstring_view name : orvex::WindowMessageNames()) {
        const std::wstring item(name);
        m_wndMessage.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    FillExcludedList();
    UpdateButtons(L"");
    return TRUE;
}

void CMessageFilterDialog::OnOK() {
    m_filter.shownCategories = CheckedCategories();
    m_filter.excluded = m_excluded;
    m_filter.mode = m_mode;
    CDialog::OnOK();
}

std::optional<std::uint32_t> CMessageFilterDialog::AddableMessage(const std::wstring& text) const {
    const std::optional<std::uint32_t> message = orvex::ReadExcludedMessage(text);
    if (!message || m_excluded.size() >= orvex::kMaxExcludedMessages ||
        std::find(m_excluded.begin(), m_excluded.end(), *message) != m_excluded.end())
        return std::nullopt;
    return message;
}

void CMessageFilterDialog::ShowCategories(std::uint32_t shown) {
    for (int index = 0; index < kCategoryCount; ++index) {
        const bool checked = (shown & orvex::CategoryBit(CategoryAt(index))) != 0;
        ::CheckDlgButton(m_hWnd, CategoryBox(index), checked ? BST_CHECKED : BST_UNCHECKED);
    }
}

std::uint32_t CMessageFilterDialog::CheckedCategories() const {
    std::uint32_t checked = 0;
    for (int index = 0; index < kCategoryCount; ++index) {
        if (::IsDlgButtonChecked(m_hWnd, CategoryBox(index)) == BST_CHECKED)
            checked |= orvex::CategoryBit(CategoryAt(index));
    }
    return checked;
}

void CMessageFilterDialog::ShowMode(orvex::FilterMode mode) {
    m_mode = mode;
    const bool showOnly = mode == orvex::FilterMode::ShowOnly;
    const int checked = showOnly ? IDC_FILTER_SHOW_ONLY : IDC_FILTER_HIDE;
    ::CheckRadioButton(m_hWnd, IDC_FILTER_HIDE, IDC_FILTER_SHOW_ONLY, checked);
    // Tab enters the pair at the checked button: a radio button that takes the focus from the
    // keyboard while unchecked checks itself, and would switch the mode on the way through.
    for (const int id : {IDC_FILTER_HIDE, IDC_FILTER_SHOW_ONLY}) {
        HWND button = ::GetDlgItem(m_hWnd, id);
        const LONG_PTR style = ::GetWindowLongPtrW(button, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP);
        ::SetWindowLongPtrW(button, GWL_STYLE, id == checked ? style | WS_TABSTOP : style);
    }
    ::SetDlgItemTextW(m_hWnd, IDC_FILTER_MESSAGES_GROUP,
                      showOnly ? L"Single messages shown" : L"Single messages left out");
}

void CMessageFilterDialog::FillExcludedList() {
    m_wndExcluded.SendMessage(LB_RESETCONTENT);
    for (std::uint32_t message : m_excluded) {
        const std::wstring label = orvex::ExcludedMessageLabel(message);
        m_wndExcluded.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
}

void CMessageFilterDialog::UpdateButtons(const std::wstring& messageText) {
    CWindowView(GetDlgItem(IDC_FILTER_ADD)).EnableWindow(AddableMessage(messageText).has_value());
    CWindowView(GetDlgItem(IDC_FILTER_REMOVE))
        .EnableWindow(m_wndExcluded.SendMessage(LB_GETCURSEL) != LB_ERR);
}

void CMessageFilterDialog::OnMessageEdited() {
    UpdateButtons(m_wndMessage.GetWindowText());
}

void CMessageFilterDialog::OnMessageChosen() {
    UpdateButtons(SelectedItemText(m_wndMessage));
}

// Enter in the message field adds the message rather than closing the dialog.
void CMessageFilterDialog::OnMessageFocused() {
    SendMessage(DM_SETDEFID, IDC_FILTER_ADD);
}

void CMessageFilterDialog::OnMessageLeft() {
    SendMessage(DM_SETDEFID, IDOK);
}

void CMessageFilterDialog::OnAdd() {
    const std::optional<std::uint32_t> message = AddableMessage(m_wndMessage.GetWindowText());
    if (!message) {
        ::MessageBeep(MB_ICONWARNING);
        return;
    }
    m_excluded.push_back(*message);
    FillExcludedList();
    m_wndMessage.SetWindowText(L"");
    // The Add button is disabled now; the focus must not stay on it.
    m_wndMessage.SetFocus();
    UpdateButtons(L"");
}

void CMessageFilterDialog::OnRemove() {
    const LRESULT selected = m_wndExcluded.SendMessage(LB_GETCURSEL);
    if (selected == LB_ERR || static_cast<size_t>(selected) >= m_excluded.size())
        return;
    m_excluded.erase(m_excluded.begin() + selected);
    FillExcludedList();
    // The next line takes the removed one's place, so several go with repeated presses.
    if (!m_excluded.empty()) {
        const auto next = std::min(static_cast<size_t>(selected), m_excluded.size() - 1);
        m_wndExcluded.SendMessage(LB_SETCURSEL, next);
    } else {
        m_wndMessage.SetFocus();
    }
    UpdateButtons(m_wndMessage.GetWindowText());
}

void CMessageFilterDialog::OnExcludedSelected() {
    UpdateButtons(m_wndMessage.GetWindowText());
}

void CMessageFilterDialog::OnShowAll() {
    const orvex::MessageFilter defaults;
    ShowMode(defaults.mode);
    ShowCategories(defaults.shownCategories);
    m_excluded = defaults.excluded;
    FillExcludedList();
    UpdateButtons(m_wndMessage.GetWindowText());
}

// The boxes turn over where they would make the new mode pointless: Show only with every box checked
// would show every message, Hide with none checked would show none. Any other choice of boxes stays.
void CMessageFilterDialog::OnModeChosen(UINT id) {
    const auto mode = id == IDC_FILTER_SHOW_ONLY ? orvex::FilterMode::ShowOnly : orvex::FilterMode::Hide;
    if (mode == m_mode)
        return;
    const std::uint32_t checked = CheckedCategories();
    if (mode == orvex::FilterMode::ShowOnly && checked == orvex::kAllCategories)
        ShowCategories(0);
    else if (mode == orvex::FilterMode::Hide && checked == 0)
        ShowCategories(orvex::kAllCategories);
    ShowMode(mode);
}
