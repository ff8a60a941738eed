#pragma once
// How far Orvex reaches into a running program (process/Reach.h), read from the tokens of both.

#include "process/Reach.h"

#include <windows.h>

// Reachable when the program's token cannot be read: what is then tried will tell.
orvex::Reach ProcessReach(DWORD processId);
