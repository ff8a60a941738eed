#include "harness/RemoteBuffer.h"

#include <vector>

namespace harness {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    m_process.reset(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (m_process)
        m_address =
            ::VirtualAllocEx(m_process.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
    if (m_address)
        ::VirtualFreeEx(m_process.get(), m_address, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) const {
    SIZE_T done = 0;
    return m_address && ::WriteProcessMemory(m_process.get(), address() + offset, data, size, &done) &&
           done == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
    SIZE_T done = 0;
    return m_address && ::ReadProcessMemory(m_process.get(), address() + offset, data, size, &done) &&
           done == size;
}

std::wstring RemoteBuffer::ReadText(size_t offset, size_t maxChars) const {
    std::vector<wchar_t> text(maxChars + 1, L'\0');
    if (!Read(offset, text.data(), maxChars * sizeof(wchar_t)))
        return {};
    return std::wstring(text.data());
}

} // namespace harness
