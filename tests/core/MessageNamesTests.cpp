// Message numbers by the names the headers give them, for the class that receives them, and names
// back to numbers; the literal numbers are pinned here once. The names of the codes inside a
// message are checked through the log's details (MessageDetailsTests).
#include "common/MessageNameTables.h"
#include "common/MessageNames.h"
#include "inspect/styles/StyleClasses.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using orvex::HeaderMessageName;
using orvex::RegisteredNameLookup;

std::wstring Name(std::uint32_t message, std::wstring_view className = L"") {
    return orvex::MessageName(message, className, RegisteredNameLookup{});
}

TEST(MessageNames, WindowMessagesByTheirHeaderNames) {
    EXPECT_EQ(Name(0x0000), L"WM_NULL");
    EXPECT_EQ(Name(0x000C), L"WM_SETTEXT");
    EXPECT_EQ(Name(0x0084), L"WM_NCHITTEST");
    EXPECT_EQ(Name(0x00A1), L"WM_NCLBUTTONDOWN");
    EXPECT_EQ(Name(0x0201), L"WM_LBUTTONDOWN");
    EXPECT_EQ(Name(0x020E), L"WM_MOUSEHWHEEL");
    EXPECT_EQ(Name(0x0281), L"WM_IME_SETCONTEXT");
    EXPECT_EQ(Name(0x02E0), L"WM_DPICHANGED");
    EXPECT_EQ(Name(0x0250), L"DM_POINTERHITTEST"); // a window message despite its prefix
    // Controls and unknown classes get them too.
    EXPECT_EQ(Name(0x000C, L"Edit"), L"WM_SETTEXT");
    EXPECT_EQ(Name(0x0201, L"SomeAppClass"), L"WM_LBUTTONDOWN");
}

TEST(MessageNames, SharedNumbersShowTheNameDevelopersUse) {
    EXPECT_EQ(Name(0x0100), L"WM_KEYDOWN");            // WM_KEYFIRST
    EXPECT_EQ(Name(0x0200), L"WM_MOUSEMOVE");          // WM_MOUSEFIRST
    EXPECT_EQ(Name(0x010F), L"WM_IME_COMPOSITION");    // WM_IME_KEYLAST
    EXPECT_EQ(Name(0x001A), L"WM_SETTINGCHANGE");      // WM_WININICHANGE
    EXPECT_EQ(Name(0x00C5, L"Edit"), L"EM_LIMITTEXT"); // EM_SETLIMITTEXT
    // A range edge that no message shares is not a message name.
    EXPECT_EQ(Name(0x0360), L"0x0360"); // WM_AFXFIRST
    EXPECT_EQ(Name(0x0004), L"0x0004"); // a gap in the window messages
}

TEST(MessageNames, OneNumberIsNamedByTheClassThatReceivesIt) {
    EXPECT_EQ(Name(0x0401, L"tooltips_class32"), L"TTM_ACTIVATE");
    EXPECT_EQ(Name(0x0401, L"msctls_statusbar32"), L"SB_SETTEXTA");
    EXPECT_EQ(Name(0x0401, L"ToolbarWindow32"), L"TB_ENABLEBUTTON");
    EXPECT_EQ(Name(0x0401, L"#32770"), L"DM_SETDEFID");
    EXPECT_EQ(Name(0x0401, L"Edit"), L"WM_USER+1");
    EXPECT_EQ(Name(0x0401, L"UnknownClass"), L"WM_USER+1");

    EXPECT_EQ(Name(0x1001, L"SysListView32"), L"LVM_SETBKCOLOR");
    EXPECT_EQ(Name(0x1001, L"SysMonthCal32"), L"MCM_GETCURSEL");
    EXPECT_EQ(Name(0x1001, L"SysDateTimePick32"), L"DTM_GETSYSTEMTIME");

    // The classic controls' numbers lie below WM_USER and belong to their class only.
    EXPECT_EQ(Name(0x00B1, L"Edit"), L"EM_SETSEL");
    EXPECT_EQ(Name(0x00B1, L"SysListView32"), L"0x00B1");
    EXPECT_EQ(Name(0x00B1, L"Button"), L"0x00B1");
    EXPECT_EQ(Name(0x00F1, L"Button"), L"BM_SETCHECK");
    EXPECT_EQ(Name(0x00F1, L"Edit"), L"0x00F1");
    EXPECT_EQ(Name(0x0180, L"ListBox"), L"LB_ADDSTRING");
    EXPECT_EQ(Name(0x014E, L"ComboBox"), L"CB_SETCURSEL");
    EXPECT_EQ(Name(0x00E0, L"ScrollBar"), L"SBM_SETPOS");
    EXPECT_EQ(Name(0x0170, L"Static"), L"STM_SETICON");
    EXPECT_EQ(Name(0x160C, L"Button"), L"BCM_SETSHIELD");
    EXPECT_EQ(Name(0x1501, L"Edit"), L"EM_SETCUEBANNER");
}

