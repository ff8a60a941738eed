#pragma once
// The ring a hooked thread's messages travel through, from the hook library inside the target program
// to Orvex. Pure logic on a memory block the caller maps: no window system here.
//
// Orvex creates one shared mapping per hooked thread and lays out a ring in it (InitializeRing). The
// hook procedures, on any of the target's threads, append one record per message (RingWriter); Orvex
// drains the ring on its own thread every ~50 ms (RingReader). Records are opaque bytes to the ring.
//
// The design is a bounded many-writers, one-reader queue of fixed-size slots, each with a sequence
// number (Dmitry Vyukov's bounded queue). A slot for position p holds p while it is free for that
// position, p + 1 once its record is published, and p + capacity once the reader is done with it.
// A writer claims a position with a compare-exchange on `claimed`; it finds the ring full when the
// slot still belongs to the previous lap, and then drops the record and counts it. It copies the
// payload at its own length with the claimed position and a checksum, and publishes with a
// compare-exchange of the slot's sequence from p to p + 1.
//
// Guarantees, in the hook's terms: a writer never waits for anyone. It takes a bounded number of
// steps (at most kMaxClaimAttempts lost races, then it drops), allocates nothing, throws nothing,
// and only touches the slot its own copy of the capacity selects, so garbage in the mapping can lose
// records but never send it outside the block. Every field of the mapping is an address-free,
// lock-free atomic, because any process may write any of it at any moment.
//
// Guarantees, in Orvex's terms: the reader delivers published records in position order, so each
// writer thread's records come out in the order it wrote them. It trusts nothing in the mapping:
// it keeps its own capacity and position, reads each field once, and takes a record only when its
// length fits, its stamped position is the one it expects and its checksum matches; anything else
// is rejected and counted. A drain looks at no more than one lap of slots, so it ends whatever the
// mapping holds. It never passes a position no writer has claimed, and it repairs a slot or a
// claimed position no writer could have left, so garbage loses records for a while but cannot keep
// the writers finding the ring full for ever. A garbage slot at the head gets every other garbage
// slot of the drain's lap mended with it, not one per drain; a `claimed` exactly a lap ahead with
// nothing published, which writers needing microseconds between claim and publish do not leave,
// goes back to the head after `abandonAfterDrains` drains. The writers' counters
// (dropped, late publishes) are believed only when they rise, and by no more than
// kMaxWriterCountPerDrain per slot between drains; otherwise counting starts again from the value
// found. A writer that dies or stays suspended between claiming and publishing does not stall the
// log: once its slot has stayed unpublished for `abandonAfterDrains` drains while later slots are
// published, the reader gives it up (moving its sequence from p to p + capacity, again by
// compare-exchange) and counts it. The late writer's publish then finds p gone and fails; a payload
// it still tore into the slot's next record is caught by the stamp or the checksum.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <type_traits>

