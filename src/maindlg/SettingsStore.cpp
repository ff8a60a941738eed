#include "maindlg/SettingsStore.h"

#include "common/DpiScale.h"
#include "framework/WinApp.h"

#include <cstring>
#include <vector>

namespace {

constexpr wchar_t kSettingsSection[] = L"Settings";
constexpr wchar_t kKeepAlwaysOnTopValue[] = L"KeepAlwaysOnTop";
constexpr wchar_t kHideOnSeekingValue[] = L"HideOnSeeking";
constexpr wchar_t kHotKeyValue[] = L"HotKey";
constexpr wchar_t kViewModeValue[] = L"ViewMode";
constexpr wchar_t kMorePropertiesValue[] = L"MoreProperties";
constexpr wchar_t kMessageLogFilterValue[] = L"MessageLogFilter";

constexpr wchar_t kPlacementSection[] = L"Settings\\WindowPlacement";
constexpr wchar_t kMainWindowRectValue[] = L"MainWindowRect";
constexpr wchar_t kFlagsValue[] = L"Flags";
constexpr wchar_t kShowCmdValue[] = L"ShowCmd";
constexpr wchar_t kMessageLogRectValue[] = L"MessageLogRect";
constexpr wchar_t kPlacementDpiValue[] = L"PlacementDpi";

constexpr size_t kRectBytes = 16; // four 32-bit signed integers: left, top, right, bottom
static_assert(sizeof(RECT) == kRectBytes);

int ReadInt(const wchar_t* section, const wchar_t* value, int fallback) {
    return static_cast<int>(AfxGetApp()->GetProfileInt(section, value, fallback));
}

// A value of any other size was not written by us; reading 16 bytes of it would run past it.
std::optional<RECT> ReadRect(const wchar_t* value) {
    std::vector<BYTE> data;
    if (!AfxGetApp()->GetProfileBinary(kPlacementSection, value, data) || data.size() != kRectBytes)
        return std::nullopt;
    RECT rect{};
    std::memcpy(&rect, data.data(), kRectBytes);
    return rect;
}

bool WriteRect(const wchar_t* value, const RECT& rect) {
    return AfxGetApp()->WriteProfileBinary(kPlacementSection, value, &rect, kRectBytes) != FALSE;
}

} // namespace

orvex::Settings LoadSettings() {
    orvex::Settings settings;
    settings.m_bKeepAlwaysOnTop = ReadInt(kSettingsSection, kKeepAlwaysOnTopValue, 0);
    settings.m_bHideOnSeeking = ReadInt(kSettingsSection, kHideOnSeekingValue, 0);
    settings.m_nHotKey = ReadInt(kSettingsSection, kHotKeyValue, 120);
    settings.m_nViewMode = ReadInt(kSettingsSection, kViewModeValue, 1);
    settings.m_bMoreProperties = ReadInt(kSettingsSection, kMorePropertiesValue, 0) != 0 ? 1 : 0;
    return settings;
}

void SaveSettings(const orvex::Settings& settings) {
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(kSettingsSection, kKeepAlwaysOnTopValue, settings.m_bKeepAlwaysOnTop);
    app->WriteProfileInt(kSettingsSection, kHideOnSeekingValue, settings.m_bHideOnSeeking);
    app->WriteProfileInt(kSettingsSection, kHotKeyValue, settings.m_nHotKey);
    app->WriteProfileInt(kSettingsSection, kViewModeValue, settings.m_nViewMode);
    app->WriteProfileInt(kSettingsSection, kMorePropertiesValue, settings.m_bMoreProperties);
}

std::optional<StoredWindowPlacement> LoadWindowPlacement() {
    const std::optional<RECT> rect = ReadRect(kMainWindowRectValue);
    if (!rect)
        return std::nullopt;
    return StoredWindowPlacement{*rect, ReadInt(kPlacementSection, kFlagsValue, 0),
                                 ReadInt(kPlacementSection, kShowCmdValue, SW_SHOWNORMAL)};
}

bool SaveWindowPlacement(const StoredWindowPlacement& placement) {
    CWinApp* app = AfxGetApp();
    return WriteRect(kMainWindowRectValue, placement.rect) &&
           app->WriteProfileInt(kPlacementSection, kFlagsValue, placement.flags) &&
           app->WriteProfileInt(kPlacementSection, kShowCmdValue, placement.showCmd);
}

std::optional<RECT> LoadMessageLogRect() {
    return ReadRect(kMessageLogRectValue);
}

bool SaveMessageLogRect(const RECT& rect) {
    return WriteRect(kMessageLogRectValue, rect);
}

int LoadPlacementDpi() {
    const UINT dpi = AfxGetApp()->GetProfileInt(kPlacementSection, kPlacementDpiValue, orvex::kBaseDpi);
    // Nothing below 1% or above 20 times 96 is a screen's; such a value is not ours.
    return dpi >= 1 && dpi <= 20 * orvex::kBaseDpi ? static_cast<int>(dpi) : orvex::kBaseDpi;
}

bool SavePlacementDpi(int dpi) {
    return AfxGetApp()->WriteProfileInt(kPlacementSection, kPlacementDpiValue, dpi) != FALSE;
}

orvex::MessageFilter LoadMessageLogFilter() {
    std::vector<BYTE> data;
    if (!AfxGetApp()->GetProfileBinary(kSettingsSection, kMessageLogFilterValue, data))
        return {};
    return orvex::LoadMessageFilter(std::as_bytes(std::span(data))).value_or(orvex::MessageFilter{});
}

bool SaveMessageLogFilter(const orvex::MessageFilter& filter) {
    const std::vector<std::byte> stored = orvex::StoreMessageFilter(filter);
    return AfxGetApp()->WriteProfileBinary(kSettingsSection, kMessageLogFilterValue, stored.data(),
                                           static_cast<UINT>(stored.size())) != FALSE;
}
