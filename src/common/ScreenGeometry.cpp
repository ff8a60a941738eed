#include "common/ScreenGeometry.h"

orvex::ScreenRect WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        return ToScreenRect(info.rcWork);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return ToScreenRect(work);
}

orvex::ScreenRect PrimaryWorkArea() {
    return WorkAreaOf(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}
