// The message log's "Details" column: a message's parameters as the window reads them, one example
// per decoder, and payloads from the logged program that are not what they claim to be.
#include "msglog/MessageDetails.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace orvex;

constexpr std::uint32_t kWmCreate = 0x0001, kWmMove = 0x0003, kWmSize = 0x0005, kWmActivate = 0x0006,
                        kWmSetFocus = 0x0007, kWmKillFocus = 0x0008, kWmEnable = 0x000A, kWmSetText = 0x000C,
                        kWmGetText = 0x000D, kWmEraseBkgnd = 0x0014, kWmShowWindow = 0x0018,
                        kWmActivateApp = 0x001C, kWmSetCursor = 0x0020, kWmGetMinMaxInfo = 0x0024,
                        kWmWindowPosChanged = 0x0047, kWmNotify = 0x004E, kWmStyleChanged = 0x007D,
                        kWmNcCreate = 0x0081, kWmNcHitTest = 0x0084, kWmNcLButtonDown = 0x00A1,
                        kWmNcXButtonUp = 0x00AC, kWmKeyDown = 0x0100, kWmKeyUp = 0x0101, kWmChar = 0x0102,
                        kWmSysKeyDown = 0x0104, kWmCommand = 0x0111, kWmSysCommand = 0x0112,
                        kWmTimer = 0x0113, kWmCtlColorEdit = 0x0133, kWmMouseMove = 0x0200,
                        kWmLButtonDown = 0x0201, kWmMouseWheel = 0x020A, kWmXButtonDown = 0x020B,
                        kWmMouseHover = 0x02A1;
constexpr std::uint32_t kEmGetSel = 0x00B0, kEmSetSel = 0x00B1, kBmGetCheck = 0x00F0, kBmSetCheck = 0x00F1,
                        kCbGetCurSel = 0x0147, kCbShowDropDown = 0x014F, kLbAddString = 0x0180,
                        kLbDeleteString = 0x0182, kLbSetSel = 0x0185, kLbSetCurSel = 0x0186,
                        kLbGetTextLen = 0x018A, kCbInsertString = 0x014A;

constexpr std::uint64_t kWindow = 0x00010042;
constexpr std::uint64_t kPointer = 0x7FF0; // a parameter that points into the logged program
constexpr std::uint64_t kMinusOne = ~0ull; // -1 as a 64-bit program's parameter holds it
constexpr std::uint64_t kMinusTwo = ~1ull;

MessageRecord Record(std::uint32_t message, std::uint64_t wParam, std::uint64_t lParam,
                     MessageKind kind = MessageKind::Sent, std::uint64_t result = 0) {
    MessageRecord record;
    record.kind = kind;
    record.message = message;
    record.window = kWindow;
    record.wParam = wParam;
    record.lParam = lParam;
    record.result = result;
    return record;
}

MessageRecord Returned(std::uint32_t message, std::uint64_t wParam, std::uint64_t lParam,
                       std::uint64_t result) {
    return Record(message, wParam, lParam, MessageKind::Returned, result);
}

// Every window is of `className`, the way a log of one control sees its windows.
std::wstring Details(const MessageRecord& record, std::wstring className = L"",
                     std::span<const std::byte> payload = {}) {
    DetailsContext context{[className](std::uint64_t) { return className; },
                           [](std::uint32_t) { return std::optional<std::wstring>(L"MyMessage"); }};
    return MessageDetails(record, payload, context);
}

struct Payload {
    PayloadKind kind;
    std::vector<std::byte> bytes;
};

template <typename Header>
Payload PayloadOf(PayloadKind kind, const Header& header, std::u16string_view units = {}) {
    Payload payload{kind, std::vector<std::byte>(sizeof(Header) + units.size() * 2)};
    std::memcpy(payload.bytes.data(), &header, sizeof(Header));
    if (!units.empty())
        std::memcpy(payload.bytes.data() + sizeof(Header), units.data(), units.size() * 2);
    return payload;
}

Payload TextOf(std::u16string_view text, std::uint32_t length, std::uint16_t flags = 0) {
    return PayloadOf(PayloadKind::Text, TextPayload{length, static_cast<std::uint16_t>(text.size()), flags},
                     text);
}

