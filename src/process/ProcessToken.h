#pragma once
// What a process's access token says about whom it runs for and how far it is trusted.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

// The mandatory label's RID of a process's token (SECURITY_MANDATORY_MEDIUM_RID and so on), and in
// `appContainer` whether it runs in an app container; nothing when the token cannot be read.
std::optional<std::uint32_t> ProcessIntegrityLevel(HANDLE process, bool* appContainer = nullptr);

// The user this process runs for as a string SID ("S-1-5-21-…"); empty when it cannot be read.
std::wstring CurrentUserSid();
