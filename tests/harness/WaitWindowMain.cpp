// orvex_wait_window CAPTION [TIMEOUT_MS]: ends with 0 as soon as a visible top-level window with
// that caption exists, with 1 when the time is up. Lets the scripts wait for Orvex's main window.
#include <windows.h>

#include <cwchar>
#include <cwctype>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    const DWORD timeoutMs = argc > 2 ? static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) : 30000;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    do {
        HWND hwnd = ::FindWindowW(nullptr, argv[1]);
        if (hwnd && ::IsWindowVisible(hwnd))
            return 0;
        ::Sleep(50);
    } while (::GetTickCount64() < deadline);
    return 1;
}
