#include "maindlg/MessageLogFilterStore.h"

#include "framework/WinApp.h"

#include <vector>

namespace {
constexpr wchar_t kSection[] = L"Settings";
constexpr wchar_t kValue[] = L"MessageLogFilter";
} // namespace

orvex::MessageFilter LoadMessageLogFilter() {
    std::vector<BYTE> data;
    if (!AfxGetApp()->GetProfileBinary(kSection, kValue, data))
        return {};
    return orvex::LoadMessageFilter(std::as_bytes(std::span(data))).value_or(orvex::MessageFilter{});
}

bool SaveMessageLogFilter(const orvex::MessageFilter& filter) {
    const std::vector<std::byte> stored = orvex::StoreMessageFilter(filter);
    return AfxGetApp()->WriteProfileBinary(kSection, kValue, stored.data(),
                                           static_cast<UINT>(stored.size())) != FALSE;
}
