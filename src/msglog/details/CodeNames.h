#pragma once
// The header names of the codes inside a message's parameters: the virtual key of a keystroke, the
// hit-test code of a mouse position, the system command, and the notification codes of
// WM_COMMAND and WM_NOTIFY, which depend on the class of the control that sends them. Each is
// empty when the headers give none. Pure logic: no window system here.

#include <cstdint>
#include <string_view>

namespace orvex {

// VK_ names; letters and digits have none, their key being the character itself.
std::wstring_view VirtualKeyName(std::uint32_t key);
// HTCLIENT, HTCAPTION, ..., HTTRANSPARENT for -1 and HTERROR for -2.
std::wstring_view HitTestName(std::int32_t code);
// SC_ names of a WM_SYSCOMMAND's wParam with its low four bits, the system's own, cleared.
std::wstring_view SysCommandName(std::uint32_t command);
// BN_CLICKED from a button, EN_CHANGE from an edit, ... (the class compared without regard to
// ASCII case).
std::wstring_view CommandCodeName(std::uint16_t code, std::wstring_view className);
// A WM_NOTIFY code by the sender's class, NM_ codes from any sender. From a class with no codes of
// its own here (a sender that is gone, a common control's superclass), a common control's code
// that only one family names.
std::wstring_view NotificationName(std::uint32_t code, std::wstring_view className);

} // namespace orvex