TEST(MessageNames, CommonControlMessagesPreferTheClassOwnName) {
    EXPECT_EQ(Name(0x2005, L"SysListView32"), L"LVM_SETUNICODEFORMAT");
    EXPECT_EQ(Name(0x2001, L"msctls_statusbar32"), L"SB_SETBKCOLOR");
    EXPECT_EQ(Name(0x2005, L"SysPager"), L"CCM_SETUNICODEFORMAT"); // the pager has no name for it
    EXPECT_EQ(Name(0x200B, L"SysIPAddress32"), L"CCM_SETWINDOWTHEME");
    // Only the common controls answer them.
    EXPECT_EQ(Name(0x2005, L"Edit"), L"WM_USER+7173");
    EXPECT_EQ(Name(0x2005), L"WM_USER+7173");
}

TEST(MessageNames, WideAndAnsiFormsEachByTheirOwnName) {
    EXPECT_EQ(Name(0x104D, L"SysListView32"), L"LVM_INSERTITEMW");
    EXPECT_EQ(Name(0x1007, L"SysListView32"), L"LVM_INSERTITEMA");
    EXPECT_EQ(Name(0x0432, L"tooltips_class32"), L"TTM_ADDTOOLW");
    EXPECT_EQ(Name(0x0404, L"tooltips_class32"), L"TTM_ADDTOOLA");
    EXPECT_EQ(Name(0x1132, L"SysTreeView32"), L"TVM_INSERTITEMW");
}

TEST(MessageNames, RichEditAddsItsMessagesToTheEdits) {
    EXPECT_EQ(Name(0x0444, L"RICHEDIT50W"), L"EM_SETCHARFORMAT");
    EXPECT_EQ(Name(0x0444, L"Edit"), L"WM_USER+68");
    EXPECT_EQ(Name(0x00B1, L"RichEdit20W"), L"EM_SETSEL");
    EXPECT_EQ(Name(0x04CD, L"RichEdit20A"), L"EM_GETEDITSTYLE");
    // richedit.h's older numbers for edit messages count only where winuser.h has none.
    EXPECT_EQ(Name(0x00D5, L"RICHEDIT"), L"EM_GETLIMITTEXT");
    EXPECT_EQ(Name(0x0425, L"RICHEDIT50W"), L"WM_USER+37");
}

TEST(MessageNames, ComboBoxExAnswersTheComboBoxMessagesUnderItsOwnNames) {
    EXPECT_EQ(Name(0x0144, L"ComboBoxEx32"), L"CBEM_DELETEITEM");
    EXPECT_EQ(Name(0x0144, L"ComboBox"), L"CB_DELETESTRING");
    EXPECT_EQ(Name(0x014E, L"ComboBoxEx32"), L"CB_SETCURSEL");
    EXPECT_EQ(Name(0x0409, L"ComboBoxEx32"), L"CBEM_GETEXTENDEDSTYLE"); // CBEM_GETEXSTYLE
}

TEST(MessageNames, ClassNamesMatchWithoutRegardToAsciiCase) {
    EXPECT_EQ(Name(0x104D, L"syslistview32"), L"LVM_INSERTITEMW");
    EXPECT_EQ(Name(0x00F1, L"BUTTON"), L"BM_SETCHECK");
    EXPECT_EQ(Name(0x0444, L"richedit50w"), L"EM_SETCHARFORMAT");
    // Only whole names: a longer class is a class of its own.
    EXPECT_EQ(Name(0x00F1, L"Buttons"), L"0x00F1");
    EXPECT_EQ(Name(0x00F1, L"Butto"), L"0x00F1");
}

