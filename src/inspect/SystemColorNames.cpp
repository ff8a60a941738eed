#include "inspect/SystemColorNames.h"

#include <iterator>

namespace orvex {

namespace {

// By colour index. Where the platform has two names for one index, the older one is shown.
constexpr std::wstring_view kSystemColors[] = {
    L"COLOR_SCROLLBAR",
    L"COLOR_DESKTOP",
    L"COLOR_ACTIVECAPTION",
    L"COLOR_INACTIVECAPTION",
    L"COLOR_MENU",
    L"COLOR_WINDOW",
    L"COLOR_WINDOWFRAME",
    L"COLOR_MENUTEXT",
    L"COLOR_WINDOWTEXT",
    L"COLOR_CAPTIONTEXT",
    L"COLOR_ACTIVEBORDER",
    L"COLOR_INACTIVEBORDER",
    L"COLOR_APPWORKSPACE",
    L"COLOR_HIGHLIGHT",
    L"COLOR_HIGHLIGHTTEXT",
    L"COLOR_3DFACE",
    L"COLOR_3DSHADOW",
    L"COLOR_GRAYTEXT",
    L"COLOR_BTNTEXT",
    L"COLOR_INACTIVECAPTIONTEXT",
    L"COLOR_3DHIGHLIGHT",
    L"COLOR_3DDKSHADOW",
    L"COLOR_3DLIGHT",
    L"COLOR_INFOTEXT",
    L"COLOR_INFOBK",
    L"", // index 25 was never given a colour
    L"COLOR_HOTLIGHT",
    L"COLOR_GRADIENTACTIVECAPTION",
    L"COLOR_GRADIENTINACTIVECAPTION",
    L"COLOR_MENUHILIGHT",
    L"COLOR_MENUBAR",
};

} // namespace

std::wstring_view GetSystemColorName(std::uint64_t background) {
    if (background < 1 || background > std::size(kSystemColors))
        return {};
    return kSystemColors[background - 1];
}

} // namespace orvex
