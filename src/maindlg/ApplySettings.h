#pragma once
// What the settings change in the running program: whether the main window stays on top, and the
// global hot key it takes.

#include "common/Settings.h"
#include "maindlg/HotKeyRegistration.h"

#include <windows.h>

// Applies the topmost setting to `mainWindow` and makes the stored hot key its key. A key the
// system refuses is reported with a message box, unless another program holds it.
void ApplySettingsTo(HWND mainWindow, const orvex::Settings& settings, HotKeyRegistration& hotKey);
