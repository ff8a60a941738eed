#pragma once
// The two directions of the conversation between the main window and its tool windows (the window
// tree, the send-message dialog, the message log, Find Window). A tool never reaches into its
// owner: it tells it what happened, as the finder tool tells its parent with notifications; and
// the owner tells the tools that follow the selection where it went.

#include <windows.h>

// What a change of the listed window was.
enum class Selection {
    // A window listed on the way: a move of the finder tool, a tick of a watch, a line of the log.
    // Every window the owner lists is announced as a step, a finished pick's included.
    Step,
    // The user has settled on the listed window: the end of a drag, the hot key, a window chosen in
    // the tree or in Find, Go to, Back and Forward.
    Finished,
};

class ToolWindowOwner {
public:
    // The window the owner lists, or null.
    virtual HWND ListedWindow() const = 0;
    // The user chose `hwnd` in the tool: the owner lists it, as a step on the way or as a finished
    // pick, and tells the tools that follow the selection.
    virtual void SelectWindow(HWND hwnd, Selection kind) = 0;
    // A tool has finished changing `hwnd` (made it visible and enabled, say): the owner lists it
    // again when it is the listed window, so the listing shows what the window now reports.
    virtual void WindowChanged(HWND hwnd) = 0;
    // Hides or shows the owner's windows: the main window and every tool window but `caller`.
    virtual void ShowOwnerWindows(HWND caller, bool show) = 0;
    // The user asked for the Find Window dialog (Ctrl+F in a tool): the owner opens it, or brings
    // the open one forward.
    virtual void OpenFindWindow() = 0;

protected:
    ~ToolWindowOwner() = default;
};

// A tool window that follows the owner's selection; each tool decides which changes it follows.
class SelectionFollower {
public:
    // The owner now lists `window` (which may be gone, or null, after a finished pick).
    virtual void SelectionChanged(HWND window, Selection kind) = 0;

protected:
    ~SelectionFollower() = default;
};
