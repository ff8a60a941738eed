#pragma once
// Everything Orvex keeps in the registry between runs, under the profile of the application
// object: the settings record ("Settings"), the main window's placement with the message log's
// rectangle and the DPI both were measured at ("Settings\WindowPlacement"), and the log's filter
// ("MessageLogFilter" under "Settings"). The names and layouts stored never change: older and later
// versions read the same values.

#include "common/Settings.h"
#include "msglog/MessageFilter.h"

#include <windows.h>

#include <optional>

// The settings record; each value not stored has its default.
orvex::Settings LoadSettings();
void SaveSettings(const orvex::Settings& settings);

// The main window's normal rectangle (workspace coordinates) and how it was shown.
struct StoredWindowPlacement {
    RECT rect{};
    int flags = 0;
    int showCmd = SW_SHOWNORMAL;
};
// Nothing when no usable rectangle is stored.
std::optional<StoredWindowPlacement> LoadWindowPlacement();
// True only when the rectangle, the flags and the show command were all written.
bool SaveWindowPlacement(const StoredWindowPlacement& placement);

// The message log's window rectangle in screen coordinates; nothing when none is stored.
std::optional<RECT> LoadMessageLogRect();
bool SaveMessageLogRect(const RECT& rect);

// The DPI the rectangles above were stored at; 96 when none is stored, as everything stored before
// it was measured at 96.
int LoadPlacementDpi();
bool SavePlacementDpi(int dpi);

// The log's filter; the defaults (everything shown) when none is stored or the value is not of
// this layout.
orvex::MessageFilter LoadMessageLogFilter();
bool SaveMessageLogFilter(const orvex::MessageFilter& filter);
