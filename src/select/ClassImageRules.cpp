#include "select/ClassImageRules.h"

#include <iterator>

namespace orvex {

namespace {

// Window classes are matched without regard to case, as the window manager matches them. Only the
// ASCII letters fold: every class name that decides a picture is ASCII.
wchar_t FoldCase(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

bool StartsWithNoCase(std::wstring_view name, std::wstring_view prefix) {
    return name.size() >= prefix.size() && EqualsNoCase(name.substr(0, prefix.size()), prefix);
}

struct NamedPicture {
    std::wstring_view className;
    int picture;
};

// Tried in this order, after the standard controls and before the rich edit classes.
constexpr NamedPicture kCommonControls[] = {
    {L"#32770", 38},          {L"SysTabControl32", 13},    {L"msctls_trackbar32", 14},
    {L"msctls_updown32", 15}, {L"msctls_progress32", 16},  {L"ToolbarWindow32", 17},
    {L"ReBarWindow32", 18},   {L"msctls_statusbar32", 19}, {L"SysTreeView32", 20},
    {L"SysListView32", 21},   {L"SysHeader32", 22},        {L"SysPager", 23},
    {L"ComboBoxEx32", 24},
};

// Tried after the rich edit classes.
constexpr NamedPicture kMoreClasses[] = {
    {L"SysAnimate32", 26},      {L"msctls_hotkey32", 27},
    {L"SysDateTimePick32", 28}, {L"SysMonthCal32", 29},
    {L"SysLink", 30},           {L"tooltips_class32", 31},
    {L"SysIPAddress32", 32},    {L"Internet Explorer_Server", 33},
    {L"MDIClient", 39},         {L"#32769", kDesktopPicture},
};

std::optional<int> FindNamed(std::wstring_view className, const NamedPicture* begin,
                             const NamedPicture* end) {
    for (const NamedPicture* entry = begin; entry != end; ++entry)
        if (EqualsNoCase(className, entry->className))
            return entry->picture;
    return std::nullopt;
}

int StaticPicture(std::uint32_t style) {
    switch (style & 0x1F) {
    case 3:  // SS_ICON
    case 14: // SS_BITMAP
    case 15: // SS_ENHMETAFILE
        return 6;
    case 4: // SS_BLACKRECT to SS_WHITEFRAME
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 16: // SS_ETCHEDHORZ, SS_ETCHEDVERT, SS_ETCHEDFRAME
    case 17:
    case 18:
        return 7;
    default:
        return 5;
    }
}

// Only the plain check box and radio button have pictures of their own; the automatic kinds show
// as push buttons.
int ButtonPicture(std::uint32_t style) {
    switch (style & 0xF) {
    case 7: // BS_GROUPBOX
        return 4;
    case 4: // BS_RADIOBUTTON
        return 3;
    case 2: // BS_CHECKBOX
        return 2;
    default:
        return 1;
    }
}

constexpr std::uint32_t kOverlappedWindowStyle = 0x00CF0000; // caption, menu, frame, both boxes
constexpr std::uint32_t kGlobalClassStyle = 0x4000;          // CS_GLOBALCLASS

} // namespace

std::optional<int> PictureByClassAndStyle(std::wstring_view className, std::uint32_t style) {
    if (EqualsNoCase(className, L"Static"))
        return StaticPicture(style);
    if (EqualsNoCase(className, L"Button"))
        return ButtonPicture(style);
    if (EqualsNoCase(className, L"Edit"))
        return 8;
    if (EqualsNoCase(className, L"ListBox"))
        return 9;
    if (EqualsNoCase(className, L"ComboBox"))
        return 10;
    if (EqualsNoCase(className, L"ScrollBar"))
        return (style & 0x1) ? 12 : 11; // SBS_VERT
    if (auto picture = FindNamed(className, std::begin(kCommonControls), std::end(kCommonControls)))
        return picture;
    if (StartsWithNoCase(className, L"RICHEDIT")) // every version's class
        return 25;
    if (auto picture = FindNamed(className, std::begin(kMoreClasses), std::end(kMoreClasses)))
        return picture;
    if (StartsWithNoCase(className, L"AFX:"))
        return 40;
    if (StartsWithNoCase(className, L"ATL:"))
        return 41;
    if ((style & kOverlappedWindowStyle) == kOverlappedWindowStyle)
        return 37;
    return std::nullopt;
}

int PictureByClassStyle(std::uint32_t classStyle) {
    return (classStyle & kGlobalClassStyle) ? kGlobalClassPicture : kLocalClassPicture;
}

int ClassPicture(std::wstring_view className, std::uint32_t style, std::uint32_t classStyle) {
    return PictureByClassAndStyle(className, style).value_or(PictureByClassStyle(classStyle));
}

} // namespace orvex
