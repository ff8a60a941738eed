// The Control Text row in the program's window. Asking a control of another thread for its text
// waits for that thread, and the main window must never wait on another program: the row is listed
// with a placeholder, a thread of its own asks, and the answer comes back posted to the window,
// which fills the row in unless another listing has taken the list's place meanwhile.
#include "maindlg/MainDialog.h"

#include "inspect/Listing.h"
#include "inspect/MoreRowsText.h"

#include <memory>
#include <new>
#include <system_error>
#include <thread>

namespace {

// Passes the rows on to the list and notes where the Control Text row went.
class ListedRows final : public PropertySink {
public:
    explicit ListedRows(CPropertiesView& view) : m_view(view) {}
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override {
        const int row = m_view.AddProperty(group, name, value, kind);
        if (group == GROUP_WINDOWS && name == kControlTextRow) {
            controlTextRow = row;
            waiting = value == orvex::kAnswerPending;
        }
        return row;
    }

    int controlTextRow = -1;
    bool waiting = false; // the row holds the placeholder

private:
    CPropertiesView& m_view;
};

// On a thread of its own: the answer is posted to `notify`, which takes the text over; when the
// post fails (the main window has gone) it is freed here.
void AnswerControlText(HWND window, HWND notify, UINT message, WPARAM listing) {
    try {
        auto value = std::make_unique<std::wstring>(ControlTextValue(window));
        if (::PostMessageW(notify, message, listing, reinterpret_cast<LPARAM>(value.get())))
            value.release();
    } catch (const std::bad_alloc&) {
        // No room for the text: the row keeps its placeholder rather than end the program.
    }
}

} // namespace

BOOL CMainDialog::AddListing(HWND hwnd) {
    ++m_listingNumber; // an answer still on its way belongs to an earlier listing
    ListedRows rows(m_wndProperties);
    const bool listed = AddWindowListing(rows, hwnd, m_settings.GetViewMode(),
                                         m_settings.m_bMoreProperties != 0, ControlTextRead::Later);
    m_controlTextRow = rows.controlTextRow;
    if (!listed || !rows.waiting)
        return listed ? TRUE : FALSE;
    try {
        std::thread(AnswerControlText, hwnd, m_hWnd, kControlTextAnswer, static_cast<WPARAM>(m_listingNumber))
            .detach();
    } catch (const std::system_error&) {
        // No thread to be had: asking here could hang the window with the program it asks.
        m_wndProperties.SetItemText(m_controlTextRow, 1, orvex::kNoAnswer);
    }
    return TRUE;
}

LRESULT CMainDialog::OnControlTextAnswer(WPARAM listing, LPARAM value) {
    const std::unique_ptr<std::wstring> text(reinterpret_cast<std::wstring*>(value));
    // The list may have been emptied or refilled for another window since the thread was started.
    if (static_cast<unsigned>(listing) != m_listingNumber || m_controlTextRow < 0 ||
        m_controlTextRow >= m_wndProperties.GetItemCount() ||
        m_wndProperties.GetItemText(m_controlTextRow, 0) != kControlTextRow)
        return 0;
    m_wndProperties.SetItemText(m_controlTextRow, 1, text->c_str());
    m_wndProperties.FitValueColumn();
    return 0;
}

void CMainDialog::DropControlTextAnswers() {
    MSG answer{};
    while (::PeekMessageW(&answer, m_hWnd, kControlTextAnswer, kControlTextAnswer, PM_REMOVE))
        delete reinterpret_cast<std::wstring*>(answer.lParam);
}

void CMainDialog::TakeListedControlText(std::vector<orvex::ListingRow>& rows) const {
    if (m_controlTextRow < 0 || m_controlTextRow >= m_wndProperties.GetItemCount())
        return;
    for (orvex::ListingRow& row : rows) {
        if (row.group == GROUP_WINDOWS && row.name == kControlTextRow)
            row.value = m_wndProperties.GetItemText(m_controlTextRow, 1);
    }
}
