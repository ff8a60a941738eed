// Real style words of each family decoded into the names a developer expects to read, with the
// multi-bit fields, combined names, orientation-dependent names and unnamed bits that make a table
// more than a list of flags.
#include "inspect/styles/CommonControlStyleTables.h"
#include "inspect/styles/ControlExtendedStyleTables.h"
#include "inspect/styles/DecodeStyles.h"
#include "inspect/styles/RichEditStyleTables.h"
#include "inspect/styles/StandardControlStyleTables.h"
#include "inspect/styles/WindowStyleTables.h"

#include "core/RowCollector.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using orvex::StyleTable;
using Pairs = std::vector<std::wstring>;

// The rows as "NAME=VALUE", followed by "leftover=VALUE" when bits were left.
Pairs Decode(const StyleTable& table, std::uint32_t word) {
    RowCollector sink;
    orvex::DecodeStyles(sink, table, word, GROUP_STYLES);
    Pairs pairs = sink.Pairs();
    if (word != 0) {
        wchar_t text[16];
        std::swprintf(text, 16, L"0x%08X", word);
        pairs.push_back(std::wstring(L"leftover=") + text);
    }
    return pairs;
}

// Only the names, for cases where the values say nothing new.
Pairs Names(const StyleTable& table, std::uint32_t word) {
    Pairs names;
    for (const std::wstring& pair : Decode(table, word))
        names.push_back(pair.substr(0, pair.find(L'=')));
    return names;
}

TEST(WindowStyleTable, TypeBitsAndTheBitsTheyRename) {
    EXPECT_EQ(Names(orvex::kWsTable, 0x50010001),
              (Pairs{L"WS_CHILD", L"WS_VISIBLE", L"WS_TABSTOP", L"leftover"}));
    // A popup with a caption: border and dialog frame, never a combined caption name.
    EXPECT_EQ(Names(orvex::kWsTable, 0x80CF0000),
              (Pairs{L"WS_POPUP", L"WS_BORDER", L"WS_DLGFRAME", L"WS_SYSMENU", L"WS_THICKFRAME",
                     L"WS_MINIMIZEBOX", L"WS_MAXIMIZEBOX"}));
    // Both type bits: both rows, and bits 16 and 17 read as a child's.
    EXPECT_EQ(Names(orvex::kWsTable, 0xC0030000),
              (Pairs{L"WS_POPUP", L"WS_CHILD", L"WS_GROUP", L"WS_TABSTOP"}));
    EXPECT_EQ(Decode(orvex::kWsTable, 0x0000FFFF),
              (Pairs{L"WS_OVERLAPPED=0x00000000", L"leftover=0x0000FFFF"}));
}

TEST(WindowStyleTable, ExtendedZeroNamesItsThreeDefaultsAndUnnamedBitsAreLeft) {
    EXPECT_EQ(Decode(orvex::kWsExTable, 0), (Pairs{L"WS_EX_LEFT=0x00000000", L"WS_EX_LTRREADING=0x00000000",
                                                   L"WS_EX_RIGHTSCROLLBAR=0x00000000"}));
    EXPECT_EQ(Names(orvex::kWsExTable, 0x00007000),
              (Pairs{L"WS_EX_RIGHT", L"WS_EX_RTLREADING", L"WS_EX_LEFTSCROLLBAR"}));
    EXPECT_EQ(Decode(orvex::kWsExTable, 0xF5808802 | 0x00001000 | 0x00002000 | 0x00004000).back(),
              L"leftover=0xF5808802");
}

TEST(DialogStyleTable, FollowsTheHeaderOrderNotTheBitOrder) {
    EXPECT_EQ(Names(orvex::kDsTable, 0xC0C4),
              (Pairs{L"DS_SETFONT", L"DS_MODALFRAME", L"DS_3DLOOK", L"leftover"}));
}

