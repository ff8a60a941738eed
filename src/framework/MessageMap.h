#pragma once
// Message maps: static tables that bind window messages, commands and notifications to member
// functions. Each entry holds a small thunk generated from the handler's member pointer, so the
// handler's signature is checked by the compiler and no handler decodes wParam or lParam itself.

#include <windows.h>

#include <type_traits>

class CCmdTarget;

namespace fw {

using MessageThunk = LRESULT (*)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);

enum class EntryKind : unsigned char {
    End,
    Message,        // a window message, by message number
    Command,        // WM_COMMAND with a notification code, for a range of identifiers
    Notify,         // WM_NOTIFY with a code, for a range of control identifiers
    ReflectNotify,  // WM_NOTIFY that the parent offers back to the child that sent it
    ReflectCommand, // WM_COMMAND that the parent offers back to the control that sent it
};

struct MessageMapEntry {
    EntryKind kind;
    UINT message; // EntryKind::Message: the message; otherwise unused
    UINT code;    // notification code (commands: 0 for menus, buttons and toolbars)
    UINT idFirst;
    UINT idLast;
    MessageThunk thunk;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

inline int LParamX(LPARAM lParam) {
    return static_cast<short>(LOWORD(lParam));
}
inline int LParamY(LPARAM lParam) {
    return static_cast<short>(HIWORD(lParam));
}

template <class T> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using Class = C; };
template <auto F> using ClassOf = typename MemberOf<decltype(F)>::Class;

template <auto F> ClassOf<F>& Self(CCmdTarget& target) {
    return static_cast<ClassOf<F>&>(target);
}

template <class T> struct NotificationOf;
template <class C, class N> struct NotificationOf<LRESULT (C::*)(N*)> { using Type = N; };

template <auto F, class Expected> constexpr void RequireSignature() {
    static_assert(std::is_same_v<decltype(F), Expected>, "handler has the wrong signature for its map entry");
}

