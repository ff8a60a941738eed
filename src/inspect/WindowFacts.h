#pragma once
// What several gatherers need of one window, read once per listing: its class name and style
// words. A refill that read them again for each group would pay for every read twice over.

#include <windows.h>

#include <string>

struct WindowFacts {
    HWND hwnd = nullptr;
    LONG_PTR style = 0;
    LONG_PTR exStyle = 0;
    std::wstring className; // empty when it cannot be read (the window has gone)

    static WindowFacts Read(HWND hwnd);
};
