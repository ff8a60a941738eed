#include "inspect/styles/StandardControlStyleTables.h"

#include "inspect/PropertySink.h"

namespace orvex {

namespace {

// Not in the order of value but in that of the platform header, where the three bits added with
// Windows 95 (0x0004, 0x0008, 0x0010) follow the first seven.
constexpr StyleStep kDsSteps[] = {
    Flag(L"DS_ABSALIGN", 0x0001),      Flag(L"DS_SYSMODAL", 0x0002),    Flag(L"DS_LOCALEDIT", 0x0020),
    Flag(L"DS_SETFONT", 0x0040),       Flag(L"DS_MODALFRAME", 0x0080),  Flag(L"DS_NOIDLEMSG", 0x0100),
    Flag(L"DS_SETFOREGROUND", 0x0200), Flag(L"DS_3DLOOK", 0x0004),      Flag(L"DS_FIXEDSYS", 0x0008),
    Flag(L"DS_NOFAILCREATE", 0x0010),  Flag(L"DS_CONTROL", 0x0400),     Flag(L"DS_CENTER", 0x0800),
    Flag(L"DS_CENTERMOUSE", 0x1000),   Flag(L"DS_CONTEXTHELP", 0x2000),
};

// The newer split-button and command-link types (0xC to 0xF) have no case: their bits reach the
// leftover row instead of being named as something they are not.
constexpr FieldCase kBsTypes[] = {
    {0x0, L"BS_PUSHBUTTON"},      {0x1, L"BS_DEFPUSHBUTTON"}, {0x2, L"BS_CHECKBOX"},
    {0x3, L"BS_AUTOCHECKBOX"},    {0x4, L"BS_RADIOBUTTON"},   {0x5, L"BS_3STATE"},
    {0x6, L"BS_AUTO3STATE"},      {0x7, L"BS_GROUPBOX"},      {0x8, L"BS_USERBUTTON"},
    {0x9, L"BS_AUTORADIOBUTTON"}, {0xA, L"BS_PUSHBOX"},       {0xB, L"BS_OWNERDRAW"},
};
// The two-bit alignments come before their single bits, which they would otherwise show as.
constexpr StyleStep kBsSteps[] = {
    Field(0x000F, kBsTypes),       Zero(L"BS_TEXT", 0x00C0),     Flag(L"BS_ICON", 0x0040),
    Flag(L"BS_BITMAP", 0x0080),    Flag(L"BS_LEFTTEXT", 0x0020), Flag(L"BS_CENTER", 0x0300),
    Flag(L"BS_LEFT", 0x0100),      Flag(L"BS_RIGHT", 0x0200),    Flag(L"BS_VCENTER", 0x0C00),
    Flag(L"BS_TOP", 0x0400),       Flag(L"BS_BOTTOM", 0x0800),   Flag(L"BS_PUSHLIKE", 0x1000),
    Flag(L"BS_MULTILINE", 0x2000), Flag(L"BS_NOTIFY", 0x4000),   Flag(L"BS_FLAT", 0x8000),
};

constexpr FieldCase kSsTypes[] = {
    {0x00, L"SS_LEFT"},           {0x01, L"SS_CENTER"},     {0x02, L"SS_RIGHT"},
    {0x03, L"SS_ICON"},           {0x04, L"SS_BLACKRECT"},  {0x05, L"SS_GRAYRECT"},
    {0x06, L"SS_WHITERECT"},      {0x07, L"SS_BLACKFRAME"}, {0x08, L"SS_GRAYFRAME"},
    {0x09, L"SS_WHITEFRAME"},     {0x0A, L"SS_USERITEM"},   {0x0B, L"SS_SIMPLE"},
    {0x0C, L"SS_LEFTNOWORDWRAP"}, {0x0D, L"SS_OWNERDRAW"},  {0x0E, L"SS_BITMAP"},
    {0x0F, L"SS_ENHMETAFILE"},    {0x10, L"SS_ETCHEDHORZ"}, {0x11, L"SS_ETCHEDVERT"},
    {0x12, L"SS_ETCHEDFRAME"},
};
constexpr StyleStep kSsSteps[] = {
    Field(0x001F, kSsTypes),           Flag(L"SS_REALSIZECONTROL", 0x0040), Flag(L"SS_NOPREFIX", 0x0080),
    Flag(L"SS_NOTIFY", 0x0100),        Flag(L"SS_CENTERIMAGE", 0x0200),     Flag(L"SS_RIGHTJUST", 0x0400),
    Flag(L"SS_REALSIZEIMAGE", 0x0800), Flag(L"SS_SUNKEN", 0x1000),          Flag(L"SS_EDITCONTROL", 0x2000),
    Flag(L"SS_WORDELLIPSIS", 0xC000),  Flag(L"SS_ENDELLIPSIS", 0x4000),     Flag(L"SS_PATHELLIPSIS", 0x8000),
};

// Bits 0x0200, 0x4000 and 0x8000 stay unnamed: a rich edit control keeps its own styles there.
constexpr StyleStep kEsSteps[] = {
    Flag(L"ES_CENTER", 0x0001),     Flag(L"ES_RIGHT", 0x0002),       Zero(L"ES_LEFT", 0x0003),
    Flag(L"ES_MULTILINE", 0x0004),  Flag(L"ES_UPPERCASE", 0x0008),   Flag(L"ES_LOWERCASE", 0x0010),
    Flag(L"ES_PASSWORD", 0x0020),   Flag(L"ES_AUTOVSCROLL", 0x0040), Flag(L"ES_AUTOHSCROLL", 0x0080),
    Flag(L"ES_NOHIDESEL", 0x0100),  Flag(L"ES_OEMCONVERT", 0x0400),  Flag(L"ES_READONLY", 0x0800),
    Flag(L"ES_WANTRETURN", 0x1000), Flag(L"ES_NUMBER", 0x2000),
};

constexpr StyleStep kLbsSteps[] = {
    Flag(L"LBS_NOTIFY", 0x0001),
    Flag(L"LBS_SORT", 0x0002),
    Flag(L"LBS_NOREDRAW", 0x0004),
    Flag(L"LBS_MULTIPLESEL", 0x0008),
    Flag(L"LBS_OWNERDRAWFIXED", 0x0010),
    Flag(L"LBS_OWNERDRAWVARIABLE", 0x0020),
    Flag(L"LBS_HASSTRINGS", 0x0040),
    Flag(L"LBS_USETABSTOPS", 0x0080),
    Flag(L"LBS_NOINTEGRALHEIGHT", 0x0100),
    Flag(L"LBS_MULTICOLUMN", 0x0200),
    Flag(L"LBS_WANTKEYBOARDINPUT", 0x0400),
    Flag(L"LBS_EXTENDEDSEL", 0x0800),
    Flag(L"LBS_DISABLENOSCROLL", 0x1000),
    Flag(L"LBS_NODATA", 0x2000),
    Flag(L"LBS_NOSEL", 0x4000),
    Flag(L"LBS_COMBOBOX", 0x8000),
};

// The drop-down list type is both bits of the simple and drop-down types; a type of 0 has no name.
constexpr StyleStep kCbsSteps[] = {
    Flag(L"CBS_DROPDOWNLIST", 0x0003),      Flag(L"CBS_SIMPLE", 0x0001),
    Flag(L"CBS_DROPDOWN", 0x0002),          Flag(L"CBS_OWNERDRAWFIXED", 0x0010),
    Flag(L"CBS_OWNERDRAWVARIABLE", 0x0020), Flag(L"CBS_AUTOHSCROLL", 0x0040),
    Flag(L"CBS_OEMCONVERT", 0x0080),        Flag(L"CBS_SORT", 0x0100),
    Flag(L"CBS_HASSTRINGS", 0x0200),        Flag(L"CBS_NOINTEGRALHEIGHT", 0x0400),
    Flag(L"CBS_DISABLENOSCROLL", 0x0800),   Flag(L"CBS_UPPERCASE", 0x2000),
    Flag(L"CBS_LOWERCASE", 0x4000),
};

// A scroll bar names bits 0x0002 and 0x0004 by its orientation. A size box (either size bit set)
// has no orientation: the same two bits place the box in the corner, so they carry the size-box
// names, taken before the scroll bar names can claim them, and no horizontal row is shown for it.
constexpr std::uint32_t kSbsVert = 0x0001;
constexpr std::uint32_t kSbsSizeBoxes = 0x0008 | 0x0010;
constexpr StyleStep kSbsSteps[] = {
    Flag(L"SBS_VERT", kSbsVert),
    Zero(L"SBS_HORZ", kSbsVert | kSbsSizeBoxes),
    Flag(L"SBS_SIZEBOXTOPLEFTALIGN", 0x0002, IfHasAny(kSbsSizeBoxes)),
    Flag(L"SBS_SIZEBOXBOTTOMRIGHTALIGN", 0x0004, IfHasAny(kSbsSizeBoxes)),
    Flag(L"SBS_LEFTALIGN", 0x0002, IfHas(kSbsVert)),
    Flag(L"SBS_RIGHTALIGN", 0x0004, IfHas(kSbsVert)),
    Flag(L"SBS_TOPALIGN", 0x0002, IfLacks(kSbsVert)),
    Flag(L"SBS_BOTTOMALIGN", 0x0004, IfLacks(kSbsVert)),
    Flag(L"SBS_SIZEBOX", 0x0008),
    Flag(L"SBS_SIZEGRIP", 0x0010),
};

} // namespace

constinit const StyleTable kDsTable{kDsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kBsTable{kBsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kSsTable{kSsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kEsTable{kEsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kLbsTable{kLbsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kCbsTable{kCbsSteps, KIND_CLASS_FLAG};
constinit const StyleTable kSbsTable{kSbsSteps, KIND_CLASS_FLAG};

} // namespace orvex
