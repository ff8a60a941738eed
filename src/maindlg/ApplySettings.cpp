#include "maindlg/ApplySettings.h"

#include "framework/Resources.h"
#include "res/resource.h"

void ApplySettingsTo(HWND mainWindow, const orvex::Settings& settings, HotKeyRegistration& hotKey) {
    ::SetWindowPos(mainWindow, settings.m_bKeepAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE);
    if (hotKey.Change(mainWindow, settings.m_nHotKey) == HotKeyRegistration::Result::Failed)
        AfxMessageBox(IDS_HOTKEY_FAILED, MB_ICONERROR | MB_OK);
}
