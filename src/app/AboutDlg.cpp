#include "app/AboutDlg.h"

#include "app/BannerBitmap.h"
#include "app/CentreOnOwner.h"
#include "app/ProductTexts.h"
#include "app/TermOfUseDialog.h"
#include "res/resource.h"

#include <commctrl.h>
#include <shellapi.h>

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
ON_WM_DRAWITEM()
// A link followed from the keyboard (Enter or Space) says NM_RETURN instead of NM_CLICK.
ON_NOTIFY(NM_CLICK, IDC_ABOUT_LICENCE, OnLicenceClick)
ON_NOTIFY(NM_RETURN, IDC_ABOUT_LICENCE, OnLicenceClick)
ON_NOTIFY(NM_CLICK, IDC_ABOUT_EMAIL, OnMailClick)
ON_NOTIFY(NM_RETURN, IDC_ABOUT_EMAIL, OnMailClick)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CentreOnOwner(m_hWnd);
    SetWindowText(orvex::kAboutCaption);
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_TITLE, orvex::kProductTitle);
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_VERSION, orvex::kVersionLine);
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_RIGHTS, orvex::kRightsNotice);
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_LICENCE, orvex::kLicenceLink);
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_EMAIL, orvex::kMailLink);
    m_bitmapBanner = CreateBannerBitmap();
    return TRUE;
}

// The banner is the only owner-drawn control of the box.
void CAboutDlg::OnDrawItem(int, DRAWITEMSTRUCT* item) {
    const RECT& area = item->rcItem;
    ::FillRect(item->hDC, &area, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    BITMAP banner{};
    if (!m_bitmapBanner || !::GetObjectW(m_bitmapBanner.get(), sizeof(banner), &banner))
        return;
    fw::UniqueMemoryDC memory(::CreateCompatibleDC(item->hDC));
    if (!memory)
        return;
    fw::SelectedObject selected(memory.get(), m_bitmapBanner.get());
    // Unscaled and centred: a frame larger than the picture shows black on every side.
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int x = area.left + width / 2 - banner.bmWidth / 2;
    const int y = area.top + height / 2 - banner.bmHeight / 2;
    ::BitBlt(item->hDC, x, y, banner.bmWidth, banner.bmHeight, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CAboutDlg::OnLicenceClick(NMLINK*) {
    CTermOfUseDialog terms(this);
    terms.DoModal();
    return 0;
}

// The address goes to whatever program the system has for "mailto:"; naming one particular program
// would fail without a word on every system that lacks it.
LRESULT CAboutDlg::OnMailClick(NMLINK*) {
    ::ShellExecuteW(nullptr, L"open", orvex::kMailTarget, nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
}
