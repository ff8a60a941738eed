#pragma once
// A block of memory in another process, for requests whose structures and texts must live in the
// process that owns the control (list views, toolbars).

#include "framework/Handles.h"

#include <string>

namespace harness {

class RemoteBuffer {
public:
    // Opens the process that owns `window` and allocates `size` bytes there.
    RemoteBuffer(HWND window, size_t size);
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer();

    explicit operator bool() const { return m_address != nullptr; }
    // The block's address in the other process (to put into a message or a structure sent there).
    char* address() const { return static_cast<char*>(m_address); }
    template <class T> T* at(size_t offset) const { return reinterpret_cast<T*>(address() + offset); }

    bool Write(size_t offset, const void* data, size_t size) const;
    bool Read(size_t offset, void* data, size_t size) const;
    template <class T> bool Write(size_t offset, const T& value) const {
        return Write(offset, &value, sizeof(T));
    }
    template <class T> bool Read(size_t offset, T& value) const { return Read(offset, &value, sizeof(T)); }
    // A zero-terminated UTF-16 text of at most `maxChars` characters.
    std::wstring ReadText(size_t offset, size_t maxChars) const;

private:
    fw::UniqueProcessHandle m_process;
    void* m_address = nullptr;
};

} // namespace harness
