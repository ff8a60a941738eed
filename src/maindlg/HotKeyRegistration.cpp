#include "maindlg/HotKeyRegistration.h"

#include "maindlg/HotKeySetting.h"

namespace {

class WindowSystemHotKeys final : public HotKeyRegistration::System {
public:
    bool Register(HWND owner, int id, UINT modifiers, UINT virtualKey) override {
        return ::RegisterHotKey(owner, id, modifiers, virtualKey) != FALSE;
    }
    void Unregister(HWND owner, int id) override { ::UnregisterHotKey(owner, id); }
};

bool RegisterStored(HotKeyRegistration::System& system, HWND owner, int hotKey) {
    return system.Register(owner, HotKeyRegistration::kId, orvex::HotKeyRegistrationModifiers(hotKey),
                           orvex::HotKeyVirtualKey(hotKey));
}

} // namespace

HotKeyRegistration::System& HotKeyRegistration::RealSystem() {
    static WindowSystemHotKeys system;
    return system;
}

HotKeyRegistration::Result HotKeyRegistration::Change(HWND owner, int hotKey) {
    const HWND previousOwner = m_owner;
    const int previous = m_registered;
    Withdraw();
    // A cleared hot key registers nothing: the registration could only take a key that does not
    // exist, or report a failure the user did not cause.
    if (hotKey == 0)
        return Result::Cleared;
    if (RegisterStored(m_system, owner, hotKey)) {
        m_owner = owner;
        m_registered = hotKey;
        return Result::Registered;
    }
    const DWORD error = ::GetLastError();
    if (previous != 0 && RegisterStored(m_system, previousOwner, previous)) {
        m_owner = previousOwner;
        m_registered = previous;
    }
    return error == ERROR_HOTKEY_ALREADY_REGISTERED ? Result::HeldElsewhere : Result::Failed;
}

void HotKeyRegistration::Withdraw() {
    if (m_registered != 0 && !m_suspended)
        m_system.Unregister(m_owner, kId);
    m_suspended = false;
    m_owner = nullptr;
    m_registered = 0;
}

void HotKeyRegistration::Suspend() {
    if (m_registered == 0 || m_suspended)
        return;
    m_system.Unregister(m_owner, kId);
    m_suspended = true;
}

void HotKeyRegistration::Resume() {
    if (!m_suspended)
        return;
    m_suspended = false;
    if (!RegisterStored(m_system, m_owner, m_registered)) {
        m_owner = nullptr;
        m_registered = 0;
    }
}
