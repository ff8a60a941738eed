#pragma once
// Which of the window tree's 42 pictures (bitmap 136) a window gets, from its class name and its
// style words. Pure logic: no window system here.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvex {

// The pictures of bitmap 136, in the bitmap's order.
enum TreePicture : int {
    kDesktopPicture,
    kPushButtonPicture,
    kCheckBoxPicture,
    kRadioButtonPicture,
    kGroupBoxPicture,
    kStaticPicture,
    kStaticImagePicture,
    kStaticFramePicture,
    kEditPicture,
    kListBoxPicture,
    kComboBoxPicture,
    kHorizontalScrollBarPicture,
    kVerticalScrollBarPicture,
    kTabControlPicture,
    kTrackBarPicture,
    kUpDownPicture,
    kProgressPicture,
    kToolBarPicture,
    kReBarPicture,
    kStatusBarPicture,
    kTreeViewPicture,
    kListViewPicture,
    kHeaderPicture,
    kPagerPicture,
    kComboBoxExPicture,
    kRichEditPicture,
    kAnimatePicture,
    kHotKeyPicture,
    kDateTimePickerPicture,
    kMonthCalendarPicture,
    kLinkPicture,
    kToolTipsPicture,
    kIpAddressPicture,
    kBrowserPicture,
    kLocalClassPicture,
    kGlobalClassPicture,
    kProcessPicture,
    kOverlappedWindowPicture,
    kDialogPicture,
    kMdiClientPicture,
    kAfxClassPicture,
    kAtlClassPicture,
    kPictureCount
};
static_assert(kPictureCount == 42);

// The picture decided by the class name and the window style, the first matching rule winning;
// nothing when only the class style can tell (a window of no recognised kind).
std::optional<int> PictureByClassAndStyle(std::wstring_view className, std::uint32_t style);

// The last resort: a question mark for a window of a global class, a person for a local one.
int PictureByClassStyle(std::uint32_t classStyle);

// Both steps at once; the class style is read only when the first step does not decide.
template <class ReadClassStyle>
int ClassPicture(std::wstring_view className, std::uint32_t style, ReadClassStyle&& readClassStyle) {
    if (const std::optional<int> picture = PictureByClassAndStyle(className, style))
        return *picture;
    return PictureByClassStyle(readClassStyle());
}

} // namespace orvex
