#include "common/ToolTipText.h"

#include "framework/WinApp.h"

bool ToolTipFromStringTable(NMTTDISPINFOW& info, UINT firstCommand, UINT lastCommand) {
    UINT_PTR id = info.hdr.idFrom;
    if (info.uFlags & TTF_IDISHWND)
        id = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(id)));
    if (id < firstCommand || id > lastCommand)
        return false;
    info.lpszText = MAKEINTRESOURCEW(id);
    info.hinst = AfxGetResourceHandle();
    return true;
}
