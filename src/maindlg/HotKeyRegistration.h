#pragma once
// The global hot key of the main window (identifier 0). A change withdraws the key registered
// before and then registers the new one: a second registration under the same window and
// identifier would leave the first key live until exit. When the new key cannot be registered the
// previous one is registered again, so a failed change never leaves the user with no key at all.

#include <windows.h>

class HotKeyRegistration {
public:
    // The system's registration calls, which tests replace to see their order.
    class System {
    public:
        // False on failure, the reason in GetLastError.
        virtual bool Register(HWND owner, int id, UINT modifiers, UINT virtualKey) = 0;
        virtual void Unregister(HWND owner, int id) = 0;

    protected:
        ~System() = default;
    };
    static System& RealSystem();

    enum class Result {
        Registered,
        Cleared,       // the new key is 0: nothing is registered
        HeldElsewhere, // another program holds the key
        Failed,
    };

    explicit HotKeyRegistration(System& system = RealSystem()) : m_system(system) {}

    // Makes `hotKey` (the stored word: virtual key and hot-key-control modifiers) the key of `owner`.
    Result Change(HWND owner, int hotKey);
    // Withdraws whatever is registered.
    void Withdraw();
    // Takes the key off the system while a dialog needs it as typed input; Resume registers it again
    // (silently: another program may have taken it meanwhile). A Change in between ends the pause,
    // the paused key being the one it restores on failure.
    void Suspend();
    void Resume();
    int Registered() const { return m_registered; }

    static constexpr int kId = 0;

private:
    System& m_system;
    HWND m_owner = nullptr;
    int m_registered = 0;
    bool m_suspended = false; // m_registered is the key to register again, not registered now
};
