#pragma once
// The placement rules of maindlg/Placement.h applied to real windows: the main window's rectangle
// and the work areas are measured here, and each tool window is moved where its rule says and
// shown.

#include <windows.h>

#include <optional>

// The window tree beside the main window, scaled to the main window's `dpi`.
void ShowTreeWindowBeside(HWND tree, HWND mainWindow, int dpi);
// The send-message dialog over the main window's bottom, kept on the main window's monitor.
void ShowSendMessageDialogOver(HWND dialog, HWND mainWindow, int dpi);
// The message log where the user left it (`last`, brought onto the screen nearest to it), or, the
// first time, beside the main window on the side the window tree (`tree`, or null) leaves free.
void ShowMessageLogBeside(HWND log, HWND mainWindow, const std::optional<RECT>& last, HWND tree,
                          int widthForColumns);
// Find Window over the main window's property list, kept on the main window's monitor.
void ShowFindWindowOver(HWND find, HWND mainWindow);

// The main window's stored normal rectangle (workspace coordinates of the primary monitor) moved
// where its caption can be reached, on the monitor nearest to it.
RECT FitStoredOnScreen(const RECT& stored, int minWidth, int minHeight);
