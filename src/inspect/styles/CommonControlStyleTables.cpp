#include "inspect/styles/CommonControlStyleTables.h"

#include "inspect/PropertySink.h"

namespace orvex {

namespace {

// The bottom placement is both bits of the top and no-move-y styles, so it comes first.
constexpr StyleStep kCcsSteps[] = {
    Flag(L"CCS_BOTTOM", 0x0003),    Flag(L"CCS_TOP", 0x0001),           Flag(L"CCS_NOMOVEY", 0x0002),
    Flag(L"CCS_NORESIZE", 0x0004),  Flag(L"CCS_NOPARENTALIGN", 0x0008), Flag(L"CCS_ADJUSTABLE", 0x0020),
    Flag(L"CCS_NODIVIDER", 0x0040), Flag(L"CCS_VERT", 0x0080),
};

constexpr StyleStep kHdsSteps[] = {
    Zero(L"HDS_HORZ", 0), // a header is always horizontal
    Flag(L"HDS_BUTTONS", 0x0002),
    Flag(L"HDS_HOTTRACK", 0x0004),
    Flag(L"HDS_HIDDEN", 0x0008),
    Flag(L"HDS_DRAGDROP", 0x0040),
    Flag(L"HDS_FULLDRAG", 0x0080),
    Flag(L"HDS_FILTERBAR", 0x0100),
    Flag(L"HDS_FLAT", 0x0200),
    Flag(L"HDS_CHECKBOXES", 0x0400),
    Flag(L"HDS_NOSIZING", 0x0800),
    Flag(L"HDS_OVERFLOW", 0x1000),
    Chain(kCcsTable),
};

constexpr StyleStep kTbstyleSteps[] = {
    Flag(L"TBSTYLE_TOOLTIPS", 0x0100),
    Flag(L"TBSTYLE_WRAPABLE", 0x0200),
    Flag(L"TBSTYLE_ALTDRAG", 0x0400),
    Flag(L"TBSTYLE_FLAT", 0x0800),
    Flag(L"TBSTYLE_LIST", 0x1000),
    Flag(L"TBSTYLE_CUSTOMERASE", 0x2000),
    Flag(L"TBSTYLE_REGISTERDROP", 0x4000),
    Flag(L"TBSTYLE_TRANSPARENT", 0x8000),
    Chain(kCcsTable),
};

constexpr StyleStep kRbsSteps[] = {
    Flag(L"RBS_TOOLTIPS", 0x0100),        Flag(L"RBS_VARHEIGHT", 0x0200),    Flag(L"RBS_BANDBORDERS", 0x0400),
    Flag(L"RBS_FIXEDORDER", 0x0800),      Flag(L"RBS_REGISTERDROP", 0x1000), Flag(L"RBS_AUTOSIZE", 0x2000),
    Flag(L"RBS_VERTICALGRIPPER", 0x4000), Flag(L"RBS_DBLCLKTOGGLE", 0x8000), Chain(kCcsTable),
};

constexpr StyleStep kTtsSteps[] = {
    Flag(L"TTS_ALWAYSTIP", 0x0001),      Flag(L"TTS_NOPREFIX", 0x0002), Flag(L"TTS_NOANIMATE", 0x0010),
    Flag(L"TTS_NOFADE", 0x0020),         Flag(L"TTS_BALLOON", 0x0040),  Flag(L"TTS_CLOSE", 0x0080),
    Flag(L"TTS_USEVISUALSTYLE", 0x0100),
};

constexpr StyleStep kSbarsSteps[] = {
    Flag(L"SBARS_SIZEGRIP", 0x0100),
    Flag(L"SBARS_TOOLTIPS", 0x0800),
    Chain(kCcsTable),
};

// Bit 0x0002 is the orientation, and it decides what bit 0x0004 is called: every trackbar shows
// one orientation row and one placement row.
constexpr std::uint32_t kTbsVert = 0x0002;
constexpr StyleStep kTbsSteps[] = {
    Flag(L"TBS_AUTOTICKS", 0x0001),
    Zero(L"TBS_HORZ", kTbsVert),
    Flag(L"TBS_VERT", kTbsVert),
    Flag(L"TBS_LEFT", 0x0004, IfHas(kTbsVert)),
    Zero(L"TBS_RIGHT", 0x0004, IfHas(kTbsVert)),
    Flag(L"TBS_TOP", 0x0004, IfLacks(kTbsVert)),
    Zero(L"TBS_BOTTOM", 0x0004, IfLacks(kTbsVert)),
    Flag(L"TBS_BOTH", 0x0008),
    Flag(L"TBS_NOTICKS", 0x0010),
    Flag(L"TBS_ENABLESELRANGE", 0x0020),
    Flag(L"TBS_FIXEDLENGTH", 0x0040),
    Flag(L"TBS_NOTHUMB", 0x0080),
    Flag(L"TBS_TOOLTIPS", 0x0100),
    Flag(L"TBS_REVERSED", 0x0200),
    Flag(L"TBS_DOWNISLEFT", 0x0400),
    Flag(L"TBS_NOTIFYBEFOREMOVE", 0x0800),
    Flag(L"TBS_TRANSPARENTBKGND", 0x1000),
};

constexpr StyleStep kUdsSteps[] = {
    Flag(L"UDS_WRAP", 0x0001),      Flag(L"UDS_SETBUDDYINT", 0x0002), Flag(L"UDS_ALIGNRIGHT", 0x0004),
    Flag(L"UDS_ALIGNLEFT", 0x0008), Flag(L"UDS_AUTOBUDDY", 0x0010),   Flag(L"UDS_ARROWKEYS", 0x0020),
    Flag(L"UDS_HORZ", 0x0040),      Flag(L"UDS_NOTHOUSANDS", 0x0080), Flag(L"UDS_HOTTRACK", 0x0100),
};

constexpr StyleStep kPbsSteps[] = {
    Flag(L"PBS_SMOOTH", 0x0001),
    Flag(L"PBS_VERTICAL", 0x0004),
    Flag(L"PBS_MARQUEE", 0x0008),
    Flag(L"PBS_SMOOTHREVERSE", 0x0010),
};

// Every value of the view field has a name, so every list view shows one view row.
constexpr FieldCase kLvsViews[] = {
    {0x0000, L"LVS_ICON"},
    {0x0001, L"LVS_REPORT"},
    {0x0002, L"LVS_SMALLICON"},
    {0x0003, L"LVS_LIST"},
};
constexpr StyleStep kLvsSteps[] = {
    Field(0x0003, kLvsViews),
    Flag(L"LVS_SINGLESEL", 0x0004),
    Flag(L"LVS_SHOWSELALWAYS", 0x0008),
    Flag(L"LVS_SORTASCENDING", 0x0010),
    Flag(L"LVS_SORTDESCENDING", 0x0020),
    Flag(L"LVS_SHAREIMAGELISTS", 0x0040),
    Flag(L"LVS_NOLABELWRAP", 0x0080),
    Flag(L"LVS_AUTOARRANGE", 0x0100),
    Flag(L"LVS_EDITLABELS", 0x0200),
    Flag(L"LVS_OWNERDATA", 0x1000),
    Flag(L"LVS_NOSCROLL", 0x2000),
    Flag(L"LVS_ALIGNLEFT", 0x0800),
    Zero(L"LVS_ALIGNTOP", 0x0800),
    Flag(L"LVS_OWNERDRAWFIXED", 0x0400),
    Flag(L"LVS_NOCOLUMNHEADER", 0x4000),
    Flag(L"LVS_NOSORTHEADER", 0x8000),
};

constexpr StyleStep kTvsSteps[] = {
    Flag(L"TVS_HASBUTTONS", 0x0001),      Flag(L"TVS_HASLINES", 0x0002),
    Flag(L"TVS_LINESATROOT", 0x0004),     Flag(L"TVS_EDITLABELS", 0x0008),
    Flag(L"TVS_DISABLEDRAGDROP", 0x0010), Flag(L"TVS_SHOWSELALWAYS", 0x0020),
    Flag(L"TVS_RTLREADING", 0x0040),      Flag(L"TVS_NOTOOLTIPS", 0x0080),
    Flag(L"TVS_CHECKBOXES", 0x0100),      Flag(L"TVS_TRACKSELECT", 0x0200),
    Flag(L"TVS_SINGLEEXPAND", 0x0400),    Flag(L"TVS_INFOTIP", 0x0800),
    Flag(L"TVS_FULLROWSELECT", 0x1000),   Flag(L"TVS_NOSCROLL", 0x2000),
    Flag(L"TVS_NONEVENHEIGHT", 0x4000),   Flag(L"TVS_NOHSCROLL", 0x8000),
};

// Bit 0x0002 puts the tabs on the right of a vertical control and at the bottom of any other;
// a top placement has no row. Right-justify is the multi-line default, when neither the fixed
// width nor the ragged-right bit says otherwise.
constexpr std::uint32_t kTcsVertical = 0x0080;
constexpr std::uint32_t kTcsMultiline = 0x0200;
constexpr StyleStep kTcsSteps[] = {
    Flag(L"TCS_SCROLLOPPOSITE", 0x0001),
    Flag(L"TCS_VERTICAL", kTcsVertical),
    Flag(L"TCS_RIGHT", 0x0002, IfHas(kTcsVertical)),
    Flag(L"TCS_BOTTOM", 0x0002, IfLacks(kTcsVertical)),
    Flag(L"TCS_MULTISELECT", 0x0004),
    Flag(L"TCS_FLATBUTTONS", 0x0008),
    Flag(L"TCS_FORCEICONLEFT", 0x0010),
    Flag(L"TCS_FORCELABELLEFT", 0x0020),
    Flag(L"TCS_HOTTRACK", 0x0040),
    Flag(L"TCS_BUTTONS", 0x0100),
    Zero(L"TCS_TABS", 0x0100),
    Flag(L"TCS_MULTILINE", kTcsMultiline),
    Zero(L"TCS_RIGHTJUSTIFY", 0x0C00, IfHas(kTcsMultiline)),
    Zero(L"TCS_SINGLELINE", kTcsMultiline),
    Flag(L"TCS_FIXEDWIDTH", 0x0400),
    Flag(L"TCS_RAGGEDRIGHT", 0x0800),
    Flag(L"TCS_FOCUSONBUTTONDOWN", 0x1000),
    Flag(L"TCS_OWNERDRAWFIXED", 0x2000),
    Flag(L"TCS_TOOLTIPS", 0x4000),
    Flag(L"TCS_FOCUSNEVER", 0x8000),
};

constexpr StyleStep kAcsSteps[] = {
    Flag(L"ACS_CENTER", 0x0001),
    Flag(L"ACS_TRANSPARENT", 0x0002),
    Flag(L"ACS_AUTOPLAY", 0x0004),
    Flag(L"ACS_TIMER", 0x0008),
};

constexpr StyleStep kMcsSteps[] = {
    Flag(L"MCS_DAYSTATE", 0x0001),        Flag(L"MCS_MULTISELECT", 0x0002),
    Flag(L"MCS_WEEKNUMBERS", 0x0004),     Flag(L"MCS_NOTODAYCIRCLE", 0x0008),
    Flag(L"MCS_NOTODAY", 0x0010),         Flag(L"MCS_NOTRAILINGDATES", 0x0040),
    Flag(L"MCS_SHORTDAYSOFWEEK", 0x0080), Flag(L"MCS_NOSELCHANGEONNAV", 0x0100),
};

// The date format is a small field over bits 0x0001, 0x0004 and 0x0008 whose combinations 0x000C
// and 0x0009 have names of their own; a time picker's 0x0001 belongs to its format, not to the
// up-down style. Exactly one format row shows.
constexpr std::uint32_t kDtsTimeFormat = 0x0009;
constexpr StyleStep kDtsSteps[] = {
    Flag(L"DTS_UPDOWN", 0x0001, IfHasNotAll(kDtsTimeFormat)),
    Flag(L"DTS_SHOWNONE", 0x0002),
    Flag(L"DTS_SHORTDATECENTURYFORMAT", 0x000C),
    Flag(L"DTS_TIMEFORMAT", kDtsTimeFormat),
    Flag(L"DTS_LONGDATEFORMAT", 0x0004),
    Zero(L"DTS_SHORTDATEFORMAT", 0x0004, IfHasNotAll(kDtsTimeFormat)),
    Flag(L"DTS_APPCANPARSE", 0x0010),
    Flag(L"DTS_RIGHTALIGN", 0x0020),
};

constexpr StyleStep kPgsSteps[] = {
    Flag(L"PGS_HORZ", 0x0001),
    Zero(L"PGS_VERT", 0x0001),
    Flag(L"PGS_AUTOSCROLL", 0x0002),
    Flag(L"PGS_DRAGNDROP", 0x0004),
};

constexpr StyleStep kLwsSteps[] = {
    Flag(L"LWS_TRANSPARENT", 0x0001),    Flag(L"LWS_IGNORERETURN", 0x0002),  Flag(L"LWS_NOPREFIX", 0x0004),
    Flag(L"LWS_USEVISUALSTYLE", 0x0008), Flag(L"LWS_USECUSTOMTEXT", 0x0010), Flag(L"LWS_RIGHT", 0x0020),
};

} // namespace

constinit const StyleTable kCcsTable{kCcsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kHdsTable{kHdsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kTbstyleTable{kTbstyleSteps, KIND_CLASS_FLAG};
constinit const StyleTable kRbsTable{kRbsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kTtsTable{kTtsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kSbarsTable{kSbarsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kTbsTable{kTbsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kUdsTable{kUdsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kPbsTable{kPbsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kLvsTable{kLvsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kTvsTable{kTvsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kTcsTable{kTcsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kAcsTable{kAcsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kMcsTable{kMcsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kDtsTable{kDtsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kPgsTable{kPgsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kLwsTable{kLwsSteps, KIND_CLASS_FLAG};

} // namespace orvex
