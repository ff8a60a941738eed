// The console twin's entry point (Orvex.com): the same application object as the windowed one.
#include "WinApp.h"

int wmain() {
    return AfxWinMain(::GetModuleHandleW(nullptr));
}
