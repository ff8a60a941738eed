#include "sendmsg/SendMessageDialog.h"

#include "common/NumberSyntax.h"
#include "common/ScreenHelpers.h"
#include "common/TypedMessageNumber.h"
#include "framework/Resources.h"
#include "res/resource.h"
#include "sendmsg/MessageSend.h"
#include "sendmsg/ResultFormat.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <unordered_map>

namespace {

constexpr wchar_t kInvalidWindowText[] = L"<Invalid window handle>";
constexpr wchar_t kFailedToSendText[] = L"<Failed to send>";

// The open dialogs by token. Completions are delivered on the thread that sent, which is the
// thread of the dialogs, so the table needs no lock. Tokens are never reused: a late reply for a
// closed dialog finds nothing, even when a new dialog has taken the old one's memory.
struct ReplyTokens {
    std::unordered_map<ULONG_PTR, CSendMessageDialog*> open;
    ULONG_PTR next = 1; // 0 is the "no dialog" data word
};

ReplyTokens& Tokens() {
    thread_local ReplyTokens tokens;
    return tokens;
}

ULONG_PTR IssueToken(CSendMessageDialog* dialog) {
    ReplyTokens& tokens = Tokens();
    const ULONG_PTR token = tokens.next++;
    tokens.open.emplace(token, dialog);
    return token;
}

CSendMessageDialog* FindByToken(ULONG_PTR token) {
    const ReplyTokens& tokens = Tokens();
    auto it = tokens.open.find(token);
    return it == tokens.open.end() ? nullptr : it->second;
}

void RevokeToken(ULONG_PTR token) {
    Tokens().open.erase(token);
}

} // namespace

BEGIN_MESSAGE_MAP(CSendMessageDialog, CModelessDialog)
ON_WM_TIMER()
ON_COMMAND(IDC_SENDMSG_SEND, OnSend)
ON_COMMAND(IDC_SENDMSG_WATCH, OnWatchCursor)
ON_COMMAND(IDC_SENDMSG_HIDE_MAIN, OnHideMainWindow)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CSendMessageDialog::CSendMessageDialog(ToolWindowOwner& owner)
    : CModelessDialog(IDD_SEND_MESSAGE), m_owner(owner), m_token(IssueToken(this)) {}

CSendMessageDialog::~CSendMessageDialog() {
    RevokeToken(m_token);
}

BOOL CSendMessageDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ::SetDlgItemTextW(m_hWnd, IDC_SENDMSG_WPARAM, L"0");
    ::SetDlgItemTextW(m_hWnd, IDC_SENDMSG_LPARAM, L"0");
    return TRUE; // the focus goes to the first tab stop, the message identifier
}

void CSendMessageDialog::OnDestroy() {
    if (m_bWatching)
        KillTimer(kRepeatTimer);
    // Replies still on their way are dropped from now on.
    RevokeToken(m_token);
    // Whatever the hide box said, closing brings the main windows back.
    m_owner.ShowOwnerWindows(m_hWnd, true);
    Default();
}

bool CSendMessageDialog::ReadField(int id, UINT& value) {
    const std::wstring text = CWindowView(GetDlgItem(id)).GetWindowText();
    std::optional<UINT> parsed;
    if (id == IDC_SENDMSG_MESSAGE) {
        if (const std::optional<orvex::TypedMessage> typed = orvex::ReadTypedMessage(text))
            parsed = TypedMessageNumber(*typed);
    } else if (std::uint32_t number = 0; orvex::ParseNumber(text, number)) {
        parsed = number;
    }
    if (!parsed) {
        AfxMessageBox(IDS_INVALID_NUMBER, MB_OK);
        ::SetFocus(GetDlgItem(id));
        return false;
    }
    value = *parsed;
    return true;
}

void CSendMessageDialog::OnSend() {
    // Each field is stored as soon as it reads, so an error in a later field keeps the earlier ones.
    // The message may also be named; wParam and lParam are numbers only.
    UINT value = 0;
    if (!ReadField(IDC_SENDMSG_MESSAGE, value))
        return;
    m_uMsg = value;
    if (!ReadField(IDC_SENDMSG_WPARAM, value))
        return;
    m_wParam = static_cast<WPARAM>(TypedParameter(value));
    if (!ReadField(IDC_SENDMSG_LPARAM, value))
        return;
    m_lParam = TypedParameter(value);
    m_bMessageStored = true;
    SendToTarget();
}

void CSendMessageDialog::SendToTarget() {
    // Only the Unsigned box takes the error texts; Signed keeps what it showed.
    switch (SendForReply(m_hwndTarget, m_uMsg, m_wParam, m_lParam, &SendResultCallback, m_token)) {
    case SendStart::NoWindow:
        ::SetDlgItemTextW(m_hWnd, IDC_SENDMSG_UNSIGNED, kInvalidWindowText);
        break;
    case SendStart::Refused:
        ::SetDlgItemTextW(m_hWnd, IDC_SENDMSG_UNSIGNED, kFailedToSendText);
        break;
    case SendStart::Sent:
        break;
    }
}

void CALLBACK CSendMessageDialog::SendResultCallback(HWND, UINT, ULONG_PTR token, LRESULT result) {
    if (token == 0)
        return;
    CSendMessageDialog* dialog = FindByToken(token);
    if (!dialog || !dialog->m_hWnd)
        return;
    // Called from inside the window system: nothing may escape from here.
    try {
        ::SetDlgItemTextW(dialog->m_hWnd, IDC_SENDMSG_SIGNED, orvex::FormatSignedResult(result).c_str());
        ::SetDlgItemTextW(dialog->m_hWnd, IDC_SENDMSG_UNSIGNED,
                          orvex::FormatUnsignedResult(static_cast<ULONG_PTR>(result)).c_str());
    } catch (...) {
    }
}

void CSendMessageDialog::OnWatchCursor() {
    m_bWatching = ::IsDlgButtonChecked(m_hWnd, IDC_SENDMSG_WATCH) == BST_CHECKED;
    for (int id : {IDC_SENDMSG_MESSAGE, IDC_SENDMSG_WPARAM, IDC_SENDMSG_LPARAM, IDC_SENDMSG_SEND})
        ::EnableWindow(GetDlgItem(id), !m_bWatching);
    // The first send comes with the first tick, not at once.
    if (m_bWatching)
        SetTimer(kRepeatTimer, kRepeatPeriodMs);
    else
        KillTimer(kRepeatTimer);
}

void CSendMessageDialog::OnTimer(UINT_PTR id) {
    if (id != kRepeatTimer) {
        Default();
        return;
    }
    // With the main window hidden the target stays put; otherwise the window under the pointer,
    // whoever owns it (Orvex's own windows included), becomes the target and is listed.
    POINT cursor{};
    if (!m_bHideMainWindow && ::GetCursorPos(&cursor)) {
        m_hwndTarget = DeepWindowFromPoint(cursor.x, cursor.y);
        m_owner.SelectWindow(m_hwndTarget, Selection::Step);
    }
    if (m_bMessageStored)
        SendToTarget();
}

void CSendMessageDialog::OnHideMainWindow() {
    m_bHideMainWindow = static_cast<BOOL>(::IsDlgButtonChecked(m_hWnd, IDC_SENDMSG_HIDE_MAIN));
    m_owner.ShowOwnerWindows(m_hWnd, !m_bHideMainWindow);
    ::SetForegroundWindow(m_hWnd);
}
