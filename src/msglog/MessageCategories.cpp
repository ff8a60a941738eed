#include "msglog/MessageCategories.h"

#include <array>
#include <cstddef>

namespace orvex {

namespace {

// Window-message numbers of winuser.h; the hook must not need <windows.h> to sort a message.
constexpr std::uint32_t kWmMove = 0x0003;
constexpr std::uint32_t kWmSize = 0x0005;
constexpr std::uint32_t kWmActivate = 0x0006;
constexpr std::uint32_t kWmSetFocus = 0x0007;
constexpr std::uint32_t kWmKillFocus = 0x0008;
constexpr std::uint32_t kWmEnable = 0x000A;
constexpr std::uint32_t kWmSetRedraw = 0x000B;
constexpr std::uint32_t kWmPaint = 0x000F;
constexpr std::uint32_t kWmEraseBkgnd = 0x0014;
constexpr std::uint32_t kWmShowWindow = 0x0018;
constexpr std::uint32_t kWmActivateApp = 0x001C;
constexpr std::uint32_t kWmCancelMode = 0x001F;
constexpr std::uint32_t kWmSetCursor = 0x0020;
constexpr std::uint32_t kWmMouseActivate = 0x0021;
constexpr std::uint32_t kWmChildActivate = 0x0022;
constexpr std::uint32_t kWmGetMinMaxInfo = 0x0024;
constexpr std::uint32_t kWmPaintIcon = 0x0026;
constexpr std::uint32_t kWmIconEraseBkgnd = 0x0027;
constexpr std::uint32_t kWmDrawItem = 0x002B;
constexpr std::uint32_t kWmMeasureItem = 0x002C;
constexpr std::uint32_t kWmDeleteItem = 0x002D;
constexpr std::uint32_t kWmVKeyToItem = 0x002E;
constexpr std::uint32_t kWmCharToItem = 0x002F;
constexpr std::uint32_t kWmCompareItem = 0x0039;
constexpr std::uint32_t kWmWindowPosChanging = 0x0046;
constexpr std::uint32_t kWmWindowPosChanged = 0x0047;
constexpr std::uint32_t kWmNotify = 0x004E;
constexpr std::uint32_t kWmInputLangChangeRequest = 0x0050;
constexpr std::uint32_t kWmInputLangChange = 0x0051;
constexpr std::uint32_t kWmNotifyFormat = 0x0055;
constexpr std::uint32_t kWmContextMenu = 0x007B;
constexpr std::uint32_t kWmNcCreate = 0x0081;
constexpr std::uint32_t kWmNcDestroy = 0x0082;
constexpr std::uint32_t kWmNcCalcSize = 0x0083;
constexpr std::uint32_t kWmNcHitTest = 0x0084;
constexpr std::uint32_t kWmNcPaint = 0x0085;
constexpr std::uint32_t kWmNcActivate = 0x0086;
constexpr std::uint32_t kWmSyncPaint = 0x0088;
constexpr std::uint32_t kWmNcMouseMove = 0x00A0;
constexpr std::uint32_t kWmNcXButtonDblClk = 0x00AD;
constexpr std::uint32_t kWmKeyFirst = 0x0100;
constexpr std::uint32_t kWmUniChar = 0x0109;
constexpr std::uint32_t kWmImeStartComposition = 0x010D;
constexpr std::uint32_t kWmImeComposition = 0x010F;
constexpr std::uint32_t kWmCommand = 0x0111;
constexpr std::uint32_t kWmSysCommand = 0x0112;
constexpr std::uint32_t kWmTimer = 0x0113;
constexpr std::uint32_t kWmHScroll = 0x0114;
constexpr std::uint32_t kWmVScroll = 0x0115;
// Not in the headers: the timer the system runs for the caret's blink sends it.
constexpr std::uint32_t kWmSysTimer = 0x0118;
constexpr std::uint32_t kWmMenuCommand = 0x0126;
constexpr std::uint32_t kWmCtlColorMsgBox = 0x0132;
constexpr std::uint32_t kWmCtlColorStatic = 0x0138;
constexpr std::uint32_t kWmMouseMove = 0x0200;
constexpr std::uint32_t kWmMouseHWheel = 0x020E;
constexpr std::uint32_t kWmParentNotify = 0x0210;
constexpr std::uint32_t kWmSizing = 0x0214;
constexpr std::uint32_t kWmCaptureChanged = 0x0215;
constexpr std::uint32_t kWmMoving = 0x0216;
constexpr std::uint32_t kWmEnterSizeMove = 0x0231;
constexpr std::uint32_t kWmExitSizeMove = 0x0232;
constexpr std::uint32_t kWmImeSetContext = 0x0281;
constexpr std::uint32_t kWmImeKeyUp = 0x0291;
constexpr std::uint32_t kWmNcMouseHover = 0x02A0;
constexpr std::uint32_t kWmMouseHover = 0x02A1;
constexpr std::uint32_t kWmNcMouseLeave = 0x02A2;
constexpr std::uint32_t kWmMouseLeave = 0x02A3;
constexpr std::uint32_t kWmDpiChanged = 0x02E0;
constexpr std::uint32_t kWmGetDpiScaledSize = 0x02E4;
constexpr std::uint32_t kWmHotKey = 0x0312;
constexpr std::uint32_t kWmPrint = 0x0317;
constexpr std::uint32_t kWmPrintClient = 0x0318;
constexpr std::uint32_t kWmAppCommand = 0x0319;
constexpr std::uint32_t kWmUser = 0x0400;
constexpr std::uint32_t kWmApp = 0x8000;

// The classic controls' own messages, below WM_USER: each family's first and last header number.
constexpr std::uint32_t kEditFirst = 0x00B0;      // EM_GETSEL
constexpr std::uint32_t kEditLast = 0x00DA;       // EM_ENABLEFEATURE
constexpr std::uint32_t kScrollBarFirst = 0x00E0; // SBM_SETPOS
constexpr std::uint32_t kScrollBarLast = 0x00EB;  // SBM_GETSCROLLBARINFO
constexpr std::uint32_t kButtonFirst = 0x00F0;    // BM_GETCHECK
constexpr std::uint32_t kButtonLast = 0x00F8;     // BM_SETDONTCLICK
constexpr std::uint32_t kComboBoxFirst = 0x0140;  // CB_GETEDITSEL
constexpr std::uint32_t kComboBoxLast = 0x0165;   // CB_MSGMAX
constexpr std::uint32_t kStaticFirst = 0x0170;    // STM_SETICON
constexpr std::uint32_t kStaticLast = 0x0174;     // STM_MSGMAX
constexpr std::uint32_t kListBoxFirst = 0x0180;   // LB_ADDSTRING
constexpr std::uint32_t kListBoxLast = 0x01B3;    // LB_MSGMAX

// Frameworks hand a parent's notifications back to the control that caused them at
// OCM__BASE (WM_USER + 0x1C00) plus the notification's number. commctrl.h starts its CCM_
// messages (CCM_FIRST) at the same 0x2000, but no CCM_ number is one of the reflected ones, so
// the reflected numbers are told apart exactly and the rest of the block stays with the controls.
constexpr std::uint32_t kReflectedBase = 0x2000;

struct CategoryRange {
    std::uint32_t first;
    std::uint32_t last;
    MessageCategory category;
};

constexpr CategoryRange Single(std::uint32_t message, MessageCategory category) {
    return {message, message, category};
}

using enum MessageCategory;

// Where a message could go to two kinds, it goes to the one a user hides to quiet the log:
// WM_NCPAINT paints (a resize repaints the frame with the client), WM_NCCALCSIZE comes with
// every change of size. Raw input (WM_INPUT) comes from any device, so neither Mouse nor
// Keyboard holds it, and it stays in Other.
constexpr CategoryRange kCategoryRanges[] = {
    {kWmMouseMove, kWmMouseHWheel, Mouse},
    Single(kWmMouseHover, Mouse),
    Single(kWmMouseLeave, Mouse),
    Single(kWmCaptureChanged, Mouse),
    Single(kWmSetCursor, Mouse),

    {kWmKeyFirst, kWmUniChar, Keyboard},
    {kWmImeStartComposition, kWmImeComposition, Keyboard},
    {kWmImeSetContext, kWmImeKeyUp, Keyboard},
    {kWmInputLangChangeRequest, kWmInputLangChange, Keyboard},
    Single(kWmHotKey, Keyboard),
    Single(kWmAppCommand, Keyboard),

    Single(kWmNcCreate, NonClient),
    Single(kWmNcDestroy, NonClient),
    Single(kWmNcHitTest, NonClient),
    Single(kWmNcActivate, NonClient),
    {kWmNcMouseMove, kWmNcXButtonDblClk, NonClient},
    Single(kWmNcMouseHover, NonClient),
    Single(kWmNcMouseLeave, NonClient),

    Single(kWmPaint, Paint),
    Single(kWmEraseBkgnd, Paint),
    Single(kWmSyncPaint, Paint),
    Single(kWmNcPaint, Paint),
    Single(kWmPrint, Paint),
    Single(kWmPrintClient, Paint),
    {kWmCtlColorMsgBox, kWmCtlColorStatic, Paint},
    Single(kWmDrawItem, Paint),
    Single(kWmMeasureItem, Paint),
    Single(kWmSetRedraw, Paint),
    Single(kWmPaintIcon, Paint),
    Single(kWmIconEraseBkgnd, Paint),

    Single(kWmActivate, Focus),
    Single(kWmSetFocus, Focus),
    Single(kWmKillFocus, Focus),
    Single(kWmActivateApp, Focus),
    Single(kWmMouseActivate, Focus),
    Single(kWmChildActivate, Focus),
    Single(kWmEnable, Focus),
    Single(kWmCancelMode, Focus),

    Single(kWmMove, Position),
    Single(kWmSize, Position),
    {kWmWindowPosChanging, kWmWindowPosChanged, Position},
    Single(kWmGetMinMaxInfo, Position),
    Single(kWmShowWindow, Position),
    Single(kWmSizing, Position),
    Single(kWmMoving, Position),
    {kWmEnterSizeMove, kWmExitSizeMove, Position},
    {kWmDpiChanged, kWmGetDpiScaledSize, Position},
    Single(kWmNcCalcSize, Position),

    Single(kWmTimer, Timer),
    Single(kWmSysTimer, Timer),

    Single(kWmCommand, Commands),
    Single(kWmNotify, Commands),
    Single(kWmSysCommand, Commands),
    Single(kWmParentNotify, Commands),
    {kWmHScroll, kWmVScroll, Commands},
    Single(kWmContextMenu, Commands),
    Single(kWmNotifyFormat, Commands),
    Single(kWmMenuCommand, Commands),
    // What a list or combo box tells its owner about its items.
    Single(kWmDeleteItem, Commands),
    {kWmVKeyToItem, kWmCharToItem, Commands},
    Single(kWmCompareItem, Commands),

    {kEditFirst, kEditLast, Control},
    {kScrollBarFirst, kScrollBarLast, Control},
    {kButtonFirst, kButtonLast, Control},
    {kComboBoxFirst, kComboBoxLast, Control},
    {kStaticFirst, kStaticLast, Control},
    {kListBoxFirst, kListBoxLast, Control},
};

// A number listed twice would silently take the later kind.
consteval bool EachMessageListedOnce() {
    std::array<bool, kWmUser> listed{};
    for (const CategoryRange& range : kCategoryRanges) {
        for (std::uint32_t message = range.first; message <= range.last; ++message) {
            if (listed[message])
                return false;
            listed[message] = true;
        }
    }
    return true;
}
static_assert(EachMessageListedOnce());

// One byte per message below WM_USER, filled at compile time: the hook sorts a message with one
// load, and nothing of it runs when the library is loaded.
using CategoryTable = std::array<std::uint8_t, kWmUser>;
static_assert(static_cast<std::uint32_t>(MessageCategory::Count) <= 0xFF);

consteval CategoryTable MakeCategoryTable() {
    CategoryTable table{};
    table.fill(static_cast<std::uint8_t>(Other));
    for (const CategoryRange& range : kCategoryRanges) {
        for (std::uint32_t message = range.first; message <= range.last; ++message)
            table[message] = static_cast<std::uint8_t>(range.category);
    }
    return table;
}

constexpr CategoryTable kCategoryTable = MakeCategoryTable();

// The notifications a framework reflects, as the numbers they had before the reflection.
constexpr bool IsReflectable(std::uint32_t message) {
    switch (message) {
    case kWmCommand:
    case kWmNotify:
    case kWmParentNotify:
    case kWmHScroll:
    case kWmVScroll:
    case kWmDrawItem:
    case kWmMeasureItem:
    case kWmDeleteItem:
    case kWmVKeyToItem:
    case kWmCharToItem:
    case kWmCompareItem:
        return true;
    default:
        return message >= kWmCtlColorMsgBox && message <= kWmCtlColorStatic;
    }
}

constexpr const wchar_t* kCategoryNames[] = {
    L"Mouse",
    L"Keyboard",
    L"Non-client",
    L"Paint and erase",
    L"Focus and activation",
    L"Position and size",
    L"Timer",
    L"Commands and notifications",
    L"Control messages",
    L"Other",
};
static_assert(std::size(kCategoryNames) == static_cast<std::size_t>(MessageCategory::Count));

} // namespace

MessageCategory CategoryOf(std::uint32_t message) noexcept {
    if (message < kWmUser)
        return static_cast<MessageCategory>(kCategoryTable[message]);
    if (message >= kWmApp)
        return Other; // WM_APP's range and registered messages mean what their program says
    // A reflected notification is a notification still, whoever it was handed to.
    if (message >= kReflectedBase && IsReflectable(message - kReflectedBase))
        return Commands;
    return Control;
}

const wchar_t* CategoryName(MessageCategory category) noexcept {
    const auto index = static_cast<std::size_t>(category);
    return index < std::size(kCategoryNames) ? kCategoryNames[index] : L"";
}

} // namespace orvex
