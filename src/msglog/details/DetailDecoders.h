#pragma once
// The decoders of the details column, each for one message or a family of messages alike in their
// parameters, and what each is given. MessageDetails.cpp maps the message numbers to them. Pure
// logic: no window system here.

#include "msglog/MessageDetails.h"

#include <string_view>

namespace orvex {

struct DetailsInput {
    const MessageRecord& record;
    std::span<const std::byte> payload; // untrusted: read through PayloadReader.h
    const DetailsContext& context;
    std::wstring_view name; // the message's header name for the window that received it
};

using DetailsDecoder = std::wstring (*)(const DetailsInput& input);

// The mouse in the client area and outside it, and the keyboard (InputDetails.cpp).
std::wstring ClientMouseDetails(const DetailsInput& input);
std::wstring MouseWheelDetails(const DetailsInput& input);
std::wstring NonClientMouseDetails(const DetailsInput& input);
std::wstring HitTestDetails(const DetailsInput& input);
std::wstring SetCursorDetails(const DetailsInput& input);
std::wstring KeystrokeDetails(const DetailsInput& input);
std::wstring CharacterDetails(const DetailsInput& input);

// Position, size, showing, activation and focus, and the rest of a window's own life
// (WindowDetails.cpp).
std::wstring SizeDetails(const DetailsInput& input);
std::wstring MoveDetails(const DetailsInput& input);
std::wstring WindowPosDetails(const DetailsInput& input);
std::wstring MinMaxInfoDetails(const DetailsInput& input);
std::wstring ShowWindowDetails(const DetailsInput& input);
std::wstring ActivateDetails(const DetailsInput& input);
std::wstring ActivateAppDetails(const DetailsInput& input);
std::wstring SetFocusDetails(const DetailsInput& input);
std::wstring KillFocusDetails(const DetailsInput& input);
std::wstring EnableDetails(const DetailsInput& input);
std::wstring SysCommandDetails(const DetailsInput& input);
std::wstring TimerDetails(const DetailsInput& input);
std::wstring CaretTimerDetails(const DetailsInput& input); // 0x0118, which the headers do not name
std::wstring StyleChangeDetails(const DetailsInput& input);
std::wstring ControlColorDetails(const DetailsInput& input);
std::wstring EraseBackgroundDetails(const DetailsInput& input);
std::wstring ParentNotifyDetails(const DetailsInput& input);

// Texts and creation (TextDetails.cpp).
inline constexpr std::wstring_view kTextNotReadableText = L"<text not readable>";
// The string the message's lParam points at, as the hook copied it: quoted with its length,
// "NULL", or why it is not shown. For the decoders of every message that carries one.
std::wstring CarriedText(const DetailsInput& input);
std::wstring SetTextDetails(const DetailsInput& input);
std::wstring GetTextDetails(const DetailsInput& input);
std::wstring CreateDetails(const DetailsInput& input);

// WM_COMMAND and WM_NOTIFY (CommandDetails.cpp).
std::wstring CommandDetails(const DetailsInput& input);
std::wstring NotifyDetails(const DetailsInput& input);

// The classic controls' messages (ControlDetails.cpp). The list decoders serve the list box's LB_
// and the combo box's CB_ alike; the names say what the sent line gives and the returned line
// answers.
std::wstring EditSetSelDetails(const DetailsInput& input);
std::wstring EditGetSelDetails(const DetailsInput& input);
std::wstring ButtonSetCheckDetails(const DetailsInput& input);
std::wstring ButtonGetCheckDetails(const DetailsInput& input);
std::wstring ListIndexGivesIndexDetails(const DetailsInput& input);
std::wstring ListIndexGivesLengthDetails(const DetailsInput& input);
std::wstring ListIndexGivesCountDetails(const DetailsInput& input);
std::wstring ListIndexDetails(const DetailsInput& input);
std::wstring ListGivesIndexDetails(const DetailsInput& input);
std::wstring ListGivesCountDetails(const DetailsInput& input);
std::wstring ListSetSelDetails(const DetailsInput& input);
std::wstring ComboShowDropDownDetails(const DetailsInput& input);
std::wstring ListAddStringDetails(const DetailsInput& input);    // LB_ADDSTRING, CB_ADDSTRING
std::wstring ListInsertStringDetails(const DetailsInput& input); // LB_INSERTSTRING, CB_INSERTSTRING
std::wstring ListFindStringDetails(const DetailsInput& input);   // _FINDSTRING(EXACT), _SELECTSTRING
std::wstring ListDirDetails(const DetailsInput& input);          // LB_DIR, CB_DIR
std::wstring EditReplaceSelDetails(const DetailsInput& input);
std::wstring EditSetCueBannerDetails(const DetailsInput& input);
std::wstring ButtonSetStateDetails(const DetailsInput& input);
std::wstring ButtonGetStateDetails(const DetailsInput& input);

// Texts of the common controls (CommonControlDetails.cpp).
std::wstring ToolInfoTextDetails(const DetailsInput& input); // TTM_ADDTOOL, _SETTOOLINFO, _UPDATETIPTEXT
std::wstring ToolTitleDetails(const DetailsInput& input);    // TTM_SETTITLE
std::wstring StatusSetTextDetails(const DetailsInput& input);

// Scrolling: the window's scroll bars and the scroll bar control (ScrollDetails.cpp).
std::wstring HorizontalScrollDetails(const DetailsInput& input);
std::wstring VerticalScrollDetails(const DetailsInput& input);
std::wstring ScrollSetPosDetails(const DetailsInput& input);
std::wstring ScrollGetPosDetails(const DetailsInput& input);
std::wstring ScrollSetRangeDetails(const DetailsInput& input);
std::wstring ScrollEnableArrowsDetails(const DetailsInput& input);
std::wstring ScrollInfoDetails(const DetailsInput& input);

// Menus (MenuDetails.cpp).
std::wstring ContextMenuDetails(const DetailsInput& input);
std::wstring MenuSelectDetails(const DetailsInput& input);
std::wstring InitMenuPopupDetails(const DetailsInput& input);

// Owner-drawn controls and menu items (OwnerDrawDetails.cpp).
std::wstring DrawItemDetails(const DetailsInput& input);
std::wstring MeasureItemDetails(const DetailsInput& input);

} // namespace orvex
