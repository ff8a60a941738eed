// The main window at its monitor's DPI: the pictures, the finder tool, the list and the minimum
// size follow it, and a move to a monitor of another scaling lays the window out again.

#include "maindlg/MainDialog.h"

#include "common/DpiScale.h"
#include "common/WindowDpi.h"
#include "res/resource.h"

namespace {

constexpr int kToolBarPicture = 32;

} // namespace

int CMainDialog::Scaled(int pixels) const {
    return orvex::ScaleForDpi(pixels, m_dpi);
}

void CMainDialog::SetToolBarPictures() {
    // Each toolbar is given its pictures as it is made, before its buttons, which take their size.
    // The toolbars never free a picture list; the old ones go once they hold the new ones.
    if (m_wndViewToolBar.m_hWnd) {
        fw::UniqueImageList pictures = LoadPicturesForDpi(IDB_VIEW_TOOLBAR, kToolBarPicture, m_dpi, CLR_NONE);
        m_wndViewToolBar.SetImageList(pictures.get());
        m_viewPictures = std::move(pictures);
    }
    if (m_wndWindowToolBar.m_hWnd) {
        fw::UniqueImageList pictures =
            LoadPicturesForDpi(IDB_WINDOW_TOOLBAR, kToolBarPicture, m_dpi, CLR_NONE);
        m_wndWindowToolBar.SetImageList(pictures.get());
        m_windowPictures = std::move(pictures);
    }
    // The About button has no picture, only a label as tall as its neighbours' pictures.
    if (m_wndAboutToolBar.m_hWnd) {
        int width = 0, height = orvex::ArtPixelsForDpi(kToolBarPicture, m_dpi);
        if (m_windowPictures)
            ::ImageList_GetIconSize(m_windowPictures.get(), &width, &height);
        m_wndAboutToolBar.SetBitmapSize(0, height);
    }
}

void CMainDialog::OnDpiChanged(int dpi, const RECT& suggested) {
    if (dpi <= 0)
        return;
    // Texts keep their size in points: the font is made again at the new DPI, for every part.
    RescaleFont(m_font,
                {m_hWnd, m_wndViewToolBar.m_hWnd, m_wndReBar.m_hWnd, m_wndProperties.m_hWnd,
                 m_wndWindowToolBar.m_hWnd, m_wndAboutToolBar.m_hWnd},
                m_dpi, dpi);
    m_dpi = dpi;
    SetToolBarPictures();
    for (const CToolBarCtrl* toolBar : {&m_wndViewToolBar, &m_wndWindowToolBar, &m_wndAboutToolBar})
        toolBar->SendMessage(TB_AUTOSIZE);
    m_wndFinderTool.SetDpi(m_dpi);
    m_wndProperties.SetDpi(m_dpi);
    REBARBANDINFOW view{}, finder{};
    BandSizes(view, finder);
    m_wndReBar.SetBandInfo(0, view);
    m_wndReBar.SetBandInfo(1, finder);
    MoveToSuggestedRect(m_hWnd, suggested);
    Invalidate();
}