std::wstring Details(MessageRecord record, const Payload& payload, std::wstring className = L"") {
    record.payload = payload.kind;
    return Details(record, className, payload.bytes);
}

TEST(MessageDetails, MouseInTheClientAreaAndOutside) {
    EXPECT_EQ(Details(Record(kWmMouseMove, 0x0005, 0x0028000C)), L"x=12 y=40 MK_LBUTTON|MK_SHIFT");
    // The point is in the low 32 bits only, each word signed; wParam bits no MK_ names stay visible.
    EXPECT_EQ(Details(Record(kWmLButtonDown, 0x0081, 0xFFFFFFFFFFF6FFFBull)),
              L"x=-5 y=-10 MK_LBUTTON|0x0080");
    EXPECT_EQ(Details(Record(kWmMouseHover, 0, 0x00030004)), L"x=4 y=3");
    EXPECT_EQ(Details(Record(kWmXButtonDown, 0x00020040, 0x00030004)), L"x=4 y=3 XBUTTON2 MK_XBUTTON2");
    EXPECT_EQ(Details(Record(kWmMouseWheel, 0xFF880008, 0x01F40190)), L"delta=-120 x=400 y=500 MK_CONTROL");

    EXPECT_EQ(Details(Record(kWmNcLButtonDown, 2, 0x00140064)), L"x=100 y=20 HTCAPTION");
    EXPECT_EQ(Details(Record(kWmNcXButtonUp, 0x00010014, 0x00140064)), L"x=100 y=20 XBUTTON1 HTCLOSE");
    EXPECT_EQ(Details(Record(kWmNcHitTest, 0, 0x00140064)), L"x=100 y=20");
    EXPECT_EQ(Details(Returned(kWmNcHitTest, 0, 0x00140064, kMinusTwo)), L"x=100 y=20 HTERROR");
    EXPECT_EQ(Details(Returned(kWmNcHitTest, 0, 0x00140064, kMinusOne)), L"x=100 y=20 HTTRANSPARENT");
    EXPECT_EQ(Details(Returned(kWmNcHitTest, 0, 0x00140064, 99)), L"x=100 y=20 hit=99");

    EXPECT_EQ(Details(Record(kWmSetCursor, kWindow, 0x02010001)),
              L"window=0x00010042 HTCLIENT WM_LBUTTONDOWN");
    EXPECT_EQ(Details(Record(kWmSetCursor, kWindow, 0xC123FFFE)), L"window=0x00010042 HTERROR \"MyMessage\"");
}

TEST(MessageDetails, KeystrokesAndCharacters) {
    EXPECT_EQ(Details(Record(kWmKeyDown, 0x0D, 0x011C0001)),
              L"VK_RETURN repeat=1 scan=0x1C extended previous=up pressed");
    EXPECT_EQ(Details(Record(kWmKeyUp, 'A', 0xC01E0001)), L"A repeat=1 scan=0x1E previous=down released");
    EXPECT_EQ(Details(Record(kWmSysKeyDown, 0x74, 0x603F0003)),
              L"VK_F5 repeat=3 scan=0x3F alt previous=down pressed");
    EXPECT_EQ(Details(Record(kWmKeyDown, 0xFF, 0)), L"0xFF repeat=0 scan=0x00 previous=up pressed");

    EXPECT_EQ(Details(Record(kWmChar, 'a', 0x001E0001)),
              L"'a' U+0061 repeat=1 scan=0x1E previous=up pressed");
    EXPECT_EQ(Details(Record(kWmChar, 0x0D, 0)), L"U+000D repeat=0 scan=0x00 previous=up pressed");
    EXPECT_EQ(Details(Record(kWmChar, 0xD83D, 0)), L"U+D83D repeat=0 scan=0x00 previous=up pressed");
}

