#include "common/TextFile.h"

#include "common/Utf8Text.h"
#include "framework/Handles.h"

#include <windows.h>

#include <algorithm>

namespace {

// One call writes at most this much: WriteFile counts in 32 bits.
constexpr std::size_t kLargestWrite = std::size_t{1} << 20;

bool WriteAll(HANDLE file, std::span<const std::byte> content) {
    std::size_t done = 0;
    while (done < content.size()) {
        DWORD wrote = 0;
        const auto want = static_cast<DWORD>(std::min(content.size() - done, kLargestWrite));
        if (!::WriteFile(file, content.data() + done, want, &wrote, nullptr))
            return false;
        if (wrote == 0) {
            ::SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += wrote;
    }
    return ::FlushFileBuffers(file) != FALSE;
}

// Removes the file beside the target, keeping the reason the write failed.
bool Abandon(const std::wstring& partial) {
    const DWORD error = ::GetLastError();
    ::DeleteFileW(partial.c_str());
    ::SetLastError(error ? error : ERROR_WRITE_FAULT);
    return false;
}

} // namespace

bool WriteFileWhole(const std::wstring& path, std::span<const std::byte> content) {
    const std::wstring partial = path + L".partial";
    {
        fw::UniqueFileHandle file(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        if (!WriteAll(file.get(), content)) {
            const DWORD error = ::GetLastError();
            file.reset();
            ::SetLastError(error);
            return Abandon(partial);
        }
    }
    if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        return Abandon(partial);
    return true;
}

bool WriteUtf8File(const std::wstring& path, std::wstring_view text) {
    const std::string bytes = orvex::Utf8FromWide(text);
    return WriteFileWhole(path, std::as_bytes(std::span(bytes)));
}