TEST(ButtonStyleTable, TypeFieldTextDefaultAndTwoBitAlignments) {
    EXPECT_EQ(Decode(orvex::kBsTable, 0x0000), (Pairs{L"BS_PUSHBUTTON=0x00000000", L"BS_TEXT=0x00000000"}));
    EXPECT_EQ(Decode(orvex::kBsTable, 0x0300),
              (Pairs{L"BS_PUSHBUTTON=0x00000000", L"BS_TEXT=0x00000000", L"BS_CENTER=0x00000300"}));
    EXPECT_EQ(Names(orvex::kBsTable, 0x0100), (Pairs{L"BS_PUSHBUTTON", L"BS_TEXT", L"BS_LEFT"}));
    EXPECT_EQ(Names(orvex::kBsTable, 0x0C49), (Pairs{L"BS_AUTORADIOBUTTON", L"BS_ICON", L"BS_VCENTER"}));
    // A type the table does not know: no type row, its bits left over.
    EXPECT_EQ(Decode(orvex::kBsTable, 0x800C),
              (Pairs{L"BS_TEXT=0x00000000", L"BS_FLAT=0x00008000", L"leftover=0x0000000C"}));
}

TEST(StaticStyleTable, TypeFieldAndEllipses) {
    EXPECT_EQ(Decode(orvex::kSsTable, 0x000E), (Pairs{L"SS_BITMAP=0x0000000E"}));
    EXPECT_EQ(Decode(orvex::kSsTable, 0xC000), (Pairs{L"SS_LEFT=0x00000000", L"SS_WORDELLIPSIS=0x0000C000"}));
    EXPECT_EQ(Names(orvex::kSsTable, 0x4000), (Pairs{L"SS_LEFT", L"SS_ENDELLIPSIS"}));
    EXPECT_EQ(Decode(orvex::kSsTable, 0x0033), (Pairs{L"leftover=0x00000033"}));
}

TEST(ComboBoxStyleTable, DropDownListIsBothTypeBitsAndTypeZeroHasNoName) {
    EXPECT_EQ(Names(orvex::kCbsTable, 0x0002), (Pairs{L"CBS_DROPDOWN"}));
    EXPECT_EQ(Decode(orvex::kCbsTable, 0x0003), (Pairs{L"CBS_DROPDOWNLIST=0x00000003"}));
    EXPECT_EQ(Decode(orvex::kCbsTable, 0x1000), (Pairs{L"leftover=0x00001000"}));
}

TEST(CommonControlStyleTables, ChainedCcsSeesOnlyWhatTheFamilyLeft) {
    EXPECT_EQ(Decode(orvex::kTbstyleTable, 0x0003), (Pairs{L"CCS_BOTTOM=0x00000003"}));
    EXPECT_EQ(Names(orvex::kTbstyleTable, 0x0001), (Pairs{L"CCS_TOP"}));
    EXPECT_EQ(Names(orvex::kTbstyleTable, 0x0940),
              (Pairs{L"TBSTYLE_TOOLTIPS", L"TBSTYLE_FLAT", L"CCS_NODIVIDER"}));
    // Header bits 0x0002 and 0x0004 are its own, so the chained table sees only 0x0001 of them.
    EXPECT_EQ(Decode(orvex::kHdsTable, 0x0007), (Pairs{L"HDS_HORZ=0x00000000", L"HDS_BUTTONS=0x00000002",
                                                       L"HDS_HOTTRACK=0x00000004", L"CCS_TOP=0x00000001"}));
    EXPECT_EQ(Names(orvex::kSbarsTable, 0x0103), (Pairs{L"SBARS_SIZEGRIP", L"CCS_BOTTOM"}));
    EXPECT_EQ(Names(orvex::kRbsTable, 0x8080), (Pairs{L"RBS_DBLCLKTOGGLE", L"CCS_VERT"}));
}

