#include "WindowView.h"

#include "WinApp.h"

RECT CWindowView::GetClientRect() const {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    return rc;
}

RECT CWindowView::GetWindowRect() const {
    RECT rc{};
    ::GetWindowRect(m_hWnd, &rc);
    return rc;
}

std::wstring CWindowView::GetWindowText() const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    int copied = ::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

BOOL CWindowView::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) const {
    LONG_PTR style = GetExStyle();
    LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, changed);
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

BOOL CWindowView::CreateControl(DWORD exStyle, const wchar_t* className, DWORD style, const RECT& rect,
                                HWND parent, UINT id) {
    m_hWnd = ::CreateWindowExW(
        exStyle, className, L"", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}
