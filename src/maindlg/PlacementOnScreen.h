#pragma once
// The placement rules of maindlg/Placement.h applied to real windows: the main window's rectangle
// and the work areas are measured here, and each tool window is moved where its rule says and
// shown.

#include <windows.h>

#include <initializer_list>
#include <optional>

// The window tree beside the main window, scaled to the main window's `dpi`.
void ShowTreeWindowBeside(HWND tree, HWND mainWindow, int dpi);
// The send-message dialog over the main window's bottom, kept on the main window's monitor.
void ShowSendMessageDialogOver(HWND dialog, HWND mainWindow, int dpi);
// A tool window opened with no place of its own (`last` empty), beside the main window where it
// covers neither it nor the tool windows open (`others`, null ones skipped), else beside `target`'s
// top-level window, else below the main window (as short as half its height to fit); on the main
// window's monitor. With `last`, where
// the user left it, brought onto the screen nearest to it. It widens to `wantedWidth` where it has
// room, and is never made shorter than `minHeight` (0: half its height).
void ShowToolWindowBeside(HWND tool, HWND mainWindow, HWND target, std::initializer_list<HWND> others,
                          int wantedWidth = 0, const std::optional<RECT>& last = std::nullopt,
                          int minHeight = 0);

// The main window's stored normal rectangle (workspace coordinates of the primary monitor) moved
// where its caption can be reached, on the monitor nearest to it.
RECT FitStoredOnScreen(const RECT& stored, int minWidth, int minHeight);