TEST(TrackbarStyleTable, AlwaysOneOrientationAndOnePlacementRow) {
    EXPECT_EQ(Decode(orvex::kTbsTable, 0x0000), (Pairs{L"TBS_HORZ=0x00000000", L"TBS_BOTTOM=0x00000000"}));
    EXPECT_EQ(Decode(orvex::kTbsTable, 0x0002), (Pairs{L"TBS_VERT=0x00000002", L"TBS_RIGHT=0x00000000"}));
    EXPECT_EQ(Names(orvex::kTbsTable, 0x0006), (Pairs{L"TBS_VERT", L"TBS_LEFT"}));
    EXPECT_EQ(Names(orvex::kTbsTable, 0x0004), (Pairs{L"TBS_HORZ", L"TBS_TOP"}));
    EXPECT_EQ(Names(orvex::kTbsTable, 0x0009),
              (Pairs{L"TBS_AUTOTICKS", L"TBS_HORZ", L"TBS_BOTTOM", L"TBS_BOTH"}));
}

TEST(DateTimePickerStyleTable, FormatFieldWithItsCombinedValues) {
    EXPECT_EQ(Decode(orvex::kDtsTable, 0x0009), (Pairs{L"DTS_TIMEFORMAT=0x00000009"}));
    EXPECT_EQ(Decode(orvex::kDtsTable, 0x0000), (Pairs{L"DTS_SHORTDATEFORMAT=0x00000000"}));
    EXPECT_EQ(Names(orvex::kDtsTable, 0x0005), (Pairs{L"DTS_UPDOWN", L"DTS_LONGDATEFORMAT"}));
    EXPECT_EQ(Names(orvex::kDtsTable, 0x0032),
              (Pairs{L"DTS_SHOWNONE", L"DTS_SHORTDATEFORMAT", L"DTS_APPCANPARSE", L"DTS_RIGHTALIGN"}));
    EXPECT_EQ(Decode(orvex::kDtsTable, 0x000C), (Pairs{L"DTS_SHORTDATECENTURYFORMAT=0x0000000C"}));
    EXPECT_EQ(Decode(orvex::kDtsTable, 0x0008).back(), L"leftover=0x00000008");
}

TEST(TabControlStyleTable, LineModePlacementAndJustification) {
    EXPECT_EQ(Names(orvex::kTcsTable, 0x0000), (Pairs{L"TCS_TABS", L"TCS_SINGLELINE"}));
    EXPECT_EQ(Names(orvex::kTcsTable, 0x0200), (Pairs{L"TCS_TABS", L"TCS_MULTILINE", L"TCS_RIGHTJUSTIFY"}));
    EXPECT_EQ(Names(orvex::kTcsTable, 0x0600), (Pairs{L"TCS_TABS", L"TCS_MULTILINE", L"TCS_FIXEDWIDTH"}));
    EXPECT_EQ(Names(orvex::kTcsTable, 0x0182),
              (Pairs{L"TCS_VERTICAL", L"TCS_RIGHT", L"TCS_BUTTONS", L"TCS_SINGLELINE"}));
    EXPECT_EQ(Names(orvex::kTcsTable, 0x0002), (Pairs{L"TCS_BOTTOM", L"TCS_TABS", L"TCS_SINGLELINE"}));
}

TEST(ListViewStyleTable, OneViewRowAndOneAlignmentRowInEveryView) {
    EXPECT_EQ(Decode(orvex::kLvsTable, 0x0001),
              (Pairs{L"LVS_REPORT=0x00000001", L"LVS_ALIGNTOP=0x00000000"}));
    EXPECT_EQ(Names(orvex::kLvsTable, 0x0803), (Pairs{L"LVS_LIST", L"LVS_ALIGNLEFT"}));
    EXPECT_EQ(Names(orvex::kLvsTable, 0xC400), (Pairs{L"LVS_ICON", L"LVS_ALIGNTOP", L"LVS_OWNERDRAWFIXED",
                                                      L"LVS_NOCOLUMNHEADER", L"LVS_NOSORTHEADER"}));
}