TEST(MessageDetails, CommandsAndNotificationsByTheSendersClass) {
    EXPECT_EQ(Details(Record(kWmCommand, 1001, kWindow), L"BUTTON"),
              L"BN_CLICKED id=1001 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmCommand, 0x030003E9, kWindow), L"Edit"),
              L"EN_CHANGE id=1001 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmCommand, 0xFFFE03E9, kWindow), L"ListBox"),
              L"LBN_ERRSPACE id=1001 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmCommand, 0x000103E9, kWindow), L"ComboBox"),
              L"CBN_SELCHANGE id=1001 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmCommand, 0x030003E9, kWindow), L"MyControl"),
              L"id=1001 code=0x0300 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmCommand, 40001, 0)), L"menu id=40001");
    EXPECT_EQ(Details(Record(kWmCommand, 0x00019C41, 0)), L"accelerator id=40001");

    const auto notify = [](std::uint32_t code) {
        return PayloadOf(PayloadKind::NotifyHeader, NotifyHeaderPayload{kWindow, 1001, code, 0});
    };
    const MessageRecord record = Record(kWmNotify, 1001, kPointer);
    EXPECT_EQ(Details(record, notify(0xFFFFFFFE), L"AnyClass"), L"NM_CLICK id=1001 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0xFFFFFF9B), L"SysListView32"),
              L"LVN_ITEMCHANGED id=1001 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0xFFFFFDEE), L"tooltips_class32"),
              L"TTN_GETDISPINFOW id=1001 control=0x00010042");
    // DTN_FORMATW and MCN_GETDAYSTATE share a code: the sender tells which, and a sender that is
    // gone gets a name only for a code one family has.
    EXPECT_EQ(Details(record, notify(0xFFFFFD19), L"SysMonthCal32"),
              L"MCN_GETDAYSTATE id=1001 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0xFFFFFD19), L""), L"id=1001 code=0xFFFFFD19 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0xFFFFFE3D), L""), L"TVN_SELCHANGEDW id=1001 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0x0702), L"RichEdit20W"), L"EN_SELCHANGE id=1001 control=0x00010042");
    EXPECT_EQ(Details(record, notify(0x0702), L""), L"id=1001 code=0x00000702 control=0x00010042");
    EXPECT_EQ(Details(record), L"id=1001") << "no header copied";
}

TEST(MessageDetails, TheReturnedNotificationKeepsItsCodeAndNamesItsDrawingStageAndResult) {
    const auto header = [](std::uint32_t code, std::uint32_t stage = 0) {
        return PayloadOf(PayloadKind::NotifyHeader, NotifyHeaderPayload{kWindow, 203, code, stage});
    };
    constexpr std::uint32_t kNmClick = 0xFFFFFFFE, kNmCustomDraw = 0xFFFFFFF4;
    EXPECT_EQ(Details(Returned(kWmNotify, 203, kPointer, 0), header(kNmClick)),
              L"NM_CLICK id=203 control=0x00010042");
    EXPECT_EQ(Details(Record(kWmNotify, 203, kPointer), header(kNmCustomDraw, 0x1)),
              L"NM_CUSTOMDRAW id=203 control=0x00010042 CDDS_PREPAINT");
    EXPECT_EQ(Details(Returned(kWmNotify, 203, kPointer, 0x20), header(kNmCustomDraw, 0x1)),
              L"NM_CUSTOMDRAW id=203 control=0x00010042 CDDS_PREPAINT CDRF_NOTIFYITEMDRAW");
    // At an item's stage the same bit asks for its subitems.
    EXPECT_EQ(Details(Returned(kWmNotify, 203, kPointer, 0x24), header(kNmCustomDraw, 0x30001)),
              L"NM_CUSTOMDRAW id=203 control=0x00010042 CDDS_ITEMPREPAINT|CDDS_SUBITEM "
              L"CDRF_SKIPDEFAULT|CDRF_NOTIFYSUBITEMDRAW");
    EXPECT_EQ(Details(Returned(kWmNotify, 203, kPointer, 0), header(kNmCustomDraw, 0x5)),
              L"NM_CUSTOMDRAW id=203 control=0x00010042 stage=0x00000005 CDRF_DODEFAULT");
}

