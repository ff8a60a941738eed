#pragma once
// What keeps the log's shared objects (the mappings, the folder of the hook libraries) Orvex's
// alone: a security descriptor that admits only the user Orvex runs for, with a mandatory label at
// Orvex's own integrity level, so a program below it can neither open nor take their names first;
// and the key Orvex writes into its mappings, so a hook left behind by an Orvex that was killed
// writes into no mapping made by someone else.

#include "framework/Handles.h"

#include <windows.h>

#include <cstdint>

class PrivateObjectSecurity {
public:
    PrivateObjectSecurity();
    // For CreateFileMappingW and the like; null attributes (the default security) when the
    // descriptor could not be made.
    SECURITY_ATTRIBUTES* Attributes() { return m_descriptor ? &m_attributes : nullptr; }
    PSECURITY_DESCRIPTOR Descriptor() const { return m_descriptor.get(); }

private:
    fw::UniqueLocalMemory<void> m_descriptor;
    SECURITY_ATTRIBUTES m_attributes{};
};

// Gives an existing folder the private descriptor, as if it had been made with it; false when the
// system refused.
bool MakeFolderPrivate(const wchar_t* folder);

// This Orvex's key: drawn once from the system's random numbers; never 0.
std::uint64_t OrvexLogKey();