TEST(ScrollBarStyleTable, OrientationNamesTheAlignmentBits) {
    EXPECT_EQ(Decode(orvex::kSbsTable, 0x0000), (Pairs{L"SBS_HORZ=0x00000000"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x0003), (Pairs{L"SBS_VERT", L"SBS_LEFTALIGN"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x0005), (Pairs{L"SBS_VERT", L"SBS_RIGHTALIGN"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x0002), (Pairs{L"SBS_HORZ", L"SBS_TOPALIGN"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x0004), (Pairs{L"SBS_HORZ", L"SBS_BOTTOMALIGN"}));
}

TEST(ScrollBarStyleTable, SizeBoxesUseTheCornerNamesAndHaveNoOrientationRow) {
    EXPECT_EQ(Decode(orvex::kSbsTable, 0x0014),
              (Pairs{L"SBS_SIZEBOXBOTTOMRIGHTALIGN=0x00000004", L"SBS_SIZEGRIP=0x00000010"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x000A), (Pairs{L"SBS_SIZEBOXTOPLEFTALIGN", L"SBS_SIZEBOX"}));
    EXPECT_EQ(Names(orvex::kSbsTable, 0x0008), (Pairs{L"SBS_SIZEBOX"}));
    // A set orientation bit is still named rather than lost in the leftover.
    EXPECT_EQ(Names(orvex::kSbsTable, 0x000B),
              (Pairs{L"SBS_VERT", L"SBS_SIZEBOXTOPLEFTALIGN", L"SBS_SIZEBOX"}));
}

TEST(EditStyleTable, AlignmentAndTheBitsLeftForRichEditControls) {
    EXPECT_EQ(Decode(orvex::kEsTable, 0x0000), (Pairs{L"ES_LEFT=0x00000000"}));
    EXPECT_EQ(Names(orvex::kEsTable, 0x0003), (Pairs{L"ES_CENTER", L"ES_RIGHT"}));
    EXPECT_EQ(Decode(orvex::kEsTable, 0xC244), (Pairs{L"ES_LEFT=0x00000000", L"ES_MULTILINE=0x00000004",
                                                      L"ES_AUTOVSCROLL=0x00000040", L"leftover=0x0000C200"}));
}

TEST(ControlExtendedStyleTables, NamedBitsAndGaps) {
    EXPECT_EQ(Decode(orvex::kCbesExTable, 0x0001), (Pairs{L"CBES_EX_NOEDITIMAGE=0x00000001"}));
    EXPECT_EQ(Decode(orvex::kLvsExTable, 0xA4000021),
              (Pairs{L"LVS_EX_GRIDLINES=0x00000001", L"LVS_EX_FULLROWSELECT=0x00000020",
                     L"LVS_EX_COLUMNOVERFLOW=0x80000000", L"leftover=0x24000000"}));
    EXPECT_EQ(Names(orvex::kTbstyleExTable, 0x0089),
              (Pairs{L"TBSTYLE_EX_DRAWDDARROWS", L"TBSTYLE_EX_MIXEDBUTTONS", L"TBSTYLE_EX_DOUBLEBUFFER"}));
    EXPECT_EQ(Decode(orvex::kTcsExTable, 0x0006),
              (Pairs{L"TCS_EX_REGISTERDROP=0x00000002", L"leftover=0x00000004"}));
    EXPECT_EQ(Decode(orvex::kSesTable, 0xC0000039),
              (Pairs{L"SES_EMULATESYSEDIT=0x00000001", L"leftover=0xC0000038"}));
    EXPECT_EQ(Decode(orvex::kSesExTable, 0x00080005),
              (Pairs{L"SES_EX_NOTABLE=0x00000004", L"SES_EX_NOTHEMING=0x00080000", L"leftover=0x00000001"}));
}

} // namespace