TEST(MessageDetails, PositionSizeActivationAndTheWindowsOwnLife) {
    EXPECT_EQ(Details(Record(kWmSize, 2, 0x01E00280)), L"SIZE_MAXIMIZED 640x480");
    EXPECT_EQ(Details(Record(kWmSize, 9, 0)), L"type=9 0x0");
    EXPECT_EQ(Details(Record(kWmMove, 0, 0xFFECFFF6)), L"x=-10 y=-20");

    const WindowPosPayload pos{kWindow, kMinusOne, -8, 10, 640, 480, 0x1803, 0};
    EXPECT_EQ(
        Details(Record(kWmWindowPosChanged, 0, kPointer), PayloadOf(PayloadKind::WindowPos, pos)),
        L"after=HWND_TOPMOST x=-8 y=10 640x480 SWP_NOSIZE|SWP_NOMOVE|SWP_NOCLIENTSIZE|SWP_NOCLIENTMOVE");
    const MinMaxInfoPayload info{{0, 0}, {1936, 1096}, {-8, -8}, {136, 39}, {1940, 1100}};
    EXPECT_EQ(Details(Returned(kWmGetMinMaxInfo, 0, kPointer, 0), PayloadOf(PayloadKind::MinMaxInfo, info)),
              L"maxSize=1936x1096 maxPosition=-8,-8 minTrack=136x39 maxTrack=1940x1100");

    EXPECT_EQ(Details(Record(kWmShowWindow, 1, 0)), L"shown");
    EXPECT_EQ(Details(Record(kWmShowWindow, 0, 1)), L"hidden SW_PARENTCLOSING");
    EXPECT_EQ(Details(Record(kWmActivate, 0x00010002, 0x0002002A)),
              L"WA_CLICKACTIVE minimized other=0x0002002A");
    EXPECT_EQ(Details(Record(kWmActivateApp, 0, 4660)), L"inactive thread=4660");
    EXPECT_EQ(Details(Record(kWmSetFocus, 0x0002002A, 0)), L"from=0x0002002A");
    EXPECT_EQ(Details(Record(kWmKillFocus, 0x123456789ull, 0)), L"to=0x0000000123456789");
    EXPECT_EQ(Details(Record(kWmEnable, 0, 0)), L"disabled");

    EXPECT_EQ(Details(Record(kWmSysCommand, 0xF063, 0x00140064)), L"SC_CLOSE x=100 y=20");
    EXPECT_EQ(Details(Record(kWmSysCommand, 0xF100, 'f')), L"SC_KEYMENU key='f' U+0066");
    EXPECT_EQ(Details(Record(kWmSysCommand, 0x0123, 0)), L"command=0x0123");
    EXPECT_EQ(Details(Record(kWmTimer, 7, 0)), L"id=7");
    EXPECT_EQ(Details(Record(kWmTimer, 7, 0x7FF612340000ull)), L"id=7 callback=0x00007FF612340000");
    // 0x0118 keeps its number for a name; to an edit, where carets blink, it is decoded all the same.
    constexpr std::uint32_t kCaretTimer = 0x0118;
    EXPECT_EQ(MessageName(kCaretTimer, L"Edit", {}), L"0x0118");
    EXPECT_EQ(Details(Record(kCaretTimer, 0xFFFF, 0), L"Edit"), L"caret blink timer id=65535");

    const StyleChangePayload change{0x14CF0000, 0x16CF0000, static_cast<std::uint32_t>(-16), 0};
    EXPECT_EQ(Details(Record(kWmStyleChanged, 0xFFFFFFFFFFFFFFF0ull, kPointer),
                      PayloadOf(PayloadKind::StyleChange, change)),
              L"GWL_STYLE old=0x14CF0000 new=0x16CF0000");
    EXPECT_EQ(Details(Record(kWmStyleChanged, 0xFFFFFFFFFFFFFFECull, kPointer)), L"GWL_EXSTYLE");

    EXPECT_EQ(Details(Record(kWmCtlColorEdit, 0x01010F2A, kWindow)), L"dc=0x01010F2A control=0x00010042");
    EXPECT_EQ(Details(Record(kWmEraseBkgnd, 0x01010F2A, 0)), L"dc=0x01010F2A");
}

