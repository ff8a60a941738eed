// The floor of start-up: a bare Win32 program that shows one empty dialog and waits.
#include <windows.h>

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
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, BareProc, 0));
}
