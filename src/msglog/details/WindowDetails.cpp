#include "common/MessageNames.h"
#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

#include <array>

namespace orvex {

namespace {

constexpr std::array<std::wstring_view, 5> kSizeTypes = {L"SIZE_RESTORED", L"SIZE_MINIMIZED",
                                                         L"SIZE_MAXIMIZED", L"SIZE_MAXSHOW", L"SIZE_MAXHIDE"};
// WM_SHOWWINDOW's lParam: why the window is shown or hidden when ShowWindow is not the reason.
constexpr std::array<std::wstring_view, 5> kShowReasons = {L"", L"SW_PARENTCLOSING", L"SW_OTHERZOOM",
                                                           L"SW_PARENTOPENING", L"SW_OTHERUNZOOM"};
constexpr std::array<std::wstring_view, 3> kActivations = {L"WA_INACTIVE", L"WA_ACTIVE", L"WA_CLICKACTIVE"};

constexpr FlagName kWindowPosFlags[] = {
    {0x0001, L"SWP_NOSIZE"},
    {0x0002, L"SWP_NOMOVE"},
    {0x0004, L"SWP_NOZORDER"},
    {0x0008, L"SWP_NOREDRAW"},
    {0x0010, L"SWP_NOACTIVATE"},
    {0x0020, L"SWP_FRAMECHANGED"},
    {0x0040, L"SWP_SHOWWINDOW"},
    {0x0080, L"SWP_HIDEWINDOW"},
    {0x0100, L"SWP_NOCOPYBITS"},
    {0x0200, L"SWP_NOOWNERZORDER"},
    {0x0400, L"SWP_NOSENDCHANGING"},
    // Not in the headers, but the window manager sets them in the messages it sends.
    {0x0800, L"SWP_NOCLIENTSIZE"},
    {0x1000, L"SWP_NOCLIENTMOVE"},
    {0x2000, L"SWP_DEFERERASE"},
    {0x4000, L"SWP_ASYNCWINDOWPOS"},
    {0x8000, L"SWP_STATECHANGED"},
};

constexpr std::int32_t kGwlStyle = -16;
constexpr std::int32_t kGwlExStyle = -20;

// The system commands whose lParam is not the mouse position.
constexpr std::uint32_t kScKeyMenu = 0xF100;
constexpr std::uint32_t kScHotKey = 0xF150;

template <std::size_t N>
std::wstring NameAt(const std::array<std::wstring_view, N>& names, std::uint64_t index,
                    std::wstring_view label) {
    if (index < N && !names[index].empty())
        return std::wstring(names[index]);
    return DetailsText().Add(label, std::to_wstring(index)).Take();
}

std::wstring PointText(const PointPayload& point) {
    return std::to_wstring(point.x) + L',' + std::to_wstring(point.y);
}

// SetWindowPos's special insert-after handles; a 32-bit program's -1 and -2 may arrive unextended.
std::wstring InsertAfterText(std::uint64_t insertAfter) {
    switch (insertAfter) {
    case 0:
        return L"HWND_TOP";
    case 1:
        return L"HWND_BOTTOM";
    case 0xFFFFFFFFFFFFFFFFull:
    case 0xFFFFFFFFull:
        return L"HWND_TOPMOST";
    case 0xFFFFFFFFFFFFFFFEull:
    case 0xFFFFFFFEull:
        return L"HWND_NOTOPMOST";
    default:
        return FormatPointer(insertAfter);
    }
}

std::wstring StyleIndexText(std::int32_t which) {
    if (which == kGwlStyle)
        return L"GWL_STYLE";
    if (which == kGwlExStyle)
        return L"GWL_EXSTYLE";
    return DetailsText().Add(L"index", which).Take();
}

} // namespace

std::wstring SizeDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(NameAt(kSizeTypes, input.record.wParam, L"type"))
        .Add(SizeText(LowWord(input.record.lParam), HighWord(input.record.lParam)))
        .Take();
}

std::wstring MoveDetails(const DetailsInput& input) {
    return PackedPointText(input.record.lParam);
}

std::wstring WindowPosDetails(const DetailsInput& input) {
    const auto pos = ReadFixedPayload<WindowPosPayload>(input.record, input.payload);
    if (!pos)
        return {};
    return DetailsText()
        .Add(L"after", InsertAfterText(pos->insertAfter))
        .Add(L"x", pos->x)
        .Add(L"y", pos->y)
        .Add(SizeText(pos->cx, pos->cy))
        .Add(FlagsText(pos->flags, kWindowPosFlags))
        .Take();
}

