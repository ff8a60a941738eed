#include "common/PictureFileName.h"

#include <cwchar>

namespace orvex {

std::wstring PictureFileName(std::wstring_view className, std::uint64_t handle) {
    std::wstring name;
    for (wchar_t c : className) {
        const bool refused = c < L' ' || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
        name += refused ? L'_' : c;
    }
    wchar_t digits[20];
    std::swprintf(digits, 20, handle > 0xFFFFFFFFu ? L"%016llX" : L"%08llX",
                  static_cast<unsigned long long>(handle));
    return name + L" " + digits + L".png";
}

} // namespace orvex
