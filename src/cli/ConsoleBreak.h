#pragma once
// Ctrl+C and Ctrl+Break for a command that runs until something happens: instead of ending the
// process where it stands, they set an event the command waits on, so it ends by its own path.

#include <windows.h>

// The event Ctrl+C sets; the console handler is installed on the first call. Never null: without
// an event the command could not be told, so it would not be started.
HANDLE ConsoleBreakEvent();

// While a command holds one, a closing console (or logging off, or shutting down) sets the break
// event too, and the process is ended only once the command says it is done or `graceMs` has
// passed: a command that placed hooks in another program takes them out first.
class ConsoleCloseGrace {
public:
    explicit ConsoleCloseGrace(DWORD graceMs);
    ConsoleCloseGrace(const ConsoleCloseGrace&) = delete;
    ConsoleCloseGrace& operator=(const ConsoleCloseGrace&) = delete;
    ~ConsoleCloseGrace();
    void Done() const;
};
