#pragma once
// Orvex's side of the host that hooks 32-bit programs for it (msglog/hook/HookHost.cpp): starts the
// host, asks it to hook and unhook threads, and waits for its answers with a bound. The host ends
// when this object closes the channel or when Orvex's process ends, and its hooks go with it.

#include "framework/Handles.h"
#include "msglog/HookHostChannel.h"

#include <windows.h>

#include <memory>
#include <string>

class HookHost {
public:
    enum class Failure {
        None,
        CannotStart, // the host program did not start (no 32-bit support, or the system refused)
        NoAnswer,    // it did not answer within the bound, or ended
        Malformed,   // it answered something that is not a message of the channel
    };

    // Starts the host at `hostPath` for the library at `libraryPath`, both checked files, and waits
    // until it says it is ready; null, with `failure` (and the host's own error in `error`), when
    // it is not.
    static std::unique_ptr<HookHost> Start(const std::wstring& hostPath, const std::wstring& libraryPath,
                                           Failure& failure, DWORD& error);
    HookHost(const HookHost&) = delete;
    HookHost& operator=(const HookHost&) = delete;
    ~HookHost();

    // Hooks `threadId` with copy `variant` of the three log hooks: ERROR_SUCCESS or the window
    // system's error, unless the host failed (`failure` then says how).
    DWORD Hook(DWORD threadId, std::uint32_t variant, Failure& failure);
    void Unhook(DWORD threadId);
    bool Running() const;

private:
    HookHost() = default;
    bool Send(orvex::HostCommand command, DWORD threadId, std::uint32_t argument = 0);
    // The host's next message, waiting at most `boundMs` for it.
    std::optional<orvex::HostMessage> Receive(DWORD boundMs, Failure& failure);

    fw::UniqueProcessHandle m_process;
    bool m_broken = false; // it said something else than a message: its stream cannot be trusted
    fw::UniqueFileHandle m_toHost;
    fw::UniqueFileHandle m_fromHost;
};
