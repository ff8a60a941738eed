// The hook library Orvex loads into a program whose window it logs. Its procedures run inside
// that program, on the threads that own the logged windows, so they are held to a strict standard:
// they always pass the message on and return what the next hook returns (the program sees nothing
// of Orvex), and they never wait, allocate or throw.

#include <windows.h>

extern "C" {

__declspec(dllexport) LRESULT CALLBACK OrvexCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexCallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexGetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        ::DisableThreadLibraryCalls(instance);
    return TRUE;
}
