#include "Resources.h"

#include "WinApp.h"
#include "Wnd.h"

bool TryLoadStringResource(UINT id, std::wstring& text) {
    const wchar_t* resource = nullptr;
    // With a zero buffer size the call hands out a pointer into the read-only resource itself.
    int length = ::LoadStringW(AfxGetResourceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || !resource)
        return false;
    text.assign(resource, static_cast<size_t>(length));
    return true;
}

std::wstring LoadStringResource(UINT id) {
    std::wstring text;
    TryLoadStringResource(id, text);
    return text;
}

int AfxMessageBox(UINT id, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd* mainWnd = AfxGetMainWnd();
    HWND owner = mainWnd && ::IsWindow(mainWnd->m_hWnd) ? mainWnd->m_hWnd : ::GetActiveWindow();
    // A box asked for by one of the main window's tool windows belongs to that window: it is
    // disabled while the box is up and active again afterwards.
    if (owner)
        owner = ::GetLastActivePopup(owner);
    std::wstring caption = app ? app->m_appName : std::wstring();
    return ::MessageBoxW(owner, LoadStringResource(id).c_str(), caption.c_str(), type);
}
