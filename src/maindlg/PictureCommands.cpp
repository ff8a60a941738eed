// The property list's "Copy Target", "Copy Picture" and "Save Picture…": the listed window named
// as --name names it, and pictured as --capture pictures it.
#include "maindlg/MainDialog.h"

#include "common/ClipboardText.h"
#include "common/PictureFileName.h"
#include "common/PngFile.h"
#include "common/SaveFileDialog.h"
#include "common/SystemMessage.h"
#include "common/WindowPicture.h"
#include "find/WindowNaming.h"
#include "framework/Handles.h"
#include "inspect/WindowFacts.h"

#include <optional>

namespace {

void Warn(HWND owner, const std::wstring& text) {
    ::MessageBoxW(owner, text.c_str(), L"Orvex", MB_OK | MB_ICONWARNING);
}

std::optional<WindowPicture> ListedPicture(HWND owner, HWND listed) {
    auto picture = CaptureWindowPicture(listed, false);
    if (!picture)
        Warn(owner, L"The window has no picture: it is gone, or of no size.");
    return picture;
}

} // namespace

void CMainDialog::OnCopyTarget() {
    if (m_hSelectedWnd && ::IsWindow(m_hSelectedWnd))
        PutTextOnClipboard(m_hWnd, WindowTargetName(m_hSelectedWnd));
}

void CMainDialog::OnCopyPicture() {
    if (!m_hSelectedWnd || !::IsWindow(m_hSelectedWnd))
        return;
    const auto picture = ListedPicture(m_hWnd, m_hSelectedWnd);
    if (!picture)
        return;
    fw::UniqueGlobal dib(PictureAsDib(*picture));
    fw::OpenClipboard clipboard(m_hWnd);
    if (!dib || !clipboard || !::EmptyClipboard())
        return;
    if (::SetClipboardData(CF_DIB, dib.get()))
        static_cast<void>(dib.release()); // the clipboard owns it now
}

void CMainDialog::OnSavePicture() {
    if (!m_hSelectedWnd || !::IsWindow(m_hSelectedWnd))
        return;
    HWND listed = m_hSelectedWnd;
    // Taken before the dialog opens: the dialog itself would otherwise cover the window.
    const auto picture = ListedPicture(m_hWnd, listed);
    if (!picture)
        return;
    const auto path = AskSaveFileName(
        m_hWnd, {L"Save Picture", L"PNG Pictures (*.png)", L"png",
                 orvex::PictureFileName(WindowClassName(listed), reinterpret_cast<UINT_PTR>(listed))});
    if (!path)
        return;
    std::wstring reason;
    if (!WritePngFile(*path, *picture, reason))
        Warn(m_hWnd, L"The picture could not be written to\n" + *path + L"\n\n" + reason);
}
