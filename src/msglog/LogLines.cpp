#include "msglog/LogLines.h"

#include <utility>

namespace orvex {

void LogLines::AddMessage(const MessageRecord& record, std::span<const std::byte> payload) {
    const std::uint32_t stored =
        payload.empty() ? 0 : m_payloads.Add(std::vector<std::byte>(payload.begin(), payload.end()));
    m_lines.push_back({m_next++, record, 0, stored});
    Trim();
}

void LogLines::AddNote(std::wstring text) {
    m_lines.push_back({m_next++, MessageRecord{}, m_notes.Add(std::move(text)), 0});
    Trim();
}

void LogLines::Clear() {
    m_lines.clear();
    m_notes.Clear();
    m_payloads.Clear();
    m_next = 1;
    m_trimmed = 0;
}

const std::wstring& LogLines::NoteText(const LogLine& line) const {
    static const std::wstring none;
    const std::wstring* text = m_notes.Find(line.note);
    return text ? *text : none;
}

std::span<const std::byte> LogLines::Payload(const LogLine& line) const {
    const std::vector<std::byte>* payload = m_payloads.Find(line.payload);
    return payload ? std::span<const std::byte>(*payload) : std::span<const std::byte>();
}

void LogLines::Trim() {
    while (m_lines.size() > m_capacity) {
        // Side items are added in the order of their lines: the front line's is the front item.
        if (m_lines.front().note != 0)
            m_notes.DropFront();
        if (m_lines.front().payload != 0)
            m_payloads.DropFront();
        m_lines.pop_front();
        ++m_trimmed;
    }
}

} // namespace orvex
