#include "inspect/MoreRowsText.h"

#include "common/EscapedText.h"
#include "common/ValueFormat.h"
#include "inspect/BitNames.h"
#include "inspect/RectFormat.h"

#include <iterator>

namespace orvex {

namespace {

std::wstring WithSize(const ScreenRect& rect) {
    return FormatRectWithSize(rect.left, rect.top, rect.right, rect.bottom);
}

// The show commands from SW_HIDE (0) up, by their value.
constexpr std::wstring_view kShowCommands[] = {
    L"SW_HIDE",           L"SW_SHOWNORMAL", L"SW_SHOWMINIMIZED", L"SW_SHOWMAXIMIZED",
    L"SW_SHOWNOACTIVATE", L"SW_SHOW",       L"SW_MINIMIZE",      L"SW_SHOWMINNOACTIVE",
    L"SW_SHOWNA",         L"SW_RESTORE",    L"SW_SHOWDEFAULT",   L"SW_FORCEMINIMIZE",
};

// GUI_16BITTASK is 0 in a 64-bit build's headers, as no 16-bit task runs beside a 64-bit
// program; the bit it stands for elsewhere is named all the same.
constexpr BitName kGuiThreadFlags[] = {
    {L"GUI_CARETBLINKING", 0x01},  {L"GUI_INMOVESIZE", 0x02},    {L"GUI_INMENUMODE", 0x04},
    {L"GUI_SYSTEMMENUMODE", 0x08}, {L"GUI_POPUPMENUMODE", 0x10}, {L"GUI_16BITTASK", 0x20},
};

} // namespace

std::wstring FormatWindowLink(std::uint64_t handle, std::wstring_view className) {
    if (handle == 0)
        return kNone;
    std::wstring text = FormatPointer(handle);
    if (!className.empty())
        text.append(L" (").append(className).append(L")");
    return text;
}

std::wstring FormatAtomName(unsigned atom) {
    return L"#" + std::to_wstring(atom);
}

std::wstring DpiAwarenessName(int awareness, DpiContextFlavour flavour) {
    if (flavour == DpiContextFlavour::PerMonitorV2)
        return L"Per Monitor v2";
    if (flavour == DpiContextFlavour::UnawareGdiScaled)
        return L"Unaware GDI-scaled";
    switch (awareness) {
    case 0:
        return L"Unaware";
    case 1:
        return L"System";
    case 2:
        return L"Per Monitor";
    default:
        return std::to_wstring(awareness);
    }
}

std::wstring FormatMonitor(std::uint64_t handle, const ScreenRect& rect, bool primary) {
    std::wstring text = FormatPointer(handle) + L", " + WithSize(rect);
    if (primary)
        text += L", primary";
    return text;
}

std::wstring ShowCommandName(unsigned showCommand) {
    if (showCommand < std::size(kShowCommands))
        return std::wstring(kShowCommands[showCommand]);
    return std::to_wstring(showCommand);
}

std::wstring FormatLayeredAttributes(bool hasKey, std::uint32_t colorKey, bool hasAlpha, unsigned alpha) {
    if (!hasKey && !hasAlpha)
        return L"neither key nor alpha";
    std::wstring text;
    if (hasKey)
        text = L"key " + FormatHex32(colorKey);
    if (hasKey && hasAlpha)
        text += L", ";
    if (hasAlpha)
        text += L"alpha " + std::to_wstring(alpha);
    return text;
}

std::wstring FormatRegion(RegionKind kind, const ScreenRect& box) {
    switch (kind) {
    case RegionKind::Empty:
        return L"Empty";
    case RegionKind::Simple:
        return L"Simple, box " + WithSize(box);
    case RegionKind::Complex:
        break;
    }
    return L"Complex, box " + WithSize(box);
}

std::wstring FormatGuiThreadFlags(std::uint32_t flags) {
    if (flags == 0)
        return L"None";
    return FormatBitNames(kGuiThreadFlags, flags);
}

std::wstring FormatControlText(std::wstring_view text) {
    if (text.size() <= kLongestControlText)
        return EscapedText(text);
    std::size_t kept = kLongestControlText;
    if (text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF)
        --kept; // a high surrogate whose partner is cut off would show as a broken character
    return EscapedText(text.substr(0, kept)) + L"\u2026";
}

} // namespace orvex
