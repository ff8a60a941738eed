// Moving between windows from the main window: the property list's Go to items, a double-clicked
// row naming a window, Back and Forward (Alt+Left and Alt+Right) over the finished picks, and the
// choice of the further groups in the Detail listing; and the listing copied whole as JSON.
#include "maindlg/MainDialog.h"

#include "common/ClipboardText.h"
#include "inspect/ListingCapture.h"
#include "res/resource.h"

namespace {

HWND RelatedWindow(HWND hwnd, UINT command) {
    if (!hwnd || !::IsWindow(hwnd))
        return nullptr;
    switch (command) {
    case ID_PROPERTY_GO_PARENT:
        return ::GetAncestor(hwnd, GA_PARENT); // a top-level window's is the desktop window
    case ID_PROPERTY_GO_OWNER:
        return ::GetWindow(hwnd, GW_OWNER);
    case ID_PROPERTY_GO_FIRST_CHILD:
        return ::GetWindow(hwnd, GW_CHILD);
    case ID_PROPERTY_GO_PREVIOUS:
        return ::GetWindow(hwnd, GW_HWNDPREV);
    case ID_PROPERTY_GO_NEXT:
        return ::GetWindow(hwnd, GW_HWNDNEXT);
    default:
        return nullptr;
    }
}

bool WindowExists(std::uint64_t window) {
    return ::IsWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(window))) != FALSE;
}

void Enable(HMENU menu, UINT command, bool enabled) {
    ::EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

LRESULT CMainDialog::OnPreparePropertyMenu(NMPROPERTYMENU* prepare) {
    for (UINT command = ID_PROPERTY_GO_PARENT; command <= ID_PROPERTY_GO_NEXT; ++command)
        Enable(prepare->menu, command, RelatedWindow(m_hSelectedWnd, command) != nullptr);
    Enable(prepare->menu, ID_PROPERTY_BACK, m_history.CanGoBack());
    Enable(prepare->menu, ID_PROPERTY_FORWARD, m_history.CanGoForward());
    ::CheckMenuItem(prepare->menu, ID_PROPERTY_MORE,
                    MF_BYCOMMAND | (m_settings.m_bMoreProperties ? MF_CHECKED : MF_UNCHECKED));
    Enable(prepare->menu, ID_PROPERTY_COPY_JSON, m_hSelectedWnd && ::IsWindow(m_hSelectedWnd));
    for (UINT command : {ID_PROPERTY_CHANGE_WINDOW, ID_PROPERTY_COPY_TARGET, ID_PROPERTY_COPY_PICTURE,
                         ID_PROPERTY_SAVE_PICTURE})
        Enable(prepare->menu, command, m_hSelectedWnd && ::IsWindow(m_hSelectedWnd));
    return 0;
}

void CMainDialog::OnGoToRelated(UINT id) {
    if (HWND related = RelatedWindow(m_hSelectedWnd, id))
        SelectWindow(related, Selection::Finished);
}

LRESULT CMainDialog::OnGoToWindow(NMPROPERTYWINDOW* go) {
    if (go->window && ::IsWindow(go->window))
        SelectWindow(go->window, Selection::Finished);
    return 0;
}

void CMainDialog::ShowStep(std::optional<std::uint64_t> window) {
    if (!window)
        return;
    ShowWindowProperties(reinterpret_cast<HWND>(static_cast<UINT_PTR>(*window)));
    FinishPick(false);
}

void CMainDialog::OnBack() {
    ShowStep(m_history.Back(WindowExists));
}

void CMainDialog::OnForward() {
    ShowStep(m_history.Forward(WindowExists));
}

void CMainDialog::OnToggleMoreProperties() {
    m_settings.m_bMoreProperties = m_settings.m_bMoreProperties ? 0 : 1;
    if (m_hSelectedWnd)
        ShowWindowProperties(m_hSelectedWnd);
}

void CMainDialog::OnCopyAllAsJson() {
    // The listing as the list shows it: its view mode and its further groups, the control's text
    // as answered so far (asking again here would wait). In the Detail view that is what
    // "orvex --list --json" writes, with --more for the further groups.
    std::vector<orvex::ListingRow> rows;
    if (!CaptureWindowListing(m_hSelectedWnd, m_settings.GetViewMode(), m_listedMoreProperties, rows,
                              ControlTextRead::Later))
        return;
    TakeListedControlText(rows);
    const std::string json = orvex::ListingJson(reinterpret_cast<UINT_PTR>(m_hSelectedWnd), rows);
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, json.data(), static_cast<int>(json.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, json.data(), static_cast<int>(json.size()), text.data(), length);
    PutTextOnClipboard(m_hWnd, text);
}
