#pragma once
// One message log in progress: for every thread that owns a window in scope, a shared mapping with
// its ring, the three hooks that write into it, and the reader that drains it. Ending the session
// (or destroying it) unhooks first, then tells any hook still running that Orvex has let go.

#include "msglog/HookHost.h"
#include "msglog/HookLibraryFile.h"
#include "msglog/LogMapping.h"
#include "msglog/MessageRecord.h"

#include "framework/Handles.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class MessageLogSession {
public:
    enum class Refusal {
        None,
        NotAWindow,
        OwnWindow,     // Orvex's own windows are never logged
        HostFailed,    // the host that hooks 32-bit programs did not start or answer as it should
        AlreadyLogged, // another Orvex logs one of the threads
        Elevated,      // the program runs above Orvex's integrity level: no hook may enter it
        LowIntegrity,  // below it: the hook could not write into Orvex's mapping
        AppContainer,  // sandboxed: the same
        CannotReach,   // the window system refused the hook entry for another reason
        NoLibrary,     // the hook library could not be written or checked
        CannotHook,    // the window system refused the hooks for another reason
    };

    MessageLogSession();
    MessageLogSession(const MessageLogSession&) = delete;
    MessageLogSession& operator=(const MessageLogSession&) = delete;
    ~MessageLogSession();

    // Starts logging `target` in `scope`, leaving out what `filter` hides; on a refusal nothing is
    // left hooked.
    [[nodiscard]] Refusal Begin(HWND target, orvex::LogScope scope, const orvex::MessageFilter& filter = {});
    // What the hooks leave out from the next message on.
    void SetFilter(const orvex::MessageFilter& filter);
    void End();
    bool Active() const { return !m_threads.empty(); }
    // Whether the program logged is a 32-bit one, hooked through the host.
    bool ThirtyTwoBit() const { return m_thirtyTwoBit; }

    // Hands every record waiting in the rings to `sink` with the payload the hook copied behind it
    // (a view valid during the call), thread by thread; returns how many.
    using RecordSink = std::function<void(const orvex::MessageRecord&, std::span<const std::byte> payload)>;
    size_t Drain(const RecordSink& sink);

    struct Counts {
        std::uint64_t seen = 0;     // records read
        std::uint64_t dropped = 0;  // lost in the target: a full ring, or a writer given up
        std::uint64_t rejected = 0; // garbage the reader refused
    };
    Counts GetCounts() const;

private:
    struct ThreadLog;
    Refusal HookThread(DWORD threadId, HWND target, orvex::LogScope scope,
                       const orvex::MessageFilter& filter);
    Refusal LoadHookLibrary();

    std::unique_ptr<HookLibraryFile> m_file;
    // The hook library, loaded by the first Begin; declared before the threads, so it is freed
    // only after their hooks are gone.
    fw::UniqueModule m_library;
    std::uint64_t m_session = 0;
    bool m_thirtyTwoBit = false;
    // The host of the 32-bit hooks, shared by every session of this Orvex; held while hooked.
    std::shared_ptr<HookHost> m_host;
    std::vector<std::unique_ptr<ThreadLog>> m_threads;
    std::uint64_t m_rejectedRecords = 0;
};
