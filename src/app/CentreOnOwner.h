#pragma once
// Places a dialog in the middle of the window that owns it, kept whole on that monitor's work area.
// Templates place a dialog at their own origin, which leaves it in a corner over its owner.

#include <windows.h>

void CentreOnOwner(HWND dialog);
