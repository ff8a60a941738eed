#pragma once
// Toolbar tooltips from the string table: a command shares its identifier with the string that
// describes it.

#include <windows.h>
#include <commctrl.h>

// Points the request at the string of the button's command when the command lies in
// [firstCommand, lastCommand]; false leaves the request to default processing.
bool ToolTipFromStringTable(NMTTDISPINFOW& info, UINT firstCommand, UINT lastCommand);
