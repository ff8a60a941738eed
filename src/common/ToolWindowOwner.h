#pragma once
// What a tool window (the window tree, the send-message dialog) may ask of the window that opened
// it. A tool never reaches into its owner: it tells it what happened, as the finder tool tells its
// parent with notifications.

#include <windows.h>

class ToolWindowOwner {
public:
    // The window the owner lists, or null.
    virtual HWND ListedWindow() const = 0;
    // The user picked this window in the tool: the owner lists it.
    virtual void WindowChosen(HWND hwnd) = 0;
    // The user asked to see this window listed from a tool that stays where it is (a line of the
    // message log): the owner lists it, and the tool keeps its own target.
    virtual void ListWindow(HWND hwnd) = 0;
    // The tool follows the cursor and hands over the window under it on each tick; a step on the
    // way, not a finished pick.
    virtual void Retarget(HWND hwnd) = 0;
    // Hides or shows the owner's windows: the main window and every tool window but `caller`.
    virtual void ShowOwnerWindows(HWND caller, bool show) = 0;
    // The user asked for the Find Window dialog (Ctrl+F in a tool): the owner opens it, or brings
    // the open one forward.
    virtual void OpenFindWindow() = 0;

protected:
    ~ToolWindowOwner() = default;
};