namespace orvex {

static_assert(std::atomic<std::uint64_t>::is_always_lock_free &&
                  std::atomic<std::uint32_t>::is_always_lock_free,
              "only lock-free atomics are address-free, and so usable between processes");
static_assert(std::is_standard_layout_v<std::atomic<std::uint64_t>> &&
                  std::is_standard_layout_v<std::atomic<std::uint32_t>>,
              "the mapping's layout must be the same in every process");
static_assert(sizeof(std::atomic<std::uint64_t>) == 8 && sizeof(std::atomic<std::uint32_t>) == 4 &&
                  alignof(std::atomic<std::uint64_t>) == 8,
              "an atomic must be laid out as its plain integer");

inline constexpr std::uint32_t kRingMagic = 0x474C524F; // "ORLG" in memory order
inline constexpr std::uint32_t kRingVersion = 1;

// One slot per record. 512 bytes hold any message record the log shows (the message, its
// parameters, a result, times and a short text), and keep each slot a whole number of cache lines.
inline constexpr std::size_t kSlotSize = 512;
inline constexpr std::size_t kSlotHeaderSize = 24;
inline constexpr std::size_t kMaxPayloadSize = kSlotSize - kSlotHeaderSize;
inline constexpr std::size_t kPayloadWords = kMaxPayloadSize / 8;

// 4,096 slots (2 MiB per hooked thread): Orvex drains every ~50 ms, so a thread can post some 80,000
// messages a second, far beyond a mouse-move or paint storm, before the log drops any, and a drain
// delayed by half a second still loses nothing at ordinary rates. The commit charge stays small
// next to the target's own, even with dozens of its threads hooked.
inline constexpr std::uint32_t kDefaultRingCapacity = 4096;
// Two slots at least: an abandoned slot is given up only when a later one is published.
inline constexpr std::uint32_t kMinRingCapacity = 2;
inline constexpr std::uint32_t kMaxRingCapacity = 65536;

// A writer that loses the race for a position this many times in a row drops its record instead of
// trying on: the hook's time inside the target stays bounded however many of its threads write.
inline constexpr int kMaxClaimAttempts = 64;

// Drains (about 50 ms apart in Orvex) a claimed slot may stay unpublished while later slots are
// published before the reader gives it up. A writer needs microseconds between claim and publish;
// 400 ms covers a thread that was merely preempted, and is short enough that the log does not
// visibly freeze behind a writer that died.
inline constexpr std::uint32_t kAbandonAfterDrains = 8;

// How many times the wait for a writer that stopped halfway a reader may go on delivering nothing,
// over drains after each of which writers had claimed or dropped more, before it counts as stalled:
// by then no such writer holds it up, and only garbage (a claimed position moved inside the lap,
// slots written over faster than they are mended) still can. 1.2 s of a busy program with the
// default wait.
inline constexpr std::uint32_t kStalledAfterAbandonWaits = 3;

// The most a writers' counter (dropped, late publishes) may rise by between two drains, in records
// per slot of the ring. A hooked thread handles at most some millions of messages a second, a few
// hundred thousand per drain, while the default ring times this is some four million: only garbage
// goes past it. A rise past it, or a fall, is not counted, and the next rise counts from the value
// found, so a counter someone scribbled on costs at most one drain's true count.
inline constexpr std::uint64_t kMaxWriterCountPerDrain = 1024;

// The start of the block. Orvex writes the first four fields once; writers add to the rest.
struct RingHeader {
    std::atomic<std::uint32_t> magic; // written last by InitializeRing
    std::atomic<std::uint32_t> version;
    std::atomic<std::uint64_t> session;  // chosen by Orvex per mapping, so a stale one is told apart
    std::atomic<std::uint32_t> capacity; // slots, a power of two
    std::atomic<std::uint32_t> slotSize;
    std::uint8_t reserved0[40];
    // Every writer hits this one: a cache line of its own.
    std::atomic<std::uint64_t> claimed; // the next position to claim
    std::uint8_t reserved1[56];
    std::atomic<std::uint64_t> dropped;       // records writers could not place (full ring, lost races)
    std::atomic<std::uint64_t> latePublishes; // publishes that found their slot given up by the reader
    std::uint8_t reserved2[48];
};

struct RingSlot {
    std::atomic<std::uint64_t> sequence;
    std::atomic<std::uint64_t> position; // the position the writer claimed, stamped into the record
    std::atomic<std::uint32_t> length;   // payload bytes
    std::atomic<std::uint32_t> checksum; // of session, position, length and the payload words
    std::atomic<std::uint64_t> payload[kPayloadWords]; // the last word's bytes past `length` are zero
};

static_assert(std::is_standard_layout_v<RingHeader> && std::is_standard_layout_v<RingSlot>);
static_assert(offsetof(RingHeader, session) == 8 && offsetof(RingHeader, capacity) == 16 &&
              offsetof(RingHeader, slotSize) == 20 && offsetof(RingHeader, claimed) == 64 &&
              offsetof(RingHeader, dropped) == 128 && offsetof(RingHeader, latePublishes) == 136 &&
              sizeof(RingHeader) == 192);
static_assert(offsetof(RingSlot, length) == 16 && offsetof(RingSlot, payload) == kSlotHeaderSize &&
              sizeof(RingSlot) == kSlotSize);

// Bytes of a ring of `capacity` slots: the header, then the slots.
constexpr std::size_t RingBlockSize(std::uint32_t capacity) {
    return sizeof(RingHeader) + std::size_t{capacity} * sizeof(RingSlot);
}

// Lays out an empty ring of `capacity` slots in a block nobody else uses yet. False, with the block
// untouched, when the capacity is not a power of two between the bounds or the block is null,
// misaligned for the atomics or smaller than RingBlockSize(capacity).
bool InitializeRing(void* block, std::size_t size, std::uint64_t session,
                    std::uint32_t capacity = kDefaultRingCapacity);

enum class RingCheck {
    Ok,
    BadBlock,     // null, misaligned, or too small for a header
    ForeignMagic, // not a ring, or not yet initialised
    OtherVersion, // a ring of another layout
    BadGeometry,  // slot size or capacity wrong, or more slots than the block holds
    OtherSession, // a ring, but not the one the caller expects: stale or foreign
};

// Whether `block` holds a ring this code can use, of `session` when one is expected.
RingCheck CheckRing(const void* block, std::size_t size, std::optional<std::uint64_t> session);

// The hook's side. Detached until Attach succeeds (a failed Attach detaches it); a detached writer
// writes nothing.
class RingWriter {
public:
    RingCheck Attach(void* block, std::size_t size, std::optional<std::uint64_t> session) noexcept;
    bool Attached() const noexcept { return slots_ != nullptr; }

