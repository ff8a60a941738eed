#include "msglog/MessageDetails.h"

#include "msglog/details/DetailDecoders.h"

#include <algorithm>
#include <iterator>

namespace orvex {

namespace {

struct DecoderEntry {
    std::uint32_t message;
    // The message's header name. A control's message is decoded only when the window's class gives
    // its number this name: 0x00B1 is EM_SETSEL to an edit and nothing to a button. Empty for a
    // window message the headers do not name.
    std::wstring_view name;
    DetailsDecoder decode;
};

// clang-format off
constexpr DecoderEntry kDecoders[] = {
    {0x0001, L"WM_CREATE", CreateDetails},
    {0x0003, L"WM_MOVE", MoveDetails},
    {0x0005, L"WM_SIZE", SizeDetails},
    {0x0006, L"WM_ACTIVATE", ActivateDetails},
    {0x0007, L"WM_SETFOCUS", SetFocusDetails},
    {0x0008, L"WM_KILLFOCUS", KillFocusDetails},
    {0x000A, L"WM_ENABLE", EnableDetails},
    {0x000C, L"WM_SETTEXT", SetTextDetails},
    {0x000D, L"WM_GETTEXT", GetTextDetails},
    {0x0014, L"WM_ERASEBKGND", EraseBackgroundDetails},
    {0x0018, L"WM_SHOWWINDOW", ShowWindowDetails},
    {0x001C, L"WM_ACTIVATEAPP", ActivateAppDetails},
    {0x0020, L"WM_SETCURSOR", SetCursorDetails},
    {0x0024, L"WM_GETMINMAXINFO", MinMaxInfoDetails},
    {0x002B, L"WM_DRAWITEM", DrawItemDetails},
    {0x002C, L"WM_MEASUREITEM", MeasureItemDetails},
    {0x0046, L"WM_WINDOWPOSCHANGING", WindowPosDetails},
    {0x0047, L"WM_WINDOWPOSCHANGED", WindowPosDetails},
    {0x004E, L"WM_NOTIFY", NotifyDetails},
    {0x007B, L"WM_CONTEXTMENU", ContextMenuDetails},
    {0x007C, L"WM_STYLECHANGING", StyleChangeDetails},
    {0x007D, L"WM_STYLECHANGED", StyleChangeDetails},
    {0x0081, L"WM_NCCREATE", CreateDetails},
    {0x0084, L"WM_NCHITTEST", HitTestDetails},
    {0x00A0, L"WM_NCMOUSEMOVE", NonClientMouseDetails},
    {0x00A1, L"WM_NCLBUTTONDOWN", NonClientMouseDetails},
    {0x00A2, L"WM_NCLBUTTONUP", NonClientMouseDetails},
    {0x00A3, L"WM_NCLBUTTONDBLCLK", NonClientMouseDetails},
    {0x00A4, L"WM_NCRBUTTONDOWN", NonClientMouseDetails},
    {0x00A5, L"WM_NCRBUTTONUP", NonClientMouseDetails},
    {0x00A6, L"WM_NCRBUTTONDBLCLK", NonClientMouseDetails},
    {0x00A7, L"WM_NCMBUTTONDOWN", NonClientMouseDetails},
    {0x00A8, L"WM_NCMBUTTONUP", NonClientMouseDetails},
    {0x00A9, L"WM_NCMBUTTONDBLCLK", NonClientMouseDetails},
    {0x00AB, L"WM_NCXBUTTONDOWN", NonClientMouseDetails},
    {0x00AC, L"WM_NCXBUTTONUP", NonClientMouseDetails},
    {0x00AD, L"WM_NCXBUTTONDBLCLK", NonClientMouseDetails},
    {0x00B0, L"EM_GETSEL", EditGetSelDetails},
    {0x00B1, L"EM_SETSEL", EditSetSelDetails},
    {0x00C2, L"EM_REPLACESEL", EditReplaceSelDetails},
    {0x00E0, L"SBM_SETPOS", ScrollSetPosDetails},
    {0x00E1, L"SBM_GETPOS", ScrollGetPosDetails},
    {0x00E2, L"SBM_SETRANGE", ScrollSetRangeDetails},
    {0x00E4, L"SBM_ENABLE_ARROWS", ScrollEnableArrowsDetails},
    {0x00E6, L"SBM_SETRANGEREDRAW", ScrollSetRangeDetails},
    {0x00E9, L"SBM_SETSCROLLINFO", ScrollInfoDetails},
    {0x00EA, L"SBM_GETSCROLLINFO", ScrollInfoDetails},
    {0x00F0, L"BM_GETCHECK", ButtonGetCheckDetails},
    {0x00F1, L"BM_SETCHECK", ButtonSetCheckDetails},
    {0x00F2, L"BM_GETSTATE", ButtonGetStateDetails},
    {0x00F3, L"BM_SETSTATE", ButtonSetStateDetails},
    {0x0100, L"WM_KEYDOWN", KeystrokeDetails},
    {0x0101, L"WM_KEYUP", KeystrokeDetails},
    {0x0102, L"WM_CHAR", CharacterDetails},
    {0x0103, L"WM_DEADCHAR", CharacterDetails},
    {0x0104, L"WM_SYSKEYDOWN", KeystrokeDetails},
    {0x0105, L"WM_SYSKEYUP", KeystrokeDetails},
    {0x0106, L"WM_SYSCHAR", CharacterDetails},
    {0x0107, L"WM_SYSDEADCHAR", CharacterDetails},
    {0x0111, L"WM_COMMAND", CommandDetails},
    {0x0112, L"WM_SYSCOMMAND", SysCommandDetails},
    {0x0113, L"WM_TIMER", TimerDetails},
    {0x0114, L"WM_HSCROLL", HorizontalScrollDetails},
    {0x0115, L"WM_VSCROLL", VerticalScrollDetails},
    {0x0117, L"WM_INITMENUPOPUP", InitMenuPopupDetails},
    {0x0118, L"", CaretTimerDetails},
    {0x011F, L"WM_MENUSELECT", MenuSelectDetails},
    {0x0132, L"WM_CTLCOLORMSGBOX", ControlColorDetails},
    {0x0133, L"WM_CTLCOLOREDIT", ControlColorDetails},
    {0x0134, L"WM_CTLCOLORLISTBOX", ControlColorDetails},
    {0x0135, L"WM_CTLCOLORBTN", ControlColorDetails},
    {0x0136, L"WM_CTLCOLORDLG", ControlColorDetails},
    {0x0137, L"WM_CTLCOLORSCROLLBAR", ControlColorDetails},
    {0x0138, L"WM_CTLCOLORSTATIC", ControlColorDetails},
    {0x0143, L"CB_ADDSTRING", ListAddStringDetails},
    {0x0144, L"CB_DELETESTRING", ListIndexGivesCountDetails},
    {0x0145, L"CB_DIR", ListDirDetails},
    {0x0146, L"CB_GETCOUNT", ListGivesCountDetails},
    {0x0147, L"CB_GETCURSEL", ListGivesIndexDetails},
    {0x0148, L"CB_GETLBTEXT", ListIndexGivesLengthDetails},
    {0x0149, L"CB_GETLBTEXTLEN", ListIndexGivesLengthDetails},
    {0x014A, L"CB_INSERTSTRING", ListInsertStringDetails},
    {0x014C, L"CB_FINDSTRING", ListFindStringDetails},
    {0x014D, L"CB_SELECTSTRING", ListFindStringDetails},
    {0x014E, L"CB_SETCURSEL", ListIndexGivesIndexDetails},
    {0x014F, L"CB_SHOWDROPDOWN", ComboShowDropDownDetails},
    {0x0150, L"CB_GETITEMDATA", ListIndexDetails},
    {0x0151, L"CB_SETITEMDATA", ListIndexDetails},
    {0x0158, L"CB_FINDSTRINGEXACT", ListFindStringDetails},
    {0x015B, L"CB_GETTOPINDEX", ListGivesIndexDetails},
    {0x015C, L"CB_SETTOPINDEX", ListIndexDetails},
    {0x0180, L"LB_ADDSTRING", ListAddStringDetails},
    {0x0181, L"LB_INSERTSTRING", ListInsertStringDetails},
    {0x0182, L"LB_DELETESTRING", ListIndexGivesCountDetails},
    {0x0185, L"LB_SETSEL", ListSetSelDetails},
    {0x0186, L"LB_SETCURSEL", ListIndexGivesIndexDetails},
    {0x0187, L"LB_GETSEL", ListIndexDetails},
    {0x0188, L"LB_GETCURSEL", ListGivesIndexDetails},
    {0x0189, L"LB_GETTEXT", ListIndexGivesLengthDetails},
    {0x018A, L"LB_GETTEXTLEN", ListIndexGivesLengthDetails},
    {0x018B, L"LB_GETCOUNT", ListGivesCountDetails},
    {0x018C, L"LB_SELECTSTRING", ListFindStringDetails},
    {0x018D, L"LB_DIR", ListDirDetails},
    {0x018E, L"LB_GETTOPINDEX", ListGivesIndexDetails},
    {0x018F, L"LB_FINDSTRING", ListFindStringDetails},
    {0x0190, L"LB_GETSELCOUNT", ListGivesCountDetails},
    {0x0197, L"LB_SETTOPINDEX", ListIndexDetails},
    {0x0199, L"LB_GETITEMDATA", ListIndexDetails},
    {0x019A, L"LB_SETITEMDATA", ListIndexDetails},
    {0x019E, L"LB_SETCARETINDEX", ListIndexDetails},
    {0x019F, L"LB_GETCARETINDEX", ListGivesIndexDetails},
    {0x01A2, L"LB_FINDSTRINGEXACT", ListFindStringDetails},
    {0x0200, L"WM_MOUSEMOVE", ClientMouseDetails},
    {0x0201, L"WM_LBUTTONDOWN", ClientMouseDetails},
    {0x0202, L"WM_LBUTTONUP", ClientMouseDetails},
    {0x0203, L"WM_LBUTTONDBLCLK", ClientMouseDetails},
    {0x0204, L"WM_RBUTTONDOWN", ClientMouseDetails},
    {0x0205, L"WM_RBUTTONUP", ClientMouseDetails},
    {0x0206, L"WM_RBUTTONDBLCLK", ClientMouseDetails},
    {0x0207, L"WM_MBUTTONDOWN", ClientMouseDetails},
    {0x0208, L"WM_MBUTTONUP", ClientMouseDetails},
    {0x0209, L"WM_MBUTTONDBLCLK", ClientMouseDetails},
    {0x020A, L"WM_MOUSEWHEEL", MouseWheelDetails},
    {0x020B, L"WM_XBUTTONDOWN", ClientMouseDetails},
    {0x020C, L"WM_XBUTTONUP", ClientMouseDetails},
    {0x020D, L"WM_XBUTTONDBLCLK", ClientMouseDetails},
    {0x020E, L"WM_MOUSEHWHEEL", MouseWheelDetails},
    {0x0210, L"WM_PARENTNOTIFY", ParentNotifyDetails},
    {0x02A0, L"WM_NCMOUSEHOVER", NonClientMouseDetails},
    {0x02A1, L"WM_MOUSEHOVER", ClientMouseDetails},
    {0x0401, L"SB_SETTEXTA", StatusSetTextDetails},
    {0x0404, L"TTM_ADDTOOLA", ToolInfoTextDetails},
    {0x0409, L"TTM_SETTOOLINFOA", ToolInfoTextDetails},
    {0x040B, L"SB_SETTEXTW", StatusSetTextDetails},
    {0x040C, L"TTM_UPDATETIPTEXTA", ToolInfoTextDetails},
    {0x0420, L"TTM_SETTITLEA", ToolTitleDetails},
    {0x0421, L"TTM_SETTITLEW", ToolTitleDetails},
    {0x0432, L"TTM_ADDTOOLW", ToolInfoTextDetails},
    {0x0436, L"TTM_SETTOOLINFOW", ToolInfoTextDetails},
    {0x0439, L"TTM_UPDATETIPTEXTW", ToolInfoTextDetails},
    {0x1501, L"EM_SETCUEBANNER", EditSetCueBannerDetails},
};
// clang-format on

// The lookup searches by halves; an entry out of order would silently never decode.
static_assert(std::adjacent_find(std::begin(kDecoders), std::end(kDecoders),
                                 [](const DecoderEntry& a, const DecoderEntry& b) {
                                     return a.message >= b.message;
                                 }) == std::end(kDecoders));

} // namespace

std::wstring MessageDetails(const MessageRecord& record, std::span<const std::byte> payload,
                            const DetailsContext& context) {
    const auto entry = std::lower_bound(
        std::begin(kDecoders), std::end(kDecoders), record.message,
        [](const DecoderEntry& candidate, std::uint32_t message) { return candidate.message < message; });
    if (entry == std::end(kDecoders) || entry->message != record.message)
        return {};
    // Window messages mean the same to every class, named or not; a control's message is its class's.
    const bool windowMessage = entry->name.empty() || entry->name.starts_with(L"WM_");
    const std::wstring className =
        windowMessage || !context.className ? std::wstring() : context.className(record.window);
    if (HeaderMessageName(record.message, className) != entry->name)
        return {};
    return entry->decode(DetailsInput{record, payload, context, entry->name});
}

} // namespace orvex
