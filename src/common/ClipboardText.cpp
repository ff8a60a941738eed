#include "common/ClipboardText.h"

#include "framework/Handles.h"

#include <cstring>

bool PutTextOnClipboard(HWND owner, const std::wstring& text) {
    fw::OpenClipboard clipboard(owner);
    if (!clipboard || !::EmptyClipboard())
        return false;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    fw::UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return false;
    void* target = ::GlobalLock(memory.get());
    if (!target)
        return false;
    std::memcpy(target, text.c_str(), bytes);
    ::GlobalUnlock(memory.get());
    if (!::SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    static_cast<void>(memory.release()); // the clipboard owns it now
    return true;
}
