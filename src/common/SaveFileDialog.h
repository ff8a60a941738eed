#pragma once
// The standard Save As dialog, as every "Save…" of Orvex asks it: one kind of file, a suggested
// name, an overwrite asked about, and the working folder left as it was.

#include <windows.h>

#include <optional>
#include <string>

struct SaveFileQuestion {
    const wchar_t* title;     // "Save Picture"
    const wchar_t* kind;      // "PNG Pictures (*.png)"
    const wchar_t* extension; // "png": the pattern and what a name without one is given
    std::wstring suggested;   // the name the dialog opens with
};

// The path the user chose; none when the dialog was cancelled.
std::optional<std::wstring> AskSaveFileName(HWND owner, const SaveFileQuestion& question);
