#pragma once
// A row naming another window the user can go to: its handle and class, or "<None>".

#include "inspect/PropertySink.h"

#include <windows.h>

// Adds `name` valued "0x00010042 (Edit)" as KIND_WINDOW_LINK, or "<None>" as KIND_TEXT for null.
void AddWindowLinkRow(PropertySink& sink, int group, const wchar_t* name, HWND window);
