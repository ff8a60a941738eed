#include "msglog/HookLibraryFile.h"

#include "common/TextFile.h"
#include "framework/WinApp.h"
#include "msglog/PrivateObjects.h"
#include "res/resource.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

bool ReadWhole(HANDLE file, std::vector<std::byte>& content) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0 || size.QuadPart > 64 * 1024 * 1024)
        return false;
    content.resize(static_cast<size_t>(size.QuadPart));
    LARGE_INTEGER start{};
    if (!::SetFilePointerEx(file, start, nullptr, FILE_BEGIN))
        return false;
    size_t done = 0;
    while (done < content.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1 << 20));
        if (!::ReadFile(file, content.data() + done, want, &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}

} // namespace

HookLibraryFile::HookLibraryFile(std::span<const std::byte> library, const std::wstring& folder,
                                 orvex::HookFile kind) {
    if (library.empty()) {
        m_status = Status::NoLibrary;
        return;
    }
    if (folder.empty()) {
        m_status = Status::CannotWrite;
        return;
    }
    const std::wstring path = folder + L"\\" + orvex::HookFileName(kind, orvex::ContentHash(library));
    m_path = path;
    if (HoldAndCheck(library))
        return;
    // Missing, or not what its name promises: written afresh, then held and checked again.
    if (!WriteFileWhole(path, library)) {
        m_path.clear();
        m_status = Status::CannotWrite;
        return;
    }
    if (!HoldAndCheck(library)) {
        m_path.clear();
        m_status = Status::CannotCheck;
    }
}

bool HookLibraryFile::HoldAndCheck(std::span<const std::byte> library) {
    // Readers are welcome (the loader is one); writers and deleters are not, until this closes.
    m_held.reset(::CreateFileW(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    std::vector<std::byte> content;
    if (!m_held || !ReadWhole(m_held.get(), content) || content.size() != library.size() ||
        std::memcmp(content.data(), library.data(), library.size()) != 0) {
        m_held.reset();
        return false;
    }
    m_status = Status::Ready;
    return true;
}

std::span<const std::byte> HookLibraryFile::LibraryResource(orvex::HookFile kind) {
    const HINSTANCE module = AfxGetResourceHandle();
    const int id = kind == orvex::HookFile::Library32 ? IDR_MESSAGE_HOOK32
                   : kind == orvex::HookFile::Host32  ? IDR_HOOK_HOST32
                                                      : IDR_MESSAGE_HOOK;
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (!found)
        return {};
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(module, found);
    if (!data || size == 0)
        return {};
    return {static_cast<const std::byte*>(data), size};
}

std::wstring HookLibraryFile::UserFolder() {
    wchar_t localAppData[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                  SHGFP_TYPE_CURRENT, localAppData)))
        return {};
    const std::wstring folder = std::wstring(localAppData) + L"\\Quillmoor\\Orvex\\1.2";
    // Only the user may put files where Orvex loads libraries from into other programs.
    PrivateObjectSecurity security;
    const int made = ::SHCreateDirectoryExW(nullptr, folder.c_str(), security.Attributes());
    if (made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS)
        MakeFolderPrivate(folder.c_str());
    else if (made != ERROR_SUCCESS)
        return {};
    return folder;
}
