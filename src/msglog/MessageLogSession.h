#pragma once
// One message log in progress: for every thread that owns a window in scope, a shared mapping with
// its ring, the three hooks that write into it, and the reader that drains it. Ending the session
// (or destroying it) unhooks first, then tells any hook still running that Orvex has let go.

#include "msglog/HookHost.h"
#include "msglog/HookLibraryFile.h"
#include "msglog/LogDrain.h"
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
    // (a view valid during the call), the threads' records merged in the order they happened, and
    // tells `lost` how many records went missing where they did; returns how many records. Checks
    // each mapping as it goes: one found written over is read no more until Renew.
    using RecordSink = std::function<void(const orvex::MessageRecord&, std::span<const std::byte> payload)>;
    using LossSink = std::function<void(std::uint64_t count)>;
    size_t Drain(const RecordSink& sink, const LossSink& lost = {});
    // Whether a drain found a mapping written over by someone else (its header, its control block, or
    // a ring whose reader stalled while writers went on).
    bool Damaged() const;
    // Lays out the damaged mappings afresh, as a new session of the same target, scope and filter;
    // the hooks stay and find them again. Their handles stay too: someone holding the name open
    // cannot keep the log from starting again. The counts go on.
    void Renew();

    struct Counts {
        std::uint64_t seen = 0;     // records read
        std::uint64_t dropped = 0;  // lost in the target: a full ring, or a writer given up
        std::uint64_t rejected = 0; // garbage the reader refused
    };
    Counts GetCounts() const;

private:
    struct ThreadLog;
    Refusal HookThread(DWORD threadId, HWND target, orvex::LogScope scope);
    Refusal LoadHookLibrary();
    bool LayOut(ThreadLog& log);

    std::unique_ptr<HookLibraryFile> m_file;
    // The hook library, loaded by the first Begin; declared before the threads, so it is freed
    // only after their hooks are gone.
    fw::UniqueModule m_library;
    std::uint64_t m_session = 0;
    bool m_thirtyTwoBit = false;
    // The host of the 32-bit hooks, shared by every session of this Orvex; held while hooked.
    std::shared_ptr<HookHost> m_host;
    std::vector<std::unique_ptr<ThreadLog>> m_threads;
    orvex::MessageFilter m_filter;             // as the hooks were last told
    std::vector<orvex::ThreadBatch> m_batches; // one per thread, kept from drain to drain
    std::uint64_t m_rejectedRecords = 0;
    Counts m_renewedCounts; // of the readers a Renew replaced
};
