#pragma once
// The names the message log shows for the messages a window receives: the header names of the
// window messages, and of the control messages for the class that receives them (0x0401 is
// TTM_ACTIVATE to a tooltip and SB_SETTEXTA to a status bar). Pure logic: no window system here.

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

} // namespace orvex
