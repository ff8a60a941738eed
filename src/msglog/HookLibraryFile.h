#pragma once
// A file Orvex puts inside other programs (the hook libraries, the 32-bit host), carried inside
// Orvex.exe as a resource, as a file another program can load.
// It is written on first use into the user's folder under a name that carries its content hash,
// then held open against writing and deletion for as long as hooks may load it, and compared with
// the library itself while so held: another program of the user could have replaced the file, and
// Orvex would load whatever is there into the program it logs.

#include "framework/Handles.h"
#include "msglog/HookLibraryName.h"

#include <cstddef>
#include <span>
#include <string>

class HookLibraryFile {
public:
    enum class Status {
        Ready,
        NoLibrary,   // the resource is missing: a build without the hook library
        CannotWrite, // the folder or the file cannot be made
        CannotCheck, // the file cannot be held open or read back as the library
    };

    // Finds or writes the library in `folder` under the name of its kind and holds it open; see
    // status().
    HookLibraryFile(std::span<const std::byte> library, const std::wstring& folder,
                    orvex::HookFile kind = orvex::HookFile::Library);
    HookLibraryFile(const HookLibraryFile&) = delete;
    HookLibraryFile& operator=(const HookLibraryFile&) = delete;

    Status status() const { return m_status; }
    // The file's full path; empty unless Ready.
    const std::wstring& path() const { return m_path; }

    // The resource of this program that holds a file of `kind`, or an empty span.
    static std::span<const std::byte> LibraryResource(orvex::HookFile kind = orvex::HookFile::Library);
    // "%LOCALAPPDATA%\Quillmoor\Orvex\1.2", made when missing; empty when it cannot be.
    static std::wstring UserFolder();

private:
    bool HoldAndCheck(std::span<const std::byte> library);

    Status m_status = Status::CannotCheck;
    std::wstring m_path;
    fw::UniqueFileHandle m_held;
};
