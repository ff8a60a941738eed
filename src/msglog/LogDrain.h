#pragma once
// What one drain of the message log takes from its rings, and the order the log shows it in. Each
// hooked thread has a ring of its own, read one after the other; the lines are shown in the order
// the messages happened, by the time stamp the hook gives each record, so a scope wider than one
// thread reads as one story rather than thread by thread. Pure logic: no window system here.

#include "msglog/MessageRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvex {

// One thing a thread's ring gave: a message with what the hook copied behind it, or a count of
// messages lost at that point of the thread's stream.
struct DrainedEntry {
    MessageRecord record;      // a message, when `lost` is 0
    std::uint64_t lost = 0;    // else the messages lost here
    std::size_t payloadAt = 0; // in the batch's payload bytes
    std::size_t payloadSize = 0;
};

// What one thread's ring gave at one drain, in the ring's order (which is the order the thread
// wrote it: a thread's own lines never change places).
class ThreadBatch {
public:
    void AddMessage(const MessageRecord& record, std::span<const std::byte> payload);
    // Losses with no message between them make one count.
    void AddLoss(std::uint64_t count);
    // Empties it, keeping its memory for the next drain.
    void Clear();

    std::span<const DrainedEntry> Entries() const { return m_entries; }
    std::span<const std::byte> Payload(const DrainedEntry& entry) const;

private:
    std::vector<DrainedEntry> m_entries;
    std::vector<std::byte> m_payloads;
};

struct MergedEntry {
    std::size_t batch = 0; // which batch
    std::size_t index = 0; // which of its entries
};

// Every entry of `batches` once, earliest message first, each batch's own order kept. A loss has no
// time of its own: it follows the message before it in its batch (or precedes the one after it; a
// batch of losses alone comes last, as nothing says when they happened). Equal times keep the
// batches' order.
std::vector<MergedEntry> MergeByTime(std::span<const ThreadBatch> batches);

// The note in the log where messages were lost: "—— 312 messages lost here (the log could not keep
// up) ——".
std::wstring LostMessagesNote(std::uint64_t count);
// The note where a damaged mapping was found and logging began afresh.
std::wstring DamagedLogNote();

} // namespace orvex
