#pragma once
// Text put on the clipboard as Unicode text, the way Orvex's lists copy what the user selected.

#include <windows.h>

#include <string>

// Replaces the clipboard's contents with `text`; false when the clipboard could not take it.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);
