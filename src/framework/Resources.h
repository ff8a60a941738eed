#pragma once
// Texts and pictures from the program's resources.

#include <windows.h>

#include <string>

// The string-table entry, or an empty string when there is none.
std::wstring LoadStringResource(UINT id);
// True when the entry exists; `text` is left unchanged otherwise.
bool TryLoadStringResource(UINT id, std::wstring& text);

// A message box with the string-table text `id` and the application name as caption.
int AfxMessageBox(UINT id, UINT type = MB_OK);
