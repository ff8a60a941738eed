#include "inspect/styles/WindowStyleTables.h"

#include "inspect/PropertySink.h"

namespace orvex {

namespace {

constexpr std::uint32_t kChild = 0x40000000;

// No combined names (a caption shows as its border and dialog-frame bits). Bits 16 and 17 mean
// group and tab stop for a child, minimize and maximize box for anything else; they are named by
// the type bit as read, whatever type rows were shown.
constexpr StyleStep kWsSteps[] = {
    Zero(L"WS_OVERLAPPED", 0xC0000000),
    Flag(L"WS_POPUP", 0x80000000),
    Flag(L"WS_CHILD", kChild),
    Flag(L"WS_MINIMIZE", 0x20000000),
    Flag(L"WS_VISIBLE", 0x10000000),
    Flag(L"WS_DISABLED", 0x08000000),
    Flag(L"WS_CLIPSIBLINGS", 0x04000000),
    Flag(L"WS_CLIPCHILDREN", 0x02000000),
    Flag(L"WS_MAXIMIZE", 0x01000000),
    Flag(L"WS_BORDER", 0x00800000),
    Flag(L"WS_DLGFRAME", 0x00400000),
    Flag(L"WS_VSCROLL", 0x00200000),
    Flag(L"WS_HSCROLL", 0x00100000),
    Flag(L"WS_SYSMENU", 0x00080000),
    Flag(L"WS_THICKFRAME", 0x00040000),
    Flag(L"WS_GROUP", 0x00020000, IfHas(kChild)),
    Flag(L"WS_TABSTOP", 0x00010000, IfHas(kChild)),
    Flag(L"WS_MINIMIZEBOX", 0x00020000, IfLacks(kChild)),
    Flag(L"WS_MAXIMIZEBOX", 0x00010000, IfLacks(kChild)),
};

// Three bits have a named zero alternative; the Flag and the Zero of one bit stand together so
// that exactly one of them shows.
constexpr StyleStep kWsExSteps[] = {
    Flag(L"WS_EX_DLGMODALFRAME", 0x00000001),   Flag(L"WS_EX_NOPARENTNOTIFY", 0x00000004),
    Flag(L"WS_EX_TOPMOST", 0x00000008),         Flag(L"WS_EX_ACCEPTFILES", 0x00000010),
    Flag(L"WS_EX_TRANSPARENT", 0x00000020),     Flag(L"WS_EX_MDICHILD", 0x00000040),
    Flag(L"WS_EX_TOOLWINDOW", 0x00000080),      Flag(L"WS_EX_WINDOWEDGE", 0x00000100),
    Flag(L"WS_EX_CLIENTEDGE", 0x00000200),      Flag(L"WS_EX_CONTEXTHELP", 0x00000400),
    Flag(L"WS_EX_RIGHT", 0x00001000),           Zero(L"WS_EX_LEFT", 0x00001000),
    Flag(L"WS_EX_RTLREADING", 0x00002000),      Zero(L"WS_EX_LTRREADING", 0x00002000),
    Flag(L"WS_EX_LEFTSCROLLBAR", 0x00004000),   Zero(L"WS_EX_RIGHTSCROLLBAR", 0x00004000),
    Flag(L"WS_EX_CONTROLPARENT", 0x00010000),   Flag(L"WS_EX_STATICEDGE", 0x00020000),
    Flag(L"WS_EX_APPWINDOW", 0x00040000),       Flag(L"WS_EX_LAYERED", 0x00080000),
    Flag(L"WS_EX_NOINHERITLAYOUT", 0x00100000), Flag(L"WS_EX_NOREDIRECTIONBITMAP", 0x00200000),
    Flag(L"WS_EX_LAYOUTRTL", 0x00400000),       Flag(L"WS_EX_COMPOSITED", 0x02000000),
    Flag(L"WS_EX_NOACTIVATE", 0x08000000),
};

} // namespace

constinit const StyleTable kWsTable{kWsSteps, KIND_WINDOW_FLAG};
constinit const StyleTable kWsExTable{kWsExSteps, KIND_WINDOW_FLAG};

} // namespace orvex
