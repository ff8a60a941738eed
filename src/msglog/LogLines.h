#pragma once
// The lines of the message log as the list shows them: messages as they came from the rings, and
// notes of Orvex's own (a new target, a refusal). The newest 100,000 lines are kept; older ones
// leave from the top, and a line keeps its number while it stays. Pure logic: no window system.

#include "msglog/MessageRecord.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace orvex {

struct LogLine {
    std::uint64_t number = 0;  // "#": counts from 1 since the log was opened or cleared
    MessageRecord record;      // unused for a note
    std::uint32_t note = 0;    // 0 for a message, else the note's id in the line store
    std::uint32_t payload = 0; // 0 when the hook copied nothing behind the record, else its id
};

// Things few lines carry (a note's text, a payload), kept apart so a message line stays small, and
// dropped from the front as their lines leave. Ids count from 1; 0 is none.
template <class T> class LineSideStore {
public:
    std::uint32_t Add(T value) {
        m_items.push_back(std::move(value));
        return static_cast<std::uint32_t>(m_first + m_items.size());
    }
    const T* Find(std::uint32_t id) const {
        if (id == 0 || id <= m_first || id - 1 - m_first >= m_items.size())
            return nullptr;
        return &m_items[static_cast<std::size_t>(id - 1 - m_first)];
    }
    void DropFront() {
        if (!m_items.empty()) {
            m_items.pop_front();
            ++m_first;
        }
    }
    void Clear() {
        m_items.clear();
        m_first = 0;
    }

private:
    std::deque<T> m_items;
    std::uint64_t m_first = 0; // the id before the front item's
};

class LogLines {
public:
    explicit LogLines(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity) {}

    static constexpr std::size_t kDefaultCapacity = 100000;

    // `payload`: what the hook copied behind the record, kept with the line.
    void AddMessage(const MessageRecord& record, std::span<const std::byte> payload = {});
    void AddNote(std::wstring text);
    // Empties the list and its counts.
    void Clear();

    std::size_t size() const { return m_lines.size(); }
    const LogLine& operator[](std::size_t index) const { return m_lines[index]; }
    const std::wstring& NoteText(const LogLine& line) const;
    std::span<const std::byte> Payload(const LogLine& line) const;
    // Lines that have left from the top since the log was cleared: the list's first row moved by as
    // many.
    std::uint64_t Trimmed() const { return m_trimmed; }

private:
    void Trim();

    std::size_t m_capacity;
    std::deque<LogLine> m_lines;
    LineSideStore<std::wstring> m_notes;
    LineSideStore<std::vector<std::byte>> m_payloads;
    std::uint64_t m_next = 1;
    std::uint64_t m_trimmed = 0;
};

} // namespace orvex