// The crackers, one per handler shape. Each names the exact signature it accepts.
namespace crack {

// void OnCommand()
template <auto F> LRESULT Command(CCmdTarget& t, WPARAM, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)()>();
    (Self<F>(t).*F)();
    return 0;
}
// void OnCommandRange(UINT id)
template <auto F> LRESULT CommandRange(CCmdTarget& t, WPARAM wParam, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)(UINT)>();
    (Self<F>(t).*F)(LOWORD(wParam));
    return 0;
}
// LRESULT OnNotify(NMXXX* notification)   the structure the notification code comes with, which
// begins with the NMHDR header (NMHDR itself where nothing follows the header)
template <auto F> LRESULT Notify(CCmdTarget& t, WPARAM, LPARAM lParam) {
    using Notification = typename NotificationOf<decltype(F)>::Type;
    static_assert(std::is_standard_layout_v<Notification> && sizeof(Notification) >= sizeof(NMHDR),
                  "a notification handler takes a structure that begins with NMHDR");
    return (Self<F>(t).*F)(reinterpret_cast<Notification*>(lParam));
}
// LRESULT OnMessage(WPARAM wParam, LPARAM lParam)
template <auto F> LRESULT Message(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, LRESULT (ClassOf<F>::*)(WPARAM, LPARAM)>();
    return (Self<F>(t).*F)(wParam, lParam);
}
// int OnCreate(CREATESTRUCTW* create)
template <auto F> LRESULT Create(CCmdTarget& t, WPARAM, LPARAM lParam) {
    RequireSignature<F, int (ClassOf<F>::*)(CREATESTRUCTW*)>();
    return (Self<F>(t).*F)(reinterpret_cast<CREATESTRUCTW*>(lParam));
}
// void OnXxx()  for messages that carry nothing: WM_DESTROY, WM_PAINT, WM_CLOSE, WM_MOUSELEAVE
template <auto F> LRESULT Void(CCmdTarget& t, WPARAM, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)()>();
    (Self<F>(t).*F)();
    return 0;
}
// void OnSize(UINT type, int cx, int cy)
template <auto F> LRESULT Size(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(UINT, int, int)>();
    (Self<F>(t).*F)(static_cast<UINT>(wParam), LParamX(lParam), LParamY(lParam));
    return 0;
}
// void OnTimer(UINT_PTR id)
template <auto F> LRESULT Timer(CCmdTarget& t, WPARAM wParam, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)(UINT_PTR)>();
    (Self<F>(t).*F)(static_cast<UINT_PTR>(wParam));
    return 0;
}
// void OnHotKey(int id, UINT modifiers, UINT virtualKey)
template <auto F> LRESULT HotKey(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(int, UINT, UINT)>();
    (Self<F>(t).*F)(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
// void OnKeyDown(UINT virtualKey, UINT repeat, UINT flags)
template <auto F> LRESULT Key(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(UINT, UINT, UINT)>();
    (Self<F>(t).*F)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
    return 0;
}
// void OnSetFocus(HWND other)   the window that had the focus (OnKillFocus: the one that gets it),
// or null
template <auto F> LRESULT Focus(CCmdTarget& t, WPARAM wParam, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)(HWND)>();
    (Self<F>(t).*F)(reinterpret_cast<HWND>(wParam));
    return 0;
}
// void OnDpiChanged(int dpi, const RECT& suggested)   the window's new DPI (Windows gives it twice,
// across and down, always equal) and where Windows suggests the window go at it, in screen
// coordinates. Windows always sends the rectangle; a message without one is ignored.
template <auto F> LRESULT DpiChanged(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(int, const RECT&)>();
    if (const auto* suggested = reinterpret_cast<const RECT*>(lParam))
        (Self<F>(t).*F)(HIWORD(wParam), *suggested);
    return 0;
}
// void OnMouse(UINT keys, POINT point)   (client coordinates)
template <auto F> LRESULT Mouse(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(UINT, POINT)>();
    (Self<F>(t).*F)(static_cast<UINT>(wParam), POINT{LParamX(lParam), LParamY(lParam)});
    return 0;
}
// void OnContextMenu(HWND window, POINT screenPoint)
template <auto F> LRESULT ContextMenu(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(HWND, POINT)>();
    (Self<F>(t).*F)(reinterpret_cast<HWND>(wParam), POINT{LParamX(lParam), LParamY(lParam)});
    return 0;
}
// void OnWindowPosChanging(WINDOWPOS* position)
template <auto F> LRESULT WindowPos(CCmdTarget& t, WPARAM, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(WINDOWPOS*)>();
    (Self<F>(t).*F)(reinterpret_cast<WINDOWPOS*>(lParam));
    return 0;
}
// BOOL OnEraseBkgnd(HDC dc)
template <auto F> LRESULT EraseBkgnd(CCmdTarget& t, WPARAM wParam, LPARAM) {
    RequireSignature<F, BOOL (ClassOf<F>::*)(HDC)>();
    return (Self<F>(t).*F)(reinterpret_cast<HDC>(wParam));
}
// UINT OnGetDlgCode()
template <auto F> LRESULT GetDlgCode(CCmdTarget& t, WPARAM, LPARAM) {
    RequireSignature<F, UINT (ClassOf<F>::*)()>();
    return (Self<F>(t).*F)();
}
// void OnGetMinMaxInfo(MINMAXINFO* info)
template <auto F> LRESULT MinMaxInfo(CCmdTarget& t, WPARAM, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(MINMAXINFO*)>();
    (Self<F>(t).*F)(reinterpret_cast<MINMAXINFO*>(lParam));
    return 0;
}
// void OnCaptureChanged(HWND newCapture)
template <auto F> LRESULT CaptureChanged(CCmdTarget& t, WPARAM, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(HWND)>();
    (Self<F>(t).*F)(reinterpret_cast<HWND>(lParam));
    return 0;
}
// BOOL OnSetCursor(HWND window, UINT hitTest, UINT message)
template <auto F> LRESULT SetCursor(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, BOOL (ClassOf<F>::*)(HWND, UINT, UINT)>();
    return (Self<F>(t).*F)(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
}
// void OnEndSession(BOOL ending)
template <auto F> LRESULT EndSession(CCmdTarget& t, WPARAM wParam, LPARAM) {
    RequireSignature<F, void (ClassOf<F>::*)(BOOL)>();
    (Self<F>(t).*F)(static_cast<BOOL>(wParam));
    return 0;
}
// void OnDrawItem(int controlId, DRAWITEMSTRUCT* item)
template <auto F> LRESULT DrawItem(CCmdTarget& t, WPARAM wParam, LPARAM lParam) {
    RequireSignature<F, void (ClassOf<F>::*)(int, DRAWITEMSTRUCT*)>();
    (Self<F>(t).*F)(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

} // namespace crack
} // namespace fw

// Declares the map of a class that derives, directly or not, from CCmdTarget.
#define DECLARE_MESSAGE_MAP()                                                                                \
public:                                                                                                      \
    static const ::fw::MessageMap* GetThisMessageMap();                                                      \
    const ::fw::MessageMap* GetMessageMap() const override {                                                 \
        return GetThisMessageMap();                                                                          \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const ::fw::MessageMap* theClass::GetThisMessageMap() {                                                  \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const ::fw::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { ::fw::EntryKind::End, 0, 0, 0, 0, nullptr }                                                            \
    }                                                                                                        \
    ;                                                                                                        \
    static const ::fw::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                         \
    return &map;                                                                                             \
    }

#define FW_MSG_ENTRY(msg, cracker, fn) {::fw::EntryKind::Message, msg, 0, 0, 0, &::fw::crack::cracker<fn>},

// Commands and notifications.
#define ON_COMMAND(id, fn) {::fw::EntryKind::Command, 0, 0, id, id, &::fw::crack::Command<&ThisClass::fn>},
#define ON_COMMAND_RANGE(idFirst, idLast, fn)                                                                \
    {::fw::EntryKind::Command, 0, 0, idFirst, idLast, &::fw::crack::CommandRange<&ThisClass::fn>},
#define ON_CONTROL(code, id, fn)                                                                             \
    {::fw::EntryKind::Command, 0, code, id, id, &::fw::crack::Command<&ThisClass::fn>},
#define ON_NOTIFY(code, id, fn)                                                                              \
    {::fw::EntryKind::Notify, 0, UINT(code), id, id, &::fw::crack::Notify<&ThisClass::fn>},
#define ON_NOTIFY_RANGE(code, idFirst, idLast, fn)                                                           \
    {::fw::EntryKind::Notify, 0, UINT(code), idFirst, idLast, &::fw::crack::Notify<&ThisClass::fn>},
#define ON_NOTIFY_REFLECT(code, fn)                                                                          \
    {::fw::EntryKind::ReflectNotify, 0, UINT(code), 0, 0xFFFFFFFFu, &::fw::crack::Notify<&ThisClass::fn>},
#define ON_CONTROL_REFLECT(code, fn)                                                                         \
    {::fw::EntryKind::ReflectCommand, 0, code, 0, 0xFFFFFFFFu, &::fw::crack::Command<&ThisClass::fn>},
#define ON_MESSAGE(msg, fn) FW_MSG_ENTRY(msg, Message, &ThisClass::fn)

// Window messages bound to their conventional handler names.
#define ON_WM_CREATE() FW_MSG_ENTRY(WM_CREATE, Create, &ThisClass::OnCreate)
#define ON_WM_DESTROY() FW_MSG_ENTRY(WM_DESTROY, Void, &ThisClass::OnDestroy)
#define ON_WM_CLOSE() FW_MSG_ENTRY(WM_CLOSE, Void, &ThisClass::OnClose)
#define ON_WM_PAINT() FW_MSG_ENTRY(WM_PAINT, Void, &ThisClass::OnPaint)
#define ON_WM_SIZE() FW_MSG_ENTRY(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_TIMER() FW_MSG_ENTRY(WM_TIMER, Timer, &ThisClass::OnTimer)
#define ON_WM_HOTKEY() FW_MSG_ENTRY(WM_HOTKEY, HotKey, &ThisClass::OnHotKey)
#define ON_WM_KEYDOWN() FW_MSG_ENTRY(WM_KEYDOWN, Key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() FW_MSG_ENTRY(WM_KEYUP, Key, &ThisClass::OnKeyUp)
#define ON_WM_SETFOCUS() FW_MSG_ENTRY(WM_SETFOCUS, Focus, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() FW_MSG_ENTRY(WM_KILLFOCUS, Focus, &ThisClass::OnKillFocus)
#define ON_WM_MOUSELEAVE() FW_MSG_ENTRY(WM_MOUSELEAVE, Void, &ThisClass::OnMouseLeave)
#define ON_WM_DPICHANGED() FW_MSG_ENTRY(WM_DPICHANGED, DpiChanged, &ThisClass::OnDpiChanged)
#define ON_WM_LBUTTONDOWN() FW_MSG_ENTRY(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() FW_MSG_ENTRY(WM_LBUTTONUP, Mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() FW_MSG_ENTRY(WM_LBUTTONDBLCLK, Mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() FW_MSG_ENTRY(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_MOUSEMOVE() FW_MSG_ENTRY(WM_MOUSEMOVE, Mouse, &ThisClass::OnMouseMove)
#define ON_WM_CONTEXTMENU() FW_MSG_ENTRY(WM_CONTEXTMENU, ContextMenu, &ThisClass::OnContextMenu)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    FW_MSG_ENTRY(WM_WINDOWPOSCHANGING, WindowPos, &ThisClass::OnWindowPosChanging)
#define ON_WM_ERASEBKGND() FW_MSG_ENTRY(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_GETDLGCODE() FW_MSG_ENTRY(WM_GETDLGCODE, GetDlgCode, &ThisClass::OnGetDlgCode)
#define ON_WM_GETMINMAXINFO() FW_MSG_ENTRY(WM_GETMINMAXINFO, MinMaxInfo, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_CAPTURECHANGED() FW_MSG_ENTRY(WM_CAPTURECHANGED, CaptureChanged, &ThisClass::OnCaptureChanged)
#define ON_WM_SETCURSOR() FW_MSG_ENTRY(WM_SETCURSOR, SetCursor, &ThisClass::OnSetCursor)
#define ON_WM_ENDSESSION() FW_MSG_ENTRY(WM_ENDSESSION, EndSession, &ThisClass::OnEndSession)
#define ON_WM_DRAWITEM() FW_MSG_ENTRY(WM_DRAWITEM, DrawItem, &ThisClass::OnDrawItem)
