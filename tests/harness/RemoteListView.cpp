#include "harness/RemoteListView.h"

#include "framework/Handles.h"

#include <commctrl.h>

namespace harness {

namespace {

class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size) : m_process(process), m_size(size) {
        m_address = ::VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (m_address)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    explicit operator bool() const { return m_address != nullptr; }
    char* address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* data, size_t size) const {
        SIZE_T done = 0;
        return ::WriteProcessMemory(m_process, address() + offset, data, size, &done) && done == size;
    }
    bool Read(size_t offset, void* data, size_t size) const {
        SIZE_T done = 0;
        return ::ReadProcessMemory(m_process, address() + offset, data, size, &done) && done == size;
    }

private:
    HANDLE m_process;
    size_t m_size;
    void* m_address;
};

constexpr size_t kTextChars = 2048;

std::wstring ReadItemText(HWND listView, const RemoteBuffer& buffer, int item, int subItem) {
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = reinterpret_cast<LPWSTR>(buffer.address() + sizeof(LVITEMW));
    request.cchTextMax = static_cast<int>(kTextChars);
    if (!buffer.Write(0, &request, sizeof(request)))
        return {};
    LRESULT length = ::SendMessageW(listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                    reinterpret_cast<LPARAM>(buffer.address()));
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    buffer.Read(sizeof(LVITEMW), text.data(), text.size() * sizeof(wchar_t));
    return text;
}

} // namespace

std::vector<ListRow> ReadListRows(HWND listView) {
    std::vector<ListRow> rows;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(listView, &pid);
    fw::UniqueProcessHandle process(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process)
        return rows;
    RemoteBuffer buffer(process.get(), sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    if (!buffer)
        return rows;
    int count = static_cast<int>(::SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        rows.push_back({ReadItemText(listView, buffer, i, 0), ReadItemText(listView, buffer, i, 1)});
    return rows;
}

int SelectedRow(HWND listView) {
    return static_cast<int>(
        ::SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

} // namespace harness
