#include "common/TextFile.h"

#include "framework/Handles.h"

#include <windows.h>

#include <string>

bool WriteUtf8File(const std::wstring& path, std::wstring_view text) {
    std::string bytes;
    if (!text.empty()) {
        const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                               nullptr, 0, nullptr, nullptr);
        if (size <= 0)
            return false;
        bytes.resize(static_cast<size_t>(size));
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                              nullptr, nullptr);
    }
    const std::wstring partial = path + L".partial";
    {
        fw::UniqueFileHandle file(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file)
            return false;
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
            written != bytes.size()) {
            const DWORD error = ::GetLastError();
            file.reset();
            ::DeleteFileW(partial.c_str());
            ::SetLastError(error ? error : ERROR_WRITE_FAULT);
            return false;
        }
    }
    if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(partial.c_str());
        ::SetLastError(error);
        return false;
    }
    return true;
}
