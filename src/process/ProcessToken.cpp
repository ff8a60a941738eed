#include "process/ProcessToken.h"

#include "framework/Handles.h"

#include <sddl.h>

std::optional<std::uint32_t> ProcessIntegrityLevel(HANDLE process, bool* appContainer) {
    HANDLE token = nullptr;
    if (!process || !::OpenProcessToken(process, TOKEN_QUERY, &token))
        return std::nullopt;
    fw::UniqueFileHandle owned(token);
    if (appContainer) {
        DWORD isAppContainer = 0, size = 0;
        *appContainer = ::GetTokenInformation(token, TokenIsAppContainer, &isAppContainer,
                                              sizeof(isAppContainer), &size) &&
                        isAppContainer != 0;
    }
    alignas(TOKEN_MANDATORY_LABEL) BYTE buffer[64] = {};
    DWORD size = 0;
    if (!::GetTokenInformation(token, TokenIntegrityLevel, buffer, sizeof(buffer), &size))
        return std::nullopt;
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer);
    PSID sid = label->Label.Sid;
    if (!sid || !::IsValidSid(sid) || *::GetSidSubAuthorityCount(sid) == 0)
        return std::nullopt;
    return *::GetSidSubAuthority(sid, static_cast<DWORD>(*::GetSidSubAuthorityCount(sid) - 1));
}

std::wstring CurrentUserSid() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    fw::UniqueFileHandle owned(token);
    alignas(TOKEN_USER) BYTE buffer[256] = {};
    DWORD size = 0;
    if (!::GetTokenInformation(token, TokenUser, buffer, sizeof(buffer), &size))
        return {};
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(buffer)->User.Sid, &text))
        return {};
    fw::UniqueLocalMemory<wchar_t> ownedText(text);
    return text;
}
