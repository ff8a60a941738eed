#pragma once
// The rows the Detail listing adds when the user asks for more properties: the windows related to
// this one and the text its control holds, its properties set with SetProp, how it is displayed,
// and its thread's state. Only the Control Text row sends the window a message, bounded in time or
// left to the caller (inspect/ControlTextRow.h); nothing else could wait on a program that does
// not answer.

#include "inspect/ControlTextRow.h"
#include "inspect/PropertySink.h"

#include <windows.h>

// Appends the groups GROUP_WINDOWS, GROUP_WINDOW_PROPERTIES, GROUP_DISPLAY and GROUP_THREAD.
void AddMoreRows(PropertySink& sink, HWND hwnd, ControlTextRead controlText = ControlTextRead::Now);
