#pragma once
// The shared mapping behind one logged thread: a small control block Orvex writes (what to log, and
// whether it still reads), then the ring the hook library writes the messages into. Orvex creates
// it under a name made from the thread's id before it hooks that thread; the hook, running on that
// thread, finds it by the same name. Pure logic: no window system here.

#include "msglog/MessageFilter.h"
#include "msglog/MessageRing.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvex {

enum class LogScope : std::uint32_t {
    Window = 0,            // the target window alone
    WindowAndChildren = 1, // the target and every window below it
    Thread = 2,            // every window of the target's thread, and its thread messages
};

inline constexpr std::uint32_t kLogControlMagic = 0x434C584F; // "OXLC" in memory order
inline constexpr std::uint32_t kLogControlVersion = 5;

// What the hook filters by, as Orvex last set it; read on every message, changed while logging.
// `excluded` holds the filter's listed messages, shown rather than left out in the Show-only mode.
struct LogFilterBlock {
    std::atomic<std::uint32_t> shownCategories;
    std::atomic<std::uint32_t> excludedCount;
    std::atomic<std::uint32_t> excluded[kMaxExcludedMessages];
};
static_assert(sizeof(LogFilterBlock) == 256);

struct LogControl {
    std::atomic<std::uint32_t> magic;
    std::atomic<std::uint32_t> version;
    std::atomic<std::uint32_t> scope;
    std::atomic<std::uint32_t> open; // 1 while Orvex reads this mapping; 0 once it has let go
    std::atomic<std::uint64_t> target;
    // The system's millisecond tick count when Orvex last read the ring. An Orvex that was killed
    // never marks its mapping closed: its silence is what tells the hook to look again by name.
    std::atomic<std::uint64_t> heartbeat;
    std::atomic<std::uint32_t> filterMode; // a FilterMode: how the hook reads `filter`
    // The Orvex that made the mapping: its process, and its key, drawn from the system's random
    // numbers once per Orvex. A hook takes the first mapping it opens on a thread as its Orvex's and
    // writes after that only into mappings with the same key, until that Orvex closes its log; once
    // that Orvex has ended without closing, it writes nothing more (see the hook library).
    std::atomic<std::uint32_t> ownerProcessId;
    std::atomic<std::uint64_t> key;
    // Which copy of the hook procedures that Orvex hooked the thread with (see HookProcedures.h).
    std::atomic<std::uint32_t> hookVariant;
    std::uint8_t reserved[12];
    LogFilterBlock filter;
};
static_assert(std::is_standard_layout_v<LogControl> && sizeof(LogControl) == 320 &&
                  offsetof(LogControl, filterMode) == 32 && offsetof(LogControl, ownerProcessId) == 36 &&
                  offsetof(LogControl, key) == 40 && offsetof(LogControl, hookVariant) == 48 &&
                  offsetof(LogControl, filter) == 64,
              "the control block's layout is shared with the hook libraries of both widths");

// The ring starts on the cache line after the control block.
inline constexpr std::size_t kLogRingOffset = sizeof(LogControl);

constexpr std::size_t LogMappingSize(std::uint32_t capacity = kDefaultRingCapacity) {
    return kLogRingOffset + RingBlockSize(capacity);
}

// "Local\Orvex.MessageLog.<thread id>": the name the hook looks for on its own thread.
std::wstring LogMappingName(std::uint32_t threadId);
// The same into `buffer` (at least kLogMappingNameSize characters) without touching the heap, for
// the hook inside another program; returns its length.
inline constexpr std::size_t kLogMappingNameSize = 48;
std::size_t WriteLogMappingName(std::uint32_t threadId, wchar_t (&buffer)[kLogMappingNameSize]) noexcept;

// Who makes a mapping: the Orvex process, its key, and the copy of the hook procedures it hooks with.
struct LogOwner {
    std::uint32_t processId = 0;
    std::uint64_t key = 0;
    std::uint32_t hookVariant = 0;
};

// Lays out the control block and an empty ring in a fresh mapping, open for logging, read at `now`.
bool InitializeLogMapping(void* block, std::size_t size, std::uint64_t session, LogScope scope,
                          std::uint64_t target, std::uint64_t now, LogOwner owner = {},
                          std::uint32_t capacity = kDefaultRingCapacity);

// Orvex's side: how the hooks filter from now on. A hook reading at the same moment may apply
// the old filter, or a mix of the two, to that one message.
void WriteLogFilter(LogControl& control, const MessageFilter& filter) noexcept;
// The hook's side: whether `message` is logged, by the filter's one rule. Trusts no count it finds;
// a mode it does not know filters as Hide does.
bool LogFilterShows(const LogControl& control, std::uint32_t message) noexcept;

// Orvex reads its rings every 50 ms; a quarter second of silence means it may be gone, and a new
// Orvex may already wait under the name (or it is only busy: looking again by name then finds the
// same mapping, and nothing is lost). Far shorter than any Orvex takes to start and hook again.
inline constexpr std::uint64_t kReaderSilenceMs = 250;
bool ReaderSilent(const LogControl& control, std::uint64_t now) noexcept;

// What Orvex wrote into a mapping of its own that nobody else writes: the hooks only read these
// fields, so finding any of them changed means someone wrote over the mapping.
struct LogMappingFacts {
    std::uint64_t session = 0;
    LogScope scope = LogScope::Window;
    std::uint64_t target = 0;
    std::uint64_t heartbeat = 0; // the beat Orvex wrote last
    LogOwner owner;
    std::uint32_t capacity = kDefaultRingCapacity;
};
// Whether the control block and the ring's header still hold `facts` and are laid out as this
// build lays them out. The ring's moving parts (the claimed position, the slots, the writers'
// counters) are the reader's to judge.
bool LogMappingIntact(const void* block, std::size_t size, const LogMappingFacts& facts) noexcept;

// The control block of a mapping the hook found, or null when it is not one of ours. The hook reads
// the scope and target from it on every message: Orvex may change them while logging.
LogControl* FindLogControl(void* block, std::size_t size) noexcept;

} // namespace orvex
