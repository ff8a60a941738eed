#include "msglog/PrivateObjects.h"

#include "process/ProcessToken.h"

#include <bcrypt.h>
#include <sddl.h>

#include <string>

PrivateObjectSecurity::PrivateObjectSecurity() {
    const std::wstring user = CurrentUserSid();
    if (user.empty())
        return;
    // Full access for the user alone, nothing inherited; the label refuses reads and writes from
    // below Orvex's level.
    std::wstring sddl = L"D:P(A;;GA;;;" + user + L")";
    if (const auto level = ProcessIntegrityLevel(::GetCurrentProcess()))
        sddl += L"S:(ML;;NWNR;;;S-1-16-" + std::to_wstring(*level) + L")";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.c_str(), SDDL_REVISION_1, &descriptor,
                                                                nullptr))
        return;
    m_descriptor.reset(descriptor);
    m_attributes = {sizeof(m_attributes), descriptor, FALSE};
}

bool MakeFolderPrivate(const wchar_t* folder) {
    PrivateObjectSecurity security;
    if (!security.Descriptor())
        return false;
    // The label's part may be refused where labels are not kept; the user's alone counts.
    const bool dacl = ::SetFileSecurityW(
        folder, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, security.Descriptor());
    ::SetFileSecurityW(folder, LABEL_SECURITY_INFORMATION, security.Descriptor());
    return dacl;
}

std::uint64_t OrvexLogKey() {
    static const std::uint64_t key = [] {
        std::uint64_t drawn = 0;
        while (drawn == 0) {
            if (!BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&drawn), sizeof(drawn),
                                                  BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
                // No random numbers: a key nobody can predict from outside is still better than none.
                LARGE_INTEGER now{};
                ::QueryPerformanceCounter(&now);
                drawn = static_cast<std::uint64_t>(now.QuadPart) * 0x9E3779B97F4A7C15ull ^
                        ::GetCurrentProcessId();
            }
        }
        return drawn;
    }();
    return key;
}
