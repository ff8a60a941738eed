#include "inspect/ThreadRows.h"

#include "inspect/MoreRowsText.h"
#include "inspect/WindowLinkRow.h"

namespace {

struct GuiWindow {
    const wchar_t* name;
    HWND GUITHREADINFO::*window;
};

constexpr GuiWindow kGuiWindows[] = {
    {L"Active", &GUITHREADINFO::hwndActive},      {L"Focus", &GUITHREADINFO::hwndFocus},
    {L"Capture", &GUITHREADINFO::hwndCapture},    {L"Menu Owner", &GUITHREADINFO::hwndMenuOwner},
    {L"Move/Size", &GUITHREADINFO::hwndMoveSize}, {L"Caret", &GUITHREADINFO::hwndCaret},
};

void AddRespondingRow(PropertySink& sink, HWND hwnd, DWORD threadId) {
    // The window system's own judgement (a thread that has not taken its messages for about five
    // seconds), read without sending the window anything.
    if (threadId == 0)
        sink.AddProperty(GROUP_THREAD, L"Responding", kNotAvailable, KIND_TEXT);
    else
        sink.AddProperty(GROUP_THREAD, L"Responding", ::IsHungAppWindow(hwnd) ? L"No" : L"Yes", KIND_TEXT);
}

} // namespace

void AddThreadRows(PropertySink& sink, HWND hwnd) {
    const DWORD threadId = ::GetWindowThreadProcessId(hwnd, nullptr);
    AddRespondingRow(sink, hwnd, threadId);

    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const bool known = threadId != 0 && ::GetGUIThreadInfo(threadId, &info);
    for (const GuiWindow& row : kGuiWindows) {
        if (known)
            AddWindowLinkRow(sink, GROUP_THREAD, row.name, info.*row.window);
        else
            sink.AddProperty(GROUP_THREAD, row.name, kNotAvailable, KIND_TEXT);
    }
    if (known)
        sink.AddProperty(GROUP_THREAD, L"Flags", orvex::FormatGuiThreadFlags(info.flags), KIND_CONSTANT);
    else
        sink.AddProperty(GROUP_THREAD, L"Flags", kNotAvailable, KIND_TEXT);
}
