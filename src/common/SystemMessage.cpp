#include "common/SystemMessage.h"

#include "framework/Handles.h"

std::wstring SystemMessage(DWORD error) {
    fw::UniqueLocalMemory<wchar_t> text;
    // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument is where the text's address goes.
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, 0, reinterpret_cast<wchar_t*>(text.put()), 0, nullptr);
    std::wstring message = length && text ? std::wstring(text.get(), length) : std::wstring();
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
        message.pop_back();
    return message.empty() ? L"Error " + std::to_wstring(error) + L"." : message;
}
