#include "msglog/LogDrain.h"

#include "common/ValueFormat.h"

#include <limits>
#include <queue>

namespace orvex {

void ThreadBatch::AddMessage(const MessageRecord& record, std::span<const std::byte> payload) {
    m_entries.push_back({record, 0, m_payloads.size(), payload.size()});
    m_payloads.insert(m_payloads.end(), payload.begin(), payload.end());
}

void ThreadBatch::AddLoss(std::uint64_t count) {
    if (count == 0)
        return;
    if (!m_entries.empty() && m_entries.back().lost != 0)
        m_entries.back().lost += count;
    else
        m_entries.push_back({MessageRecord{}, count, 0, 0});
}

void ThreadBatch::Clear() {
    m_entries.clear();
    m_payloads.clear();
}

std::span<const std::byte> ThreadBatch::Payload(const DrainedEntry& entry) const {
    if (entry.lost != 0 || entry.payloadAt + entry.payloadSize > m_payloads.size())
        return {};
    return std::span<const std::byte>(m_payloads).subspan(entry.payloadAt, entry.payloadSize);
}

namespace {

// The time each entry of `batch` is merged by: a message's own, a loss's borrowed from a neighbour.
std::vector<std::uint64_t> MergeTimes(const ThreadBatch& batch) {
    const std::span<const DrainedEntry> entries = batch.Entries();
    std::vector<std::uint64_t> times(entries.size(), std::numeric_limits<std::uint64_t>::max());
    std::size_t messages = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].lost == 0) {
            times[i] = entries[i].record.time;
            ++messages;
        } else if (i > 0) {
            times[i] = times[i - 1]; // the message before it, or the loss before that took its time
        }
    }
    // A loss at the front takes the time of the first message after it.
    if (messages != 0 && entries.front().lost != 0)
        times.front() = times[1];
    return times;
}

} // namespace

std::vector<MergedEntry> MergeByTime(std::span<const ThreadBatch> batches) {
    std::vector<std::vector<std::uint64_t>> times;
    std::size_t total = 0;
    times.reserve(batches.size());
    for (const ThreadBatch& batch : batches) {
        times.push_back(MergeTimes(batch));
        total += batch.Entries().size();
    }
    // The head of each batch, earliest first; between equal times the earlier batch.
    struct Head {
        std::uint64_t time;
        std::size_t batch;
        std::size_t index;
    };
    const auto later = [](const Head& a, const Head& b) {
        return a.time != b.time ? a.time > b.time : a.batch > b.batch;
    };
    std::priority_queue<Head, std::vector<Head>, decltype(later)> heads(later);
    for (std::size_t b = 0; b < batches.size(); ++b)
        if (!times[b].empty())
            heads.push({times[b][0], b, 0});
    std::vector<MergedEntry> merged;
    merged.reserve(total);
    while (!heads.empty()) {
        const Head head = heads.top();
        heads.pop();
        merged.push_back({head.batch, head.index});
        if (head.index + 1 < times[head.batch].size())
            heads.push({times[head.batch][head.index + 1], head.batch, head.index + 1});
    }
    return merged;
}

std::wstring LostMessagesNote(std::uint64_t count) {
    return L"\u2014\u2014 " + WithThousands(count) + (count == 1 ? L" message" : L" messages") +
           L" lost here (the log could not keep up) \u2014\u2014";
}

std::wstring DamagedLogNote() {
    return L"\u2014\u2014 the log's shared memory was damaged; logging restarted \u2014\u2014";
}

} // namespace orvex