    // Appends one record. False when it was not published: the ring was full or the race for a
    // position was lost too often (both counted as dropped), the payload is too long or null
    // (dropped), or the reader had given the slot up (counted as a late publish).
    bool Write(const void* payload, std::size_t size) noexcept;

    // Write's two halves, for a caller that must stand for a writer suspended between them. Claim
    // reserves the next position (false, counted, when the ring is full). Publish fills and
    // publishes a claimed position; a payload it refuses is still published, as a record the reader
    // rejects, so the reader never waits for it.
    bool Claim(std::uint64_t& position) noexcept;
    bool Publish(std::uint64_t position, const void* payload, std::size_t size) noexcept;

private:
    RingHeader* header_ = nullptr;
    RingSlot* slots_ = nullptr;
    std::uint64_t mask_ = 0; // our own copy: the header's capacity may change under us
    std::uint64_t session_ = 0;
};

struct RingRecord {
    std::uint64_t position; // gaps in the positions are records lost on the way
    std::span<const std::byte> payload;
};

struct RingCounts {
    std::uint64_t read = 0;      // records delivered
    std::uint64_t rejected = 0;  // slots holding a torn or garbage record
    std::uint64_t abandoned = 0; // claimed slots given up, their writer gone or too slow
    // As the mapping says, as far as believable: see kMaxWriterCountPerDrain.
    std::uint64_t dropped = 0; // records writers could not place
    std::uint64_t latePublishes = 0;
};

// Orvex's side: the one reader of a ring it has just initialised. It starts at position zero.
class RingReader {
public:
    explicit RingReader(std::uint32_t abandonAfterDrains = kAbandonAfterDrains);

    RingCheck Attach(void* block, std::size_t size, std::uint64_t session) noexcept;

    // Hands each published record to `sink` in position order, at most one lap of slots per call.
    // The payload is the reader's own copy, valid during the call. Returns the records delivered.
    // `lost` hears, between the records, how many records went missing at that point: a slot given
    // up, or the writers' drops this drain counted. Writers drop when the ring is full and do not say
    // where; those drops go before the first record claimed after the count was read, which is where
    // a full ring loses them, give or take what writers claimed while the previous drain ran.
    std::size_t Drain(const std::function<void(const RingRecord&)>& sink,
                      const std::function<void(std::uint64_t)>& lost = {});

    RingCounts Counts() const noexcept;
    // Whether the reader delivered nothing for a while (see kStalledAfterAbandonWaits) while writers
    // went on claiming or dropping: the ring is damaged in a way the reader does not mend soon, if
    // ever. A quiet program cannot tell: nothing is lost until it writes again.
    bool Stalled() const noexcept {
        return stalledDrains_ >= kStalledAfterAbandonWaits * abandonAfterDrains_;
    }

private:
    bool CopyRecord(RingSlot& slot, std::uint32_t& length) noexcept;
    bool LaterSlotPublished(std::uint64_t claimed) const noexcept;
    void RepairLapAfterHead(std::uint64_t end) noexcept;
    // Returns what the writers dropped since the last drain, as believed.
    std::uint64_t TakeWriterCounts() noexcept;
    void WatchForStall(std::size_t delivered) noexcept;

    RingHeader* header_ = nullptr;
    RingSlot* slots_ = nullptr;
    std::uint64_t capacity_ = 0;
    std::uint64_t session_ = 0;
    std::uint64_t head_ = 0; // the next position to read
    std::uint64_t stuckPosition_ = 0;
    std::uint32_t stuckDrains_ = 0;
    std::uint32_t lapAheadDrains_ = 0;
    std::uint64_t droppedSeen_ = 0; // the writers' counters as the last drain found them
    std::uint64_t lateSeen_ = 0;
    std::uint32_t abandonAfterDrains_;
    std::uint32_t stalledDrains_ = 0; // in a row without a record, after which writers had moved
    std::uint64_t claimedSeen_ = 0;   // `claimed` and `dropped` as the last drain ended
    std::uint64_t droppedAtEnd_ = 0;
    RingCounts counts_;
    std::uint64_t buffer_[kPayloadWords] = {};
};

} // namespace orvex
