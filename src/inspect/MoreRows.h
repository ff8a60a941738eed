#pragma once
// The rows the Detail listing adds when the user asks for more properties: the windows related to
// this one, its properties set with SetProp, how it is displayed, and its thread's state. Nothing
// here sends the window a message that could wait on a program that does not answer.

#include "inspect/PropertySink.h"

#include <windows.h>

// Appends the groups GROUP_WINDOWS, GROUP_WINDOW_PROPERTIES, GROUP_DISPLAY and GROUP_THREAD.
void AddMoreRows(PropertySink& sink, HWND hwnd);