std::wstring MinMaxInfoDetails(const DetailsInput& input) {
    const auto info = ReadFixedPayload<MinMaxInfoPayload>(input.record, input.payload);
    if (!info)
        return {};
    return DetailsText()
        .Add(L"maxSize", SizeText(info->maxSize.x, info->maxSize.y))
        .Add(L"maxPosition", PointText(info->maxPosition))
        .Add(L"minTrack", SizeText(info->minTrackSize.x, info->minTrackSize.y))
        .Add(L"maxTrack", SizeText(info->maxTrackSize.x, info->maxTrackSize.y))
        .Take();
}

std::wstring ShowWindowDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(input.record.wParam != 0 ? L"shown" : L"hidden");
    if (input.record.lParam != 0)
        text.Add(NameAt(kShowReasons, input.record.lParam, L"status"));
    return text.Take();
}

std::wstring ActivateDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(NameAt(kActivations, LowWord(input.record.wParam), L"state"))
        .Add(HighWord(input.record.wParam) != 0 ? L"minimized" : L"")
        .Add(L"other", FormatPointer(input.record.lParam))
        .Take();
}

std::wstring ActivateAppDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(input.record.wParam != 0 ? L"active" : L"inactive")
        .Add(L"thread", static_cast<std::uint32_t>(input.record.lParam))
        .Take();
}

std::wstring SetFocusDetails(const DetailsInput& input) {
    return DetailsText().Add(L"from", FormatPointer(input.record.wParam)).Take();
}

std::wstring KillFocusDetails(const DetailsInput& input) {
    return DetailsText().Add(L"to", FormatPointer(input.record.wParam)).Take();
}

std::wstring EnableDetails(const DetailsInput& input) {
    return input.record.wParam != 0 ? L"enabled" : L"disabled";
}

std::wstring SysCommandDetails(const DetailsInput& input) {
    // The low four bits are the system's own; an application's own command is shown whole.
    const std::uint32_t command = LowWord(input.record.wParam) & 0xFFF0;
    const std::wstring_view name = SysCommandName(command);
    DetailsText text;
    if (name.empty())
        text.Add(L"command", HexText(LowWord(input.record.wParam), 4));
    text.Add(name);
    if (command == kScKeyMenu) {
        if (input.record.lParam != 0)
            text.Add(L"key", CharacterText(input.record.lParam));
    } else if (command == kScHotKey) {
        text.Add(L"window", FormatPointer(input.record.lParam));
    } else if (input.record.lParam != 0) {
        text.Add(PackedPointText(input.record.lParam));
    }
    return text.Take();
}

std::wstring TimerDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(L"id", std::to_wstring(input.record.wParam));
    if (input.record.lParam != 0)
        text.Add(L"callback", FormatPointer(input.record.lParam));
    return text.Take();
}

std::wstring CaretTimerDetails(const DetailsInput& input) {
    // A window with a caret gets this every half second or so; saying what it is spares the user
    // a search for a number the headers do not name.
    return DetailsText().Add(L"caret blink timer").Add(TimerDetails(input)).Take();
}

std::wstring StyleChangeDetails(const DetailsInput& input) {
    const auto change = ReadFixedPayload<StyleChangePayload>(input.record, input.payload);
    if (!change)
        return StyleIndexText(SignedLow32(input.record.wParam));
    return DetailsText()
        .Add(StyleIndexText(static_cast<std::int32_t>(change->which)))
        .Add(L"old", FormatHex32(change->oldStyle))
        .Add(L"new", FormatHex32(change->newStyle))
        .Take();
}

std::wstring ControlColorDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(L"dc", FormatPointer(input.record.wParam))
        .Add(L"control", FormatPointer(input.record.lParam))
        .Take();
}

std::wstring EraseBackgroundDetails(const DetailsInput& input) {
    return DetailsText().Add(L"dc", FormatPointer(input.record.wParam)).Take();
}

std::wstring ParentNotifyDetails(const DetailsInput& input) {
    constexpr std::uint16_t kCreate = 0x0001, kDestroy = 0x0002, kXButtonDown = 0x020B;
    const std::uint16_t event = LowWord(input.record.wParam);
    const std::uint16_t high = HighWord(input.record.wParam);
    DetailsText text;
    text.Add(NameOrNumber(HeaderMessageName(event, L""), L"event", event));
    // A child made or destroyed names itself; a click on a child gives where it was, in this window.
    if (event == kCreate || event == kDestroy)
        return text.Add(L"id", high).Add(L"child", FormatPointer(input.record.lParam)).Take();
    if (event == kXButtonDown)
        text.Add(high == 1 ? L"XBUTTON1" : high == 2 ? L"XBUTTON2" : L"");
    return text.Add(PackedPointText(input.record.lParam)).Take();
}

} // namespace orvex