TEST(MessageNames, EveryClassOfTheStyleTablesHasNamesOfItsOwn) {
    for (const orvex::StyleClass& styleClass : orvex::StyleClasses()) {
        bool ownName = false;
        for (std::uint32_t message = 0x0080; message < 0x8000 && !ownName; ++message)
            ownName = HeaderMessageName(message, styleClass.className) != HeaderMessageName(message, L"");
        EXPECT_TRUE(ownName) << styleClass.className;
    }
}

TEST(MessageNames, RegisteredMessagesByTheirNameInQuotes) {
    std::vector<std::uint32_t> asked;
    const RegisteredNameLookup lookup = [&asked](std::uint32_t message) -> std::optional<std::wstring> {
        asked.push_back(message);
        if (message == 0xC0F3)
            return L"TaskbarCreated";
        if (message == 0xC0F4)
            return L""; // no registered name is empty; an empty answer is none
        return std::nullopt;
    };
    EXPECT_EQ(orvex::MessageName(0xC0F3, L"", lookup), L"\"TaskbarCreated\"");
    EXPECT_EQ(orvex::MessageName(0xC0F3, L"Button", lookup), L"\"TaskbarCreated\"");
    EXPECT_EQ(orvex::MessageName(0xC0F4, L"", lookup), L"0xC0F4");
    EXPECT_EQ(orvex::MessageName(0xC000, L"", lookup), L"0xC000");
    EXPECT_EQ(orvex::MessageName(0xFFFF, L"", lookup), L"0xFFFF");
    EXPECT_EQ(Name(0xC0F3), L"0xC0F3"); // no lookup at all
    EXPECT_EQ((std::vector<std::uint32_t>{0xC0F3, 0xC0F3, 0xC0F4, 0xC000, 0xFFFF}), asked);

    // Only that range is registered: the lookup is not asked about any other number.
    asked.clear();
    for (const std::uint32_t message : {0x0000u, 0x0401u, 0xBFFFu, 0x10000u, 0x1C0F3u})
        orvex::MessageName(message, L"", lookup);
    EXPECT_TRUE(asked.empty());
}

// The log's categories look numbers up so while compiling.
static_assert(orvex::MessageNumber(L"WM_MOVE") == 0x0003);
static_assert(orvex::MessageNumber(L"LB_GETLISTBOXINFO") == 0x01B2);

TEST(MessageNames, HeaderNamesLeadBackToTheirNumbers) {
    EXPECT_EQ(orvex::MessageNumberOfName(L"wm_SetText"), 0x000Cu);
    EXPECT_EQ(orvex::MessageNumberOfName(L"TTM_ACTIVATE"), 0x0401u);
    EXPECT_EQ(orvex::MessageNumberOfName(L"CCM_SETUNICODEFORMAT"), 0x2005u);
    EXPECT_EQ(orvex::MessageNumberOfName(L"WM_KEYFIRST"), std::nullopt) << "a range edge, not a message";
    EXPECT_EQ(orvex::MessageNumberOfName(L"WM_SETTEXT "), std::nullopt) << "whole names only";
    for (const std::wstring_view name : orvex::WindowMessageNames()) {
        const std::optional<std::uint32_t> number = orvex::MessageNumberOfName(name);
        ASSERT_TRUE(number) << std::wstring(name);
        EXPECT_EQ(HeaderMessageName(*number, L""), name);
    }
}

TEST(MessageNames, OtherNumbersByTheirRange) {
    EXPECT_EQ(Name(0x0400), L"WM_USER");
    EXPECT_EQ(Name(0x0401), L"WM_USER+1");
    EXPECT_EQ(Name(0x7FFF), L"WM_USER+31743");
    EXPECT_EQ(Name(0x8000), L"WM_APP");
    EXPECT_EQ(Name(0x8001), L"WM_APP+1");
    EXPECT_EQ(Name(0xBFFF), L"WM_APP+16383");
    EXPECT_EQ(Name(0x03FF), L"0x03FF");
    EXPECT_EQ(Name(0x10000), L"0x10000");
    EXPECT_EQ(Name(0x12345678), L"0x12345678");
    EXPECT_EQ(Name(0xFFFFFFFF), L"0xFFFFFFFF");
    // A control's name never reaches beyond the 16-bit number it is.
    EXPECT_EQ(Name(0x100F1, L"Button"), L"0x100F1");
}

} // namespace
