#include "msglog/MessageRing.h"

#include <cstring>
#include <new>

namespace orvex {

namespace {

constexpr std::uint32_t kRefusedLength = 0xFFFFFFFF; // longer than any payload: the reader rejects it

bool IsPowerOfTwo(std::uint64_t value) {
    return value != 0 && (value & (value - 1)) == 0;
}

bool IsUsableBlock(const void* block, std::size_t size) {
    return block != nullptr && reinterpret_cast<std::uintptr_t>(block) % alignof(RingHeader) == 0 &&
           size >= sizeof(RingHeader);
}

bool IsUsableCapacity(std::uint64_t capacity, std::size_t size) {
    return IsPowerOfTwo(capacity) && capacity >= kMinRingCapacity && capacity <= kMaxRingCapacity &&
           RingBlockSize(static_cast<std::uint32_t>(capacity)) <= size;
}

RingSlot* SlotsOf(void* block) {
    return reinterpret_cast<RingSlot*>(static_cast<std::byte*>(block) + sizeof(RingHeader));
}

// Not a defence against forgery (whoever can write the mapping can compute it too), but against a
// record torn by two writers or left half-written: any changed word changes the sum.
class Checksum {
public:
    Checksum(std::uint64_t session, std::uint64_t position, std::uint32_t length) : sum_(session) {
        Add(position);
        Add(length);
    }
    void Add(std::uint64_t word) {
        sum_ = (sum_ ^ word) * 0xFF51AFD7ED558CCDull;
        sum_ ^= sum_ >> 32;
    }
    std::uint32_t Value() const { return static_cast<std::uint32_t>(sum_ ^ (sum_ >> 29)); }

private:
    std::uint64_t sum_;
};

std::size_t WordsFor(std::size_t length) {
    return (length + 7) / 8;
}

} // namespace

bool InitializeRing(void* block, std::size_t size, std::uint64_t session, std::uint32_t capacity) {
    if (!IsUsableBlock(block, size) || !IsUsableCapacity(capacity, size))
        return false;
    std::memset(block, 0, RingBlockSize(capacity));
    auto* header = new (block) RingHeader{};
    header->version.store(kRingVersion, std::memory_order_relaxed);
    header->session.store(session, std::memory_order_relaxed);
    header->capacity.store(capacity, std::memory_order_relaxed);
    header->slotSize.store(kSlotSize, std::memory_order_relaxed);
    RingSlot* slots = SlotsOf(block);
    for (std::uint32_t i = 0; i < capacity; ++i) {
        new (&slots[i]) RingSlot{};
        slots[i].sequence.store(i, std::memory_order_relaxed);
    }
    // A writer that sees the magic sees the ring behind it.
    header->magic.store(kRingMagic, std::memory_order_release);
    return true;
}

RingCheck CheckRing(const void* block, std::size_t size, std::optional<std::uint64_t> session) {
    if (!IsUsableBlock(block, size))
        return RingCheck::BadBlock;
    const auto* header = static_cast<const RingHeader*>(block);
    if (header->magic.load(std::memory_order_acquire) != kRingMagic)
        return RingCheck::ForeignMagic;
    if (header->version.load(std::memory_order_relaxed) != kRingVersion)
        return RingCheck::OtherVersion;
    if (header->slotSize.load(std::memory_order_relaxed) != kSlotSize ||
        !IsUsableCapacity(header->capacity.load(std::memory_order_relaxed), size))
        return RingCheck::BadGeometry;
    if (session && header->session.load(std::memory_order_relaxed) != *session)
        return RingCheck::OtherSession;
    return RingCheck::Ok;
}

// ---- The writer, inside the target program -----------------------------------------------------

RingCheck RingWriter::Attach(void* block, std::size_t size, std::optional<std::uint64_t> session) noexcept {
    *this = RingWriter{};
    const RingCheck check = CheckRing(block, size, session);
    if (check != RingCheck::Ok)
        return check;
    auto* header = static_cast<RingHeader*>(block);
    // Read once: what was checked is what is kept, whatever the header says later.
    const std::uint32_t capacity = header->capacity.load(std::memory_order_relaxed);
    const std::uint64_t ringSession = header->session.load(std::memory_order_relaxed);
    if (!IsUsableCapacity(capacity, size) || (session && ringSession != *session))
        return RingCheck::BadGeometry; // changed between the check and now
    header_ = header;
    slots_ = SlotsOf(block);
    mask_ = capacity - 1;
    session_ = ringSession;
    return RingCheck::Ok;
}

bool RingWriter::Write(const void* payload, std::size_t size) noexcept {
    if (!Attached())
        return false;
    if (size > kMaxPayloadSize || (size != 0 && payload == nullptr)) {
        header_->dropped.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    std::uint64_t position = 0;
    return Claim(position) && Publish(position, payload, size);
}

bool RingWriter::Claim(std::uint64_t& position) noexcept {
    if (!Attached())
        return false;
    std::uint64_t candidate = header_->claimed.load(std::memory_order_relaxed);
    for (int attempt = 0; attempt < kMaxClaimAttempts; ++attempt) {
        const std::uint64_t sequence = slots_[candidate & mask_].sequence.load(std::memory_order_acquire);
        const auto lead = static_cast<std::int64_t>(sequence - candidate);
        if (lead == 0) {
            if (header_->claimed.compare_exchange_strong(candidate, candidate + 1,
                                                         std::memory_order_relaxed)) {
                position = candidate;
                return true;
            }
            // Another writer took it; `candidate` now holds the next free position.
        } else if (lead < 0) {
            break; // the slot still holds the previous lap's record: full
        } else {
            candidate = header_->claimed.load(std::memory_order_relaxed); // we read a stale position
        }
    }
    header_->dropped.fetch_add(1, std::memory_order_relaxed);
    return false;
}

bool RingWriter::Publish(std::uint64_t position, const void* payload, std::size_t size) noexcept {
    if (!Attached())
        return false;
    RingSlot& slot = slots_[position & mask_];
    // Suspended long enough for the reader to give the slot up: leave it to its next writer.
    if (slot.sequence.load(std::memory_order_acquire) != position) {
        header_->latePublishes.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    const bool accepted = size <= kMaxPayloadSize && (size == 0 || payload != nullptr);
    const std::uint32_t length = accepted ? static_cast<std::uint32_t>(size) : kRefusedLength;
    Checksum checksum(session_, position, length);
    if (accepted) {
        const auto* bytes = static_cast<const unsigned char*>(payload);
        for (std::size_t i = 0; i < WordsFor(size); ++i) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + i * 8, i * 8 + 8 <= size ? 8 : size - i * 8);
            slot.payload[i].store(word, std::memory_order_relaxed);
            checksum.Add(word);
        }
    }
    slot.position.store(position, std::memory_order_relaxed);
    slot.length.store(length, std::memory_order_relaxed);
    slot.checksum.store(checksum.Value(), std::memory_order_relaxed);
    std::uint64_t expected = position;
    if (!slot.sequence.compare_exchange_strong(expected, position + 1, std::memory_order_release,
                                               std::memory_order_relaxed)) {
        header_->latePublishes.fetch_add(1, std::memory_order_relaxed);
        return false;
    }
    return accepted;
}

// ---- The reader, in Orvex ----------------------------------------------------------------------

RingReader::RingReader(std::uint32_t abandonAfterDrains)
    : abandonAfterDrains_(abandonAfterDrains < 1 ? 1 : abandonAfterDrains) {}

RingCheck RingReader::Attach(void* block, std::size_t size, std::uint64_t session) noexcept {
    *this = RingReader(abandonAfterDrains_);
    const RingCheck check = CheckRing(block, size, session);
    if (check != RingCheck::Ok)
        return check;
    auto* header = static_cast<RingHeader*>(block);
    const std::uint32_t capacity = header->capacity.load(std::memory_order_relaxed);
    if (!IsUsableCapacity(capacity, size))
        return RingCheck::BadGeometry; // changed between the check and now
    header_ = header;
    slots_ = SlotsOf(block);
    capacity_ = capacity;
    session_ = session;
    return RingCheck::Ok;
}

bool RingReader::CopyRecord(RingSlot& slot, std::uint32_t& length) noexcept {
    const std::uint64_t position = slot.position.load(std::memory_order_relaxed);
    length = slot.length.load(std::memory_order_relaxed);
    const std::uint32_t expectedSum = slot.checksum.load(std::memory_order_relaxed);
    if (position != head_ || length > kMaxPayloadSize)
        return false;
    // Copy first, then check the copy: the slot can change while we read it, our buffer cannot.
    Checksum checksum(session_, position, length);
    for (std::size_t i = 0; i < WordsFor(length); ++i) {
        buffer_[i] = slot.payload[i].load(std::memory_order_relaxed);
        checksum.Add(buffer_[i]);
    }
    return checksum.Value() == expectedSum;
}

bool RingReader::LaterSlotPublished(std::uint64_t claimed) const noexcept {
    for (std::uint64_t position = head_ + 1; position != claimed && position - head_ < capacity_;
         ++position) {
        if (slots_[position & (capacity_ - 1)].sequence.load(std::memory_order_relaxed) == position + 1)
            return true;
    }
    return false;
}

std::size_t RingReader::Drain(const std::function<void(const RingRecord&)>& sink,
                              const std::function<void(std::uint64_t)>& lost) {
    if (slots_ == nullptr)
        return 0;
    std::uint64_t drops = TakeWriterCounts();
    // Untrusted like every field: a garbage value only moves the note to the start or the end.
    const std::uint64_t dropsBefore = header_->claimed.load(std::memory_order_relaxed);
    const auto tellDrops = [&](std::uint64_t next) {
        if (drops != 0 && next >= dropsBefore) {
            if (lost)
                lost(drops);
            drops = 0;
        }
    };
    std::size_t delivered = 0;
    bool lapAhead = false;
    const std::uint64_t start = head_;
    for (std::uint64_t step = 0; step < capacity_; ++step) {
        RingSlot& slot = slots_[head_ & (capacity_ - 1)];
        const std::uint64_t sequence = slot.sequence.load(std::memory_order_acquire);
        // Loaded after the sequence: a writer claims before it publishes, so a record seen published
        // is seen claimed too. Untrusted like the rest of the mapping: compared, never an index.
        std::uint64_t claimed = header_->claimed.load(std::memory_order_relaxed);
        if (claimed - head_ > capacity_) {
            // Behind the reader or more than a lap ahead: no writer put it there, and writers would
            // find every slot wrong for it and drop for ever. It goes back to where the reader is.
            header_->claimed.compare_exchange_strong(claimed, head_, std::memory_order_relaxed);
            claimed = head_;
        }
        if (claimed == head_) {
            if (sequence == head_)
                break; // nothing more written
            // Not free for the position writers claim next: garbage. Made claimable again, or
            // writers would find the ring full for ever; never read, as nobody claimed it. Garbage
            // seldom comes alone, and writers would drop at each slot of it in turn: the rest of
            // the lap is mended now rather than a slot per drain.
            ++counts_.rejected;
            slot.sequence.store(head_, std::memory_order_release);
            RepairLapAfterHead(start + capacity_);
            break;
        }
        if (sequence == head_ + 1) {
            std::uint32_t length = 0;
            const bool intact = CopyRecord(slot, length);
            const std::uint64_t position = head_++;
            // Free the slot before the sink runs, so a sink that throws leaves the ring consistent.
            slot.sequence.store(position + capacity_, std::memory_order_release);
            if (!intact) {
                ++counts_.rejected;
                continue;
            }
            ++counts_.read;
            ++delivered;
            tellDrops(position);
            sink(RingRecord{position, std::span(reinterpret_cast<const std::byte*>(buffer_), length)});
            continue;
        }
        if (sequence != head_) {
            // Claimed, but in a state no writer leaves a slot in: garbage, passed over.
            ++counts_.rejected;
            slot.sequence.store(head_ + capacity_, std::memory_order_release);
            ++head_;
            continue;
        }
        // Free, or claimed and not yet published. Wait for a writer only while nothing behind it is
        // published, and for a bounded number of drains after that.
        if (!LaterSlotPublished(claimed)) {
            // A whole lap claimed and none of it published for drains on end: writers publish
            // microseconds after they claim, so this is garbage, and writers would find every slot
            // a lap behind and drop for ever. Given back after the drains a stuck slot gets; a
            // writer that was merely that slow after all is caught by the stamp or the checksum.
            if (claimed - head_ == capacity_) {
                lapAhead = true;
                if (++lapAheadDrains_ >= abandonAfterDrains_) {
                    lapAheadDrains_ = 0;
                    header_->claimed.compare_exchange_strong(claimed, head_, std::memory_order_relaxed);
                }
            }
            break;
        }
        if (stuckPosition_ != head_) {
            stuckPosition_ = head_;
            stuckDrains_ = 0;
        }
        if (++stuckDrains_ < abandonAfterDrains_)
            break;
        std::uint64_t expected = head_;
        if (slot.sequence.compare_exchange_strong(expected, head_ + capacity_, std::memory_order_acq_rel,
                                                  std::memory_order_acquire)) {
            tellDrops(head_);
            ++counts_.abandoned;
            ++head_;
            if (lost)
                lost(1);
        }
        // Otherwise the writer published just now (or the slot was overwritten): look again.
    }
    if (!lapAhead)
        lapAheadDrains_ = 0;
    tellDrops(dropsBefore);
    WatchForStall(delivered);
    return delivered;
}

void RingReader::WatchForStall(std::size_t delivered) noexcept {
    const std::uint64_t claimed = header_->claimed.load(std::memory_order_relaxed);
    const std::uint64_t dropped = header_->dropped.load(std::memory_order_relaxed);
    const bool moved = claimed != claimedSeen_ || dropped != droppedAtEnd_;
    // Only drains after which writers moved count: a writer that stopped halfway with nothing
    // written behind it holds the reader up without anything being lost.
    if (delivered != 0 || (claimed == head_ && !moved))
        stalledDrains_ = 0;
    else if (moved && !Stalled())
        ++stalledDrains_;
    claimedSeen_ = claimed;
    droppedAtEnd_ = dropped;
}

void RingReader::RepairLapAfterHead(std::uint64_t end) noexcept {
    // Up to the end of the lap the drain started on: a drain looks at no more than one lap.
    for (std::uint64_t position = head_ + 1; position != end; ++position) {
        RingSlot& slot = slots_[position & (capacity_ - 1)];
        std::uint64_t sequence = slot.sequence.load(std::memory_order_acquire);
        if (sequence == position)
            continue; // free for its position, as it should be
        // Published is fine only once `claimed` is past it (loaded after, as in Drain): writers
        // may claim and publish behind the head while we look.
        if (sequence == position + 1 &&
            header_->claimed.load(std::memory_order_relaxed) - head_ > position - head_)
            continue;
        // No writer can claim a slot whose sequence is not its position, so none races this.
        if (slot.sequence.compare_exchange_strong(sequence, position, std::memory_order_acq_rel,
                                                  std::memory_order_relaxed))
            ++counts_.rejected;
    }
}

namespace {

// What a writers' counter in the mapping rose by since `seen`, or nothing when that is more than
// writers could have done: see kMaxWriterCountPerDrain.
std::uint64_t PlausibleRise(std::uint64_t now, std::uint64_t seen, std::uint64_t capacity) {
    // Never wraps in earnest: 2^64 records take centuries.
    return now >= seen && now - seen <= capacity * kMaxWriterCountPerDrain ? now - seen : 0;
}

} // namespace

std::uint64_t RingReader::TakeWriterCounts() noexcept {
    const std::uint64_t dropped = header_->dropped.load(std::memory_order_relaxed);
    const std::uint64_t late = header_->latePublishes.load(std::memory_order_relaxed);
    const std::uint64_t rise = PlausibleRise(dropped, droppedSeen_, capacity_);
    counts_.dropped += rise;
    counts_.latePublishes += PlausibleRise(late, lateSeen_, capacity_);
    droppedSeen_ = dropped;
    lateSeen_ = late;
    return rise;
}

RingCounts RingReader::Counts() const noexcept {
    RingCounts counts = counts_;
    if (header_ != nullptr) {
        counts.dropped +=
            PlausibleRise(header_->dropped.load(std::memory_order_relaxed), droppedSeen_, capacity_);
        counts.latePublishes +=
            PlausibleRise(header_->latePublishes.load(std::memory_order_relaxed), lateSeen_, capacity_);
    }
    return counts;
}

} // namespace orvex
