#pragma once
// The main window's placement in the registry ("Settings\WindowPlacement"), and the message log's
// rectangle beside it ("MessageLogRect").

#include <windows.h>

// False (outputs untouched) when no usable rectangle is stored.
bool LoadWindowPlacement(RECT& rect, int& flags, int& showCmd);
// True only when the rectangle, the flags and the show command were all written.
bool SaveWindowPlacement(const RECT& rect, int flags, int showCmd);

// The message log's window rectangle in screen coordinates; false when none is stored.
bool LoadMessageLogRect(RECT& rect);
bool SaveMessageLogRect(const RECT& rect);
