#include "maindlg/WindowPlacementStore.h"

#include "common/DpiScale.h"
#include "framework/WinApp.h"

#include <cstring>
#include <vector>

namespace {
constexpr wchar_t kSection[] = L"Settings\\WindowPlacement";
constexpr size_t kRectBytes = 16; // four 32-bit signed integers: left, top, right, bottom
} // namespace

bool LoadWindowPlacement(RECT& rect, int& flags, int& showCmd) {
    CWinApp* app = AfxGetApp();
    std::vector<BYTE> data;
    // A value of any other size was not written by us; reading 16 bytes of it would run past it.
    if (!app->GetProfileBinary(kSection, L"MainWindowRect", data) || data.size() != kRectBytes)
        return false;
    static_assert(sizeof(RECT) == kRectBytes);
    std::memcpy(&rect, data.data(), kRectBytes);
    flags = static_cast<int>(app->GetProfileInt(kSection, L"Flags", 0));
    showCmd = static_cast<int>(app->GetProfileInt(kSection, L"ShowCmd", 1));
    return true;
}

bool LoadMessageLogRect(RECT& rect) {
    std::vector<BYTE> data;
    if (!AfxGetApp()->GetProfileBinary(kSection, L"MessageLogRect", data) || data.size() != kRectBytes)
        return false;
    std::memcpy(&rect, data.data(), kRectBytes);
    return true;
}

bool SaveMessageLogRect(const RECT& rect) {
    return AfxGetApp()->WriteProfileBinary(kSection, L"MessageLogRect", &rect, kRectBytes) != FALSE;
}

bool SaveWindowPlacement(const RECT& rect, int flags, int showCmd) {
    CWinApp* app = AfxGetApp();
    return app->WriteProfileBinary(kSection, L"MainWindowRect", &rect, kRectBytes) &&
           app->WriteProfileInt(kSection, L"Flags", flags) &&
           app->WriteProfileInt(kSection, L"ShowCmd", showCmd);
}

int LoadPlacementDpi() {
    const UINT dpi = AfxGetApp()->GetProfileInt(kSection, L"PlacementDpi", orvex::kBaseDpi);
    // Nothing below 1% or above 20 times 96 is a screen's; such a value is not ours.
    return dpi >= 1 && dpi <= 20 * orvex::kBaseDpi ? static_cast<int>(dpi) : orvex::kBaseDpi;
}

bool SavePlacementDpi(int dpi) {
    return AfxGetApp()->WriteProfileInt(kSection, L"PlacementDpi", dpi) != FALSE;
}
