#include "common/SaveFileDialog.h"

#include <commdlg.h>

#include <vector>

std::optional<std::wstring> AskSaveFileName(HWND owner, const SaveFileQuestion& question) {
    // Room for a long path: a folder deep in a project easily passes MAX_PATH.
    std::vector<wchar_t> path(32768, L'\0');
    question.suggested.copy(path.data(), path.size() - 1);
    // The filter is pairs of strings each ended by a null, the whole ended by another.
    const std::wstring pattern = std::wstring(L"*.") + question.extension;
    std::wstring filter = std::wstring(question.kind) + L'\0' + pattern + L'\0';
    filter += std::wstring(L"All Files (*.*)") + L'\0' + L"*.*" + L'\0' + L'\0';
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = question.extension;
    dialog.lpstrTitle = question.title;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!::GetSaveFileNameW(&dialog))
        return std::nullopt;
    return std::wstring(path.data());
}
