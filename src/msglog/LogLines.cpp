#include "msglog/LogLines.h"

#include <utility>

namespace orvex {

void LogLines::AddMessage(const MessageRecord& record) {
    m_lines.push_back({m_next++, record, 0});
    Trim();
}

void LogLines::AddNote(std::wstring text) {
    m_notes.push_back(std::move(text));
    const auto note = static_cast<std::uint32_t>(m_firstNote + m_notes.size());
    m_lines.push_back({m_next++, MessageRecord{}, note});
    Trim();
}

void LogLines::Clear() {
    m_lines.clear();
    m_notes.clear();
    m_firstNote = 0;
    m_next = 1;
    m_trimmed = 0;
}

const std::wstring& LogLines::NoteText(const LogLine& line) const {
    static const std::wstring none;
    if (line.note == 0 || line.note <= m_firstNote || line.note - 1 - m_firstNote >= m_notes.size())
        return none;
    return m_notes[static_cast<std::size_t>(line.note - 1 - m_firstNote)];
}

void LogLines::Trim() {
    while (m_lines.size() > m_capacity) {
        if (m_lines.front().note != 0 && !m_notes.empty()) {
            m_notes.pop_front();
            ++m_firstNote;
        }
        m_lines.pop_front();
        ++m_trimmed;
    }
}

} // namespace orvex
