#pragma once
// What this process holds of the system: GDI and USER objects, kernel handles and private memory,
// for the checks and figures that must show no growth over long loops.

#include <windows.h>

namespace harness {

struct ProcessResources {
    DWORD gdi = 0;     // 0 under Wine, which keeps no per-process object counts
    DWORD user = 0;    // likewise
    DWORD handles = 0; // likewise
    SIZE_T privateBytes = 0;

    bool HasObjectCounts() const { return gdi != 0 || user != 0; }
};

ProcessResources ReadProcessResources();

} // namespace harness