TEST(MessageDetails, TextsGivenAndReturnedAndCreation) {
    EXPECT_EQ(Details(Record(kWmSetText, 0, kPointer), TextOf(u"Untitled", 8)), L"\"Untitled\" (8 chars)");
    EXPECT_EQ(Details(Record(kWmSetText, 0, kPointer), TextOf(u"a\r\n\tb\x1b", 6)),
              L"\"a\\r\\n\\tb\\x1B\" (6 chars)");
    EXPECT_EQ(Details(Record(kWmSetText, 0, kPointer), TextOf(u"x", 1)), L"\"x\" (1 char)");
    const std::u16string first64(64, u'w');
    const std::wstring shown = L"\"" + std::wstring(64, L'w') + L"\"\u2026";
    EXPECT_EQ(Details(Record(kWmSetText, 0, kPointer), TextOf(first64, 300)), shown + L" (300 chars)");
    EXPECT_EQ(Details(Record(kWmSetText, 0, kPointer), TextOf(first64, 65536, 1)),
              shown + L" (at least 65536 chars)");

    EXPECT_EQ(Details(Record(kWmGetText, 256, kPointer)), L"buffer=256");
    EXPECT_EQ(Details(Returned(kWmGetText, 256, kPointer, 5), TextOf(u"Hello", 5)), L"\"Hello\" (5 chars)");

    CreateStructPayload create{-8, 10, 640, 480, 0x50010080, 0x00000200, 0, 1001, 0, 4, 2};
    EXPECT_EQ(
        Details(Record(kWmCreate, 0, kPointer), PayloadOf(PayloadKind::CreateStruct, create, u"EditOK")),
        L"class=\"Edit\" name=\"OK\" x=-8 y=10 640x480 style=0x50010080 exStyle=0x00000200");
    create.classAtom = 32770;
    create.classChars = 0;
    create.nameChars = 0;
    EXPECT_EQ(Details(Record(kWmNcCreate, 0, kPointer), PayloadOf(PayloadKind::CreateStruct, create)),
              L"class=#32770 name=\"\" x=-8 y=10 640x480 style=0x50010080 exStyle=0x00000200");
}

TEST(MessageDetails, ControlMessagesOnlyToTheirClass) {
    EXPECT_EQ(Details(Record(kEmSetSel, 0, kMinusOne), L"Edit"), L"start=0 end=-1");
    EXPECT_EQ(Details(Record(kEmSetSel, 2, 5), L"RICHEDIT50W"), L"start=2 end=5");
    EXPECT_EQ(Details(Record(kEmSetSel, 2, 5), L"Button"), L"") << "0x00B1 is not EM_SETSEL to a button";
    EXPECT_EQ(Details(Record(kEmGetSel, 0, 0), L"Edit"), L"");
    EXPECT_EQ(Details(Returned(kEmGetSel, 0, 0, 0x00050002), L"Edit"), L"start=2 end=5");

    EXPECT_EQ(Details(Record(kBmSetCheck, 2, 0), L"Button"), L"BST_INDETERMINATE");
    EXPECT_EQ(Details(Returned(kBmGetCheck, 0, 0, 1), L"Button"), L"BST_CHECKED");
    EXPECT_EQ(Details(Record(kBmSetCheck, 2, 0), L"Edit"), L"");

    EXPECT_EQ(Details(Record(kLbSetCurSel, 3, 0), L"ListBox"), L"index=3");
    EXPECT_EQ(Details(Returned(kLbSetCurSel, kMinusOne, 0, kMinusOne), L"ListBox"), L"index=-1 LB_ERR");
    // The index given and the index answered never share a label.
    EXPECT_EQ(Details(Returned(kLbSetCurSel, 1, 0, 1), L"ListBox"), L"index=1 result=1");
    EXPECT_EQ(Details(Returned(kCbInsertString, kMinusOne, kPointer, 4), L"ComboBox"), L"index=-1 result=4");
    EXPECT_EQ(Details(Returned(kLbGetTextLen, 3, 0, 12), L"ListBox"), L"index=3 length=12");
    EXPECT_EQ(Details(Returned(kLbDeleteString, 3, 0, 4), L"ListBox"), L"index=3 count=4");
    EXPECT_EQ(Details(Returned(kLbAddString, 0, kPointer, kMinusTwo), L"ListBox"), L"LB_ERRSPACE");
    EXPECT_EQ(Details(Record(kLbSetSel, 1, kMinusOne), L"ListBox"), L"select index=-1");
    EXPECT_EQ(Details(Returned(kCbGetCurSel, 0, 0, kMinusOne), L"ComboBox"), L"CB_ERR");
    EXPECT_EQ(Details(Returned(kCbGetCurSel, 0, 0, 2), L"ComboBox"), L"index=2");
    EXPECT_EQ(Details(Record(kCbShowDropDown, 1, 0), L"ComboBox"), L"show");
    EXPECT_EQ(Details(Record(kLbSetCurSel, 3, 0), L"ComboBox"), L"");
}

