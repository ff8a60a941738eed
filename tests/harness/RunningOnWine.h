#pragma once
// Whether the tests run under Wine, for the few values Wine gives differently from Windows (see
// the Wine gaps in the design notes): a test then asserts what Orvex shows for Wine's answer.

#include <windows.h>

namespace harness {

inline bool RunningOnWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace harness
