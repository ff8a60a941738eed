#include "msglog/MessageCategories.h"

#include "common/MessageNameTables.h"

#include <array>
#include <cstddef>

namespace orvex {

namespace {

// Messages are named as the headers name them and their numbers looked up in the header tables
// while compiling: the hook needs no <windows.h> to sort a message and carries none of the tables.
using name_tables::kFirstAppMessage;
using name_tables::kFirstUserMessage;

// Not in the headers: the timer the system runs for the caret's blink sends it.
constexpr std::uint32_t kSysTimer = 0x0118;

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

consteval CategoryRange Single(std::wstring_view message, MessageCategory category) {
    return Single(MessageNumber(message), category);
}

consteval CategoryRange Span(std::wstring_view first, std::wstring_view last, MessageCategory category) {
    return {MessageNumber(first), MessageNumber(last), category};
}

using enum MessageCategory;

// Where a message could go to two kinds, it goes to the one a user hides to quiet the log:
// WM_NCPAINT paints (a resize repaints the frame with the client), WM_NCCALCSIZE comes with
// every change of size. Raw input (WM_INPUT) comes from any device, so neither Mouse nor
// Keyboard holds it, and it stays in Other.
constexpr CategoryRange kCategoryRanges[] = {
    Span(L"WM_MOUSEMOVE", L"WM_MOUSEHWHEEL", Mouse),
    Single(L"WM_MOUSEHOVER", Mouse),
    Single(L"WM_MOUSELEAVE", Mouse),
    Single(L"WM_CAPTURECHANGED", Mouse),
    Single(L"WM_SETCURSOR", Mouse),

    Span(L"WM_KEYDOWN", L"WM_UNICHAR", Keyboard),
    Span(L"WM_IME_STARTCOMPOSITION", L"WM_IME_COMPOSITION", Keyboard),
    Span(L"WM_IME_SETCONTEXT", L"WM_IME_KEYUP", Keyboard),
    Span(L"WM_INPUTLANGCHANGEREQUEST", L"WM_INPUTLANGCHANGE", Keyboard),
    Single(L"WM_HOTKEY", Keyboard),
    Single(L"WM_APPCOMMAND", Keyboard),

    Single(L"WM_NCCREATE", NonClient),
    Single(L"WM_NCDESTROY", NonClient),
    Single(L"WM_NCHITTEST", NonClient),
    Single(L"WM_NCACTIVATE", NonClient),
    Span(L"WM_NCMOUSEMOVE", L"WM_NCXBUTTONDBLCLK", NonClient),
    Single(L"WM_NCMOUSEHOVER", NonClient),
    Single(L"WM_NCMOUSELEAVE", NonClient),

    Single(L"WM_PAINT", Paint),
    Single(L"WM_ERASEBKGND", Paint),
    Single(L"WM_SYNCPAINT", Paint),
    Single(L"WM_NCPAINT", Paint),
    Single(L"WM_PRINT", Paint),
    Single(L"WM_PRINTCLIENT", Paint),
    Span(L"WM_CTLCOLORMSGBOX", L"WM_CTLCOLORSTATIC", Paint),
    Single(L"WM_DRAWITEM", Paint),
    Single(L"WM_MEASUREITEM", Paint),
    Single(L"WM_SETREDRAW", Paint),
    Single(L"WM_PAINTICON", Paint),
    Single(L"WM_ICONERASEBKGND", Paint),

    Single(L"WM_ACTIVATE", Focus),
    Single(L"WM_SETFOCUS", Focus),
    Single(L"WM_KILLFOCUS", Focus),
    Single(L"WM_ACTIVATEAPP", Focus),
    Single(L"WM_MOUSEACTIVATE", Focus),
    Single(L"WM_CHILDACTIVATE", Focus),
    Single(L"WM_ENABLE", Focus),
    Single(L"WM_CANCELMODE", Focus),

    Single(L"WM_MOVE", Position),
    Single(L"WM_SIZE", Position),
    Span(L"WM_WINDOWPOSCHANGING", L"WM_WINDOWPOSCHANGED", Position),
    Single(L"WM_GETMINMAXINFO", Position),
    Single(L"WM_SHOWWINDOW", Position),
    Single(L"WM_SIZING", Position),
    Single(L"WM_MOVING", Position),
    Span(L"WM_ENTERSIZEMOVE", L"WM_EXITSIZEMOVE", Position),
    Span(L"WM_DPICHANGED", L"WM_GETDPISCALEDSIZE", Position),
    Single(L"WM_NCCALCSIZE", Position),

    Single(L"WM_TIMER", Timer),
    Single(kSysTimer, Timer),

    Single(L"WM_COMMAND", Commands),
    Single(L"WM_NOTIFY", Commands),
    Single(L"WM_SYSCOMMAND", Commands),
    Single(L"WM_PARENTNOTIFY", Commands),
    Span(L"WM_HSCROLL", L"WM_VSCROLL", Commands),
    Single(L"WM_CONTEXTMENU", Commands),
    Single(L"WM_NOTIFYFORMAT", Commands),
    Single(L"WM_MENUCOMMAND", Commands),
    // What a list or combo box tells its owner about its items.
    Single(L"WM_DELETEITEM", Commands),
    Span(L"WM_VKEYTOITEM", L"WM_CHARTOITEM", Commands),
    Single(L"WM_COMPAREITEM", Commands),

    // The classic controls' own messages, below WM_USER: each family from its first header name to
    // its last. The combo box, static and list box numbers up to the headers' count of them
    // (CB_MSGMAX, STM_MSGMAX, LB_MSGMAX: one past the last message on the newest Windows, a value
    // per version and so not in the tables) stay with the family.
    Span(L"EM_GETSEL", L"EM_ENABLEFEATURE", Control),
    Span(L"SBM_SETPOS", L"SBM_GETSCROLLBARINFO", Control),
    Span(L"BM_GETCHECK", L"BM_SETDONTCLICK", Control),
    {MessageNumber(L"CB_GETEDITSEL"), MessageNumber(L"CB_GETCOMBOBOXINFO") + 1, Control},
    {MessageNumber(L"STM_SETICON"), MessageNumber(L"STM_GETIMAGE") + 1, Control},
    {MessageNumber(L"LB_ADDSTRING"), MessageNumber(L"LB_GETLISTBOXINFO") + 1, Control},
};

// A number listed twice would silently take the later kind.
consteval bool EachMessageListedOnce() {
    std::array<bool, kFirstUserMessage> listed{};
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
using CategoryTable = std::array<std::uint8_t, kFirstUserMessage>;
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
    case MessageNumber(L"WM_COMMAND"):
    case MessageNumber(L"WM_NOTIFY"):
    case MessageNumber(L"WM_PARENTNOTIFY"):
    case MessageNumber(L"WM_HSCROLL"):
    case MessageNumber(L"WM_VSCROLL"):
    case MessageNumber(L"WM_DRAWITEM"):
    case MessageNumber(L"WM_MEASUREITEM"):
    case MessageNumber(L"WM_DELETEITEM"):
    case MessageNumber(L"WM_VKEYTOITEM"):
    case MessageNumber(L"WM_CHARTOITEM"):
    case MessageNumber(L"WM_COMPAREITEM"):
        return true;
    default:
        return message >= MessageNumber(L"WM_CTLCOLORMSGBOX") &&
               message <= MessageNumber(L"WM_CTLCOLORSTATIC");
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
    if (message < kFirstUserMessage)
        return static_cast<MessageCategory>(kCategoryTable[message]);
    if (message >= kFirstAppMessage)
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
