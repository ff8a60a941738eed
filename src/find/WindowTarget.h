#pragma once
// One way to name a window, for the Find Window dialog and the command line: a handle ("0x1A2B" or
// decimal), a screen point ("@X,Y": the window the finder would pick there), or criteria joined by
// commas ("class=Edit,text=Untitled,pid=1234,process=notepad.exe,id=15,visible,top"). A comma or a
// backslash inside a value is written "\," or "\\"; no other backslash sequence exists, and a value
// is never empty. Keys ignore ASCII case; white space around the whole target and before a key is
// dropped, inside a value it is kept. Pure logic: no window system here.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvex {

struct TargetCriteria {
    std::optional<std::wstring> className; // the whole class name
    std::optional<std::wstring> text;      // a part of the window text
    std::optional<std::uint32_t> processId;
    std::optional<std::wstring> processName; // the image file name, "notepad.exe"
    std::optional<std::uint32_t> controlId;  // a child window's id; top-level windows have none
    bool visibleOnly = false;
    bool topLevelOnly = false;
    bool operator==(const TargetCriteria&) const = default;
};

struct WindowTarget {
    enum class Kind { Handle, Point, Criteria };
    Kind kind = Kind::Criteria;
    std::uint64_t handle = 0;
    int x = 0, y = 0;
    TargetCriteria criteria;
    bool operator==(const WindowTarget&) const = default;
};

// A target that could not be read: where (0-based offset into the text) and why, in a sentence
// the user reads ("unknown criterion 'klass' at 0").
struct TargetError {
    std::size_t position = 0;
    std::wstring message;
};

std::variant<WindowTarget, TargetError> ParseWindowTarget(std::wstring_view text);

// What a window offers the criteria.
struct CandidateWindow {
    std::wstring className;
    std::wstring text;
    std::uint32_t processId = 0;
    std::wstring processName;               // the image file name alone
    std::optional<std::uint32_t> controlId; // a child window's id
    bool visible = false;
    bool topLevel = false;
};

// Whether the window meets every criterion. Names and texts compare as Windows compares file names:
// ordinal, ignoring case (each UTF-16 unit folded to upper case by `upper`, the system's own
// folding on Windows; the tests give their own).
using UpperCase = wchar_t (*)(wchar_t);
bool MeetsCriteria(const TargetCriteria& criteria, const CandidateWindow& window, UpperCase upper);

} // namespace orvex
