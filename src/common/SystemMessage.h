#pragma once
// The system's own sentence for an error code, for the messages Orvex shows the user.

#include <windows.h>

#include <string>

// "Access is denied." for ERROR_ACCESS_DENIED; "Error 1234." when the system has no text for it.
std::wstring SystemMessage(DWORD error);
