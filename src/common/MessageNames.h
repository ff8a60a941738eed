#pragma once
// The names the Windows headers give to messages and to the codes inside their parameters. A
// message is named for the class that receives it (0x0401 is TTM_ACTIVATE to a tooltip and
// SB_SETTEXTA to a status bar), and so is a notification code for the class that sends it. Pure
// logic: no window system here.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The name a message number from 0xC000 to 0xFFFF was registered under, or nothing. The Windows
// side supplies it (the numbers are atoms, named by the clipboard-format name query), so that this
// logic stays free of the window system.
using RegisteredNameLookup = std::function<std::optional<std::wstring>(std::uint32_t message)>;

// Names the class of a window the log saw (empty when it is gone), for the names of the messages
// and notifications of that class.
using ClassNameLookup = std::function<std::wstring(std::uint64_t window)>;

// The header name of a message to a window of the class: the class's own messages first (the
// class compared without regard to ASCII case), then the CCM_ messages when the class is a common
// control, then the window messages below WM_USER. Empty when the headers give none.
std::wstring_view HeaderMessageName(std::uint32_t message, std::wstring_view className);

// The header name; else, for a registered message, its registered name in double quotes; else
// WM_USER+n or WM_APP+n (n in decimal, the bare name for n = 0); else "0x%04X". An empty lookup
// knows no registered name.
std::wstring MessageName(std::uint32_t message, std::wstring_view className,
                         const RegisteredNameLookup& registered);

// The header names of the window messages, in the order of their numbers: the names a user picks
// a message by.
std::vector<std::wstring_view> WindowMessageNames();

// The number of the message of that header name (ASCII case ignored): a window message's, or a
// control class's own (EM_SETSEL, LVM_INSERTITEMW); nothing when the headers have no such name.
std::optional<std::uint32_t> MessageNumberOfName(std::wstring_view name);

// The one header name the control classes give `message`, when exactly one name is theirs for it
// (0x00B1 is EM_SETSEL to every class that knows it; 0x0401 has many names): empty otherwise.
std::wstring_view UniqueControlMessageName(std::uint32_t message);

// The codes inside a message's parameters; each name is empty when the headers give none.

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
