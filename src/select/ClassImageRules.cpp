#include "select/ClassImageRules.h"

#include "common/AsciiCase.h"

#include <iterator>

namespace orvex {

namespace {

struct NamedPicture {
    std::wstring_view className;
    int picture;
};

// Tried in this order, after the standard controls and before the rich edit classes.
constexpr NamedPicture kCommonControls[] = {
    {L"#32770", kDialogPicture},
    {L"SysTabControl32", kTabControlPicture},
    {L"msctls_trackbar32", kTrackBarPicture},
    {L"msctls_updown32", kUpDownPicture},
    {L"msctls_progress32", kProgressPicture},
    {L"ToolbarWindow32", kToolBarPicture},
    {L"ReBarWindow32", kReBarPicture},
    {L"msctls_statusbar32", kStatusBarPicture},
    {L"SysTreeView32", kTreeViewPicture},
    {L"SysListView32", kListViewPicture},
    {L"SysHeader32", kHeaderPicture},
    {L"SysPager", kPagerPicture},
    {L"ComboBoxEx32", kComboBoxExPicture},
};

// Tried after the rich edit classes.
constexpr NamedPicture kMoreClasses[] = {
    {L"SysAnimate32", kAnimatePicture},
    {L"msctls_hotkey32", kHotKeyPicture},
    {L"SysDateTimePick32", kDateTimePickerPicture},
    {L"SysMonthCal32", kMonthCalendarPicture},
    {L"SysLink", kLinkPicture},
    {L"tooltips_class32", kToolTipsPicture},
    {L"SysIPAddress32", kIpAddressPicture},
    {L"Internet Explorer_Server", kBrowserPicture},
    {L"MDIClient", kMdiClientPicture},
    {L"#32769", kDesktopPicture},
};

std::optional<int> FindNamed(std::wstring_view className, const NamedPicture* begin,
                             const NamedPicture* end) {
    for (const NamedPicture* entry = begin; entry != end; ++entry)
        if (EqualsAsciiNoCase(className, entry->className))
            return entry->picture;
    return std::nullopt;
}

int StaticPicture(std::uint32_t style) {
    switch (style & 0x1F) {
    case 3:  // SS_ICON
    case 14: // SS_BITMAP
    case 15: // SS_ENHMETAFILE
        return kStaticImagePicture;
    case 4: // SS_BLACKRECT to SS_WHITEFRAME
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 16: // SS_ETCHEDHORZ, SS_ETCHEDVERT, SS_ETCHEDFRAME
    case 17:
    case 18:
        return kStaticFramePicture;
    default:
        return kStaticPicture;
    }
}

// Only the plain check box and radio button have pictures of their own; the automatic kinds show
// as push buttons.
int ButtonPicture(std::uint32_t style) {
    switch (style & 0xF) {
    case 7: // BS_GROUPBOX
        return kGroupBoxPicture;
    case 4: // BS_RADIOBUTTON
        return kRadioButtonPicture;
    case 2: // BS_CHECKBOX
        return kCheckBoxPicture;
    default:
        return kPushButtonPicture;
    }
}

constexpr std::uint32_t kOverlappedWindowStyle = 0x00CF0000; // caption, menu, frame, both boxes
constexpr std::uint32_t kGlobalClassStyle = 0x4000;          // CS_GLOBALCLASS

} // namespace

std::optional<int> PictureByClassAndStyle(std::wstring_view className, std::uint32_t style) {
    if (EqualsAsciiNoCase(className, L"Static"))
        return StaticPicture(style);
    if (EqualsAsciiNoCase(className, L"Button"))
        return ButtonPicture(style);
    if (EqualsAsciiNoCase(className, L"Edit"))
        return kEditPicture;
    if (EqualsAsciiNoCase(className, L"ListBox"))
        return kListBoxPicture;
    if (EqualsAsciiNoCase(className, L"ComboBox"))
        return kComboBoxPicture;
    if (EqualsAsciiNoCase(className, L"ScrollBar"))
        return (style & 0x1) ? kVerticalScrollBarPicture : kHorizontalScrollBarPicture; // SBS_VERT
    if (auto picture = FindNamed(className, std::begin(kCommonControls), std::end(kCommonControls)))
        return picture;
    if (StartsWithAsciiNoCase(className, L"RICHEDIT")) // every version's class
        return kRichEditPicture;
    if (auto picture = FindNamed(className, std::begin(kMoreClasses), std::end(kMoreClasses)))
        return picture;
    if (StartsWithAsciiNoCase(className, L"AFX:"))
        return kAfxClassPicture;
    if (StartsWithAsciiNoCase(className, L"ATL:"))
        return kAtlClassPicture;
    if ((style & kOverlappedWindowStyle) == kOverlappedWindowStyle)
        return kOverlappedWindowPicture;
    return std::nullopt;
}

int PictureByClassStyle(std::uint32_t classStyle) {
    return (classStyle & kGlobalClassStyle) ? kGlobalClassPicture : kLocalClassPicture;
}

} // namespace orvex
