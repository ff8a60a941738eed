// The floor of start-up: a bare Win32 program that shows one empty dialog and waits. Built twice:
// plain, and with the common controls loaded as every program with a list view or a toolbar must.
#include <windows.h>
#ifdef ORVEX_BARE_WITH_COMMON_CONTROLS
#include <commctrl.h>
#endif

INT_PTR CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        ::EndDialog(hwnd, 0);
        return TRUE;
    }
    if (message == WM_CLOSE) {
        ::EndDialog(hwnd, 0);
        return TRUE;
    }
    return FALSE;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef ORVEX_BARE_WITH_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
#endif
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, BareProc, 0));
}