TEST(MessageDetails, StringsThatControlMessagesCarry) {
    const Payload apple = TextOf(u"apple", 5);
    const Payload unreadable = PayloadOf(PayloadKind::Text, TextPayload{0, 0, kTextNotReadable});
    struct Case {
        std::uint32_t message;
        std::uint64_t wParam, lParam;
        const Payload* payload;
        std::wstring_view className, expected;
    };
    const Case cases[] = {
        {0x0180, 0, kPointer, &apple, L"ListBox", L"\"apple\" (5 chars)"},                  // LB_ADDSTRING
        {0x0180, 0, 0x1234, nullptr, L"ListBox", L"data=0x00001234"},                       // owner-drawn
        {0x0181, 2, kPointer, &apple, L"ListBox", L"index=2 \"apple\" (5 chars)"},          // LB_INSERTSTRING
        {0x018F, kMinusOne, kPointer, &apple, L"ListBox", L"start=-1 \"apple\" (5 chars)"}, // LB_FINDSTRING
        {0x0158, 3, kPointer, &apple, L"ComboBox", L"start=3 \"apple\" (5 chars)"}, // CB_FINDSTRINGEXACT
        {0x018D, 0x4010, kPointer, &apple, L"ListBox", L"\"apple\" (5 chars) DDL_DIRECTORY|DDL_DRIVES"},
        {0x0143, 0, kPointer, &unreadable, L"ComboBox", L"<text not readable>"}, // CB_ADDSTRING
        {0x000C, 0, kPointer, &unreadable, L"Edit", L"<text not readable>"},     // WM_SETTEXT
        {0x000C, 0, kPointer, nullptr, L"Edit", L"<text not readable>"},
        {0x000C, 0, 0, nullptr, L"Edit", L"NULL"},
        {0x00C2, 1, kPointer, &apple, L"Edit", L"\"apple\" (5 chars) undoable"},           // EM_REPLACESEL
        {0x1501, 1, kPointer, &apple, L"Edit", L"\"apple\" (5 chars) shown when focused"}, // EM_SETCUEBANNER
        {0x0432, 0, kPointer, &apple, L"tooltips_class32", L"\"apple\" (5 chars)"},        // TTM_ADDTOOLW
        {0x0404, 0, kPointer, &apple, L"Button", L""}, // 0x0404 is no TTM_ADDTOOLA to a button
        {0x0421, 1, kPointer, &apple, L"tooltips_class32", L"\"apple\" (5 chars) TTI_INFO"}, // TTM_SETTITLEW
        {0x040B, 0x0201, kPointer, &apple, L"msctls_statusbar32", L"part=1 \"apple\" (5 chars) SBT_POPOUT"},
        {0x040B, 0x10FF, 7, nullptr, L"msctls_statusbar32", L"simple data=0x00000007 SBT_OWNERDRAW"},
    };
    for (const Case& c : cases) {
        MessageRecord record = Record(c.message, c.wParam, c.lParam);
        const std::wstring className(c.className);
        EXPECT_EQ(c.payload ? Details(record, *c.payload, className) : Details(record, className), c.expected)
            << std::hex << c.message;
    }
    const auto callback = PayloadOf(PayloadKind::Text, TextPayload{0, 0, kTextCallback});
    EXPECT_EQ(Details(Record(0x0439, 0, kPointer), callback, L"tooltips_class32"), L"LPSTR_TEXTCALLBACK");
    const auto resource = PayloadOf(PayloadKind::Text, TextPayload{101, 0, kTextResource});
    EXPECT_EQ(Details(Record(0x0439, 0, kPointer), resource, L"tooltips_class32"), L"resource=#101");
    // The returned line answers; the string was the sent line's.
    EXPECT_EQ(Details(Returned(0x0181, 2, kPointer, 2), L"ListBox"), L"index=2 result=2");
}

