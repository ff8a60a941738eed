#pragma once
// The application object as the benchmarks that run Orvex's own dialogs need it: the common
// controls loaded, and settings under a key of the benchmarks' own, removed again at the end.

#include "app/OrvexApp.h"

#include <commctrl.h>

class CBenchOrvexApp : public COrvexApp {
public:
    CBenchOrvexApp() {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        m_hInstance = ::GetModuleHandleW(nullptr);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        SetRegistryKey(L"OrvexBenchmarks");
        m_appName = L"Orvex";
        m_profileName = L"Orvex\\1.2";
    }
    ~CBenchOrvexApp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }

private:
    static constexpr wchar_t kKey[] = L"Software\\OrvexBenchmarks";
};
