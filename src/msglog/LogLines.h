#pragma once
// The lines of the message log as the list shows them: messages as they came from the rings, and
// notes of Orvex's own (a new target, a refusal). The newest 100,000 lines are kept; older ones
// leave from the top, and a line keeps its number while it stays. Pure logic: no window system.

#include "msglog/MessageRecord.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace orvex {

struct LogLine {
    std::uint64_t number = 0; // "#": counts from 1 since the log was opened or cleared
    MessageRecord record;     // unused for a note
    std::uint32_t note = 0;   // 0 for a message, else 1 + the index of the note's text
};

class LogLines {
public:
    explicit LogLines(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity) {}

    static constexpr std::size_t kDefaultCapacity = 100000;

    void AddMessage(const MessageRecord& record);
    void AddNote(std::wstring text);
    // Empties the list and its counts.
    void Clear();

    std::size_t size() const { return m_lines.size(); }
    const LogLine& operator[](std::size_t index) const { return m_lines[index]; }
    const std::wstring& NoteText(const LogLine& line) const;
    // Lines that have left from the top since the log was cleared: the list's first row moved by as
    // many.
    std::uint64_t Trimmed() const { return m_trimmed; }

private:
    void Trim();

    std::size_t m_capacity;
    std::deque<LogLine> m_lines;
    // Notes are few; their texts are kept apart so a message line stays small.
    std::deque<std::wstring> m_notes;
    std::uint64_t m_firstNote = 0; // note number of m_notes.front()
    std::uint64_t m_next = 1;
    std::uint64_t m_trimmed = 0;
};

} // namespace orvex
