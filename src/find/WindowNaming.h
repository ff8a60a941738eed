#pragma once
// The target that names one window on this desktop now: the shortest criteria that find it alone,
// else its handle. What --name prints and the property list's "Copy Target" copies.

#include <windows.h>

#include <string>

std::wstring WindowTargetName(HWND hwnd);
