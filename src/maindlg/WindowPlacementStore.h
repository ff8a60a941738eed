#pragma once
// The main window's placement in the registry ("Settings\WindowPlacement"), and the message log's
// rectangle beside it ("MessageLogRect"), with the DPI both were measured at ("PlacementDpi").

#include <windows.h>

// False (outputs untouched) when no usable rectangle is stored.
bool LoadWindowPlacement(RECT& rect, int& flags, int& showCmd);
// True only when the rectangle, the flags and the show command were all written.
bool SaveWindowPlacement(const RECT& rect, int flags, int showCmd);

// The message log's window rectangle in screen coordinates; false when none is stored.
bool LoadMessageLogRect(RECT& rect);
bool SaveMessageLogRect(const RECT& rect);

// The DPI the rectangles above were stored at ("PlacementDpi"); 96 when none is stored, as
// everything stored before it was measured at 96.
int LoadPlacementDpi();
bool SavePlacementDpi(int dpi);