TEST(MessageDetails, ScrollingMenusOwnerDrawingAndParentNotes) {
    struct Case {
        std::uint32_t message;
        std::uint64_t wParam, lParam;
        std::wstring_view className, expected;
        MessageKind kind = MessageKind::Sent;
        std::uint64_t result = 0;
    };
    const Case cases[] = {
        {0x0115, 1, 0, L"", L"SB_LINEDOWN"}, // WM_VSCROLL
        {0x0114, 0x00280005, kWindow, L"", L"SB_THUMBTRACK pos=40 scrollbar=0x00010042"},
        {0x0114, 6, 0, L"", L"SB_LEFT"},
        {0x0115, 12, 0, L"", L"request=12"},
        {0x00E0, 5, 1, L"ScrollBar", L"pos=5 redraw previous=3", MessageKind::Returned, 3},
        {0x00E1, 0, 0, L"ScrollBar", L"pos=7", MessageKind::Returned, 7},
        {0x00E2, 0, 100, L"ScrollBar", L"min=0 max=100"},
        {0x00E4, 3, 0, L"ScrollBar", L"ESB_DISABLE_BOTH"},
        {0x00E0, 5, 1, L"Edit", L""},
        {0x00F3, 1, 0, L"Button", L"pushed"}, // BM_SETSTATE
        {0x00F2, 0, 0, L"Button", L"BST_CHECKED|BST_PUSHED|BST_FOCUS", MessageKind::Returned, 0xD},
        {0x007B, kWindow, 0x00C80064, L"", L"window=0x00010042 x=100 y=200"}, // WM_CONTEXTMENU
        {0x007B, kWindow, 0xFFFFFFFF, L"", L"window=0x00010042 from keyboard"},
        {0x011F, 0x80809C41, 0x00020044, L"", L"id=40001 MF_HILITE|MF_MOUSESELECT menu=0x00020044"},
        {0x011F, 0x00900002, 0x00020044, L"", L"index=2 MF_POPUP|MF_HILITE menu=0x00020044"},
        {0x011F, 0xFFFF0000, 0, L"", L"menu closed"},
        {0x0117, 0x00020044, 0x00010003, L"", L"menu=0x00020044 index=3 system menu"},
        {0x0210, 0x00050001, kWindow, L"", L"WM_CREATE id=5 child=0x00010042"}, // WM_PARENTNOTIFY
        {0x0210, 0x0201, 0x00140064, L"", L"WM_LBUTTONDOWN x=100 y=20"},
        {0x0210, 0x0002020B, 0x00140064, L"", L"WM_XBUTTONDOWN XBUTTON2 x=100 y=20"},
    };
    for (const Case& c : cases) {
        const MessageRecord record = Record(c.message, c.wParam, c.lParam, c.kind, c.result);
        EXPECT_EQ(Details(record, std::wstring(c.className)), c.expected) << std::hex << c.message;
    }

    const ScrollInfoPayload info{0x17, 0, 100, 10, 40, 0};
    EXPECT_EQ(Details(Record(0x00E9, 1, kPointer), PayloadOf(PayloadKind::ScrollInfo, info), L"ScrollBar"),
              L"SIF_RANGE|SIF_PAGE|SIF_POS|SIF_TRACKPOS min=0 max=100 page=10 pos=40 track=0 redraw");
    EXPECT_EQ(
        Details(Returned(0x00EA, 0, kPointer, 1), PayloadOf(PayloadKind::ScrollInfo, info), L"ScrollBar"),
        L"SIF_RANGE|SIF_PAGE|SIF_POS|SIF_TRACKPOS min=0 max=100 page=10 pos=40 track=0");

    const DrawItemPayload draw{2, 1001, 3, 0x1, 0x11, 0, kWindow, 0x01010F2A, 0, 16, 120, 32, 0};
    EXPECT_EQ(Details(Record(0x002B, 1001, kPointer), PayloadOf(PayloadKind::DrawItem, draw)),
              L"ODT_LISTBOX id=1001 item=3 ODA_DRAWENTIRE ODS_SELECTED|ODS_FOCUS control=0x00010042 "
              L"rect=0,16,120,32");
    const DrawItemPayload menu{1, 0, 40001, 0x2, 0x1, 0, 0x00020044, 0x01010F2A, 0, 0, 80, 20, 0};
    EXPECT_EQ(Details(Record(0x002B, 0, kPointer), PayloadOf(PayloadKind::DrawItem, menu)),
              L"ODT_MENU item=40001 ODA_SELECT ODS_SELECTED menu=0x00020044 rect=0,0,80,20");
    const MeasureItemPayload measure{3, 7, 0xFFFFFFFF, 120, 16, 0, 0};
    EXPECT_EQ(Details(Record(0x002C, 7, kPointer), PayloadOf(PayloadKind::MeasureItem, measure)),
              L"ODT_COMBOBOX id=7 item=-1");
    EXPECT_EQ(Details(Returned(0x002C, 7, kPointer, 1), PayloadOf(PayloadKind::MeasureItem, measure)),
              L"ODT_COMBOBOX id=7 item=-1 120x16");
    EXPECT_EQ(Details(Record(0x002B, 1001, kPointer)), L"id=1001") << "no structure copied";
}

