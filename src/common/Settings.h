#pragma once
// The settings Orvex keeps under "Settings", as they are stored. Loaded and saved by
// maindlg/SettingsStore for the application object, handed to the main dialog and the options
// dialog. Pure logic: no window system here.

#include "common/ViewMode.h"

namespace orvex {

struct Settings {
    int m_bKeepAlwaysOnTop = 0;
    int m_bHideOnSeeking = 0;
    int m_nHotKey = 120; // F9, no modifier; 0 when the user cleared it
    // As stored: 1 lists the detail, any other value the summary. A value this version does not
    // know is kept as it is, so a later version's meaning survives, until the user toggles.
    int m_nViewMode = 1;
    // The Detail listing ends with the related windows, window properties, display and thread.
    int m_bMoreProperties = 0;

    ViewMode GetViewMode() const { return m_nViewMode == 1 ? ViewMode::Detail : ViewMode::Summary; }
    void ToggleViewMode() { m_nViewMode = GetViewMode() == ViewMode::Detail ? 0 : 1; }
};

} // namespace orvex