TEST(MessageDetails, PayloadsNotWhatTheyClaimAreNotRead) {
    const MessageRecord setText = Record(kWmSetText, 0, kPointer);
    Payload text = TextOf(u"Hello", 5);
    text.kind = PayloadKind::NotifyHeader;
    // A text that cannot be trusted is not shown, and not shown as an empty one either.
    constexpr std::wstring_view kNotReadable = L"<text not readable>";
    EXPECT_EQ(Details(setText, text), kNotReadable) << "a payload of another kind";
    text = TextOf(u"Hello", 5);
    text.bytes.pop_back();
    EXPECT_EQ(Details(setText, text), kNotReadable) << "one byte short";
    text.bytes.resize(text.bytes.size() + 3);
    EXPECT_EQ(Details(setText, text), kNotReadable) << "one byte long";
    EXPECT_EQ(Details(setText, TextOf(u"Hello", 4)), kNotReadable) << "more units than the text's length";
    EXPECT_EQ(Details(setText, TextOf(std::u16string(65, u'w'), 65)), kNotReadable)
        << "more units than the hook copies";
    EXPECT_EQ(Details(setText, TextOf(u"Hello", 5, kTextNotReadable)), kNotReadable)
        << "units behind a text that is not there";

    CreateStructPayload create{};
    create.classChars = 65;
    EXPECT_EQ(Details(Record(kWmCreate, 0, kPointer),
                      PayloadOf(PayloadKind::CreateStruct, create, std::u16string(65, u'c'))),
              L"");
    EXPECT_EQ(Details(Record(kWmCreate, 0, kPointer), PayloadOf(PayloadKind::CreateStruct, create)), L"");

    Payload pos = PayloadOf(PayloadKind::WindowPos, WindowPosPayload{});
    pos.bytes.push_back(std::byte{0});
    EXPECT_EQ(Details(Record(kWmWindowPosChanged, 0, kPointer), pos), L"");
    // What the parameters say is still shown.
    Payload header = PayloadOf(PayloadKind::NotifyHeader, NotifyHeaderPayload{});
    header.bytes.pop_back();
    EXPECT_EQ(Details(Record(kWmNotify, 1001, kPointer), header), L"id=1001");

    EXPECT_EQ(Details(Record(0x0401, 1, 2)), L"") << "a message with no decoder";
}

} // namespace
