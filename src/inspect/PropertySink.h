#pragma once
// Where the gatherers put their rows: the property view in the program, a plain list in tests.
// Pure logic: no window system here.

#include <string>

// The group a row belongs to; the numbers are the list-view group ids.
enum PropertyGroup {
    GROUP_GENERAL = 0,
    GROUP_STYLES = 1,
    GROUP_CLASS = 2,
    GROUP_PROCESS = 3,
    GROUP_SUMMARY = 4,
    // Shown after the others in the Detail listing when the user asks for more properties.
    GROUP_WINDOWS = 5,
    GROUP_WINDOW_PROPERTIES = 6,
    GROUP_DISPLAY = 7,
    GROUP_THREAD = 8,
};

// A row's kind decides its colours and indent.
enum PropertyKind {
    KIND_TEXT = 0,
    KIND_CLASS_NAME = 1,
    KIND_NUMBER = 2,
    KIND_CONSTANT = 3,
    KIND_ADDRESS = 4,
    KIND_HANDLE = 5,
    KIND_WINDOW_FLAG = 6,
    KIND_CLASS_FLAG = 7,
    KIND_WINDOW_STYLES = 8,
    KIND_EXTENDED_STYLES = 9,
    KIND_CLASS_STYLES = 10,
    // A window's handle the user can go to by double-clicking the row: its value starts with the
    // handle as "0x..." ("0x00010042 (Edit)").
    KIND_WINDOW_LINK = 11,
};

// The value of a row whose value cannot be read.
inline constexpr wchar_t kNotAvailable[] = L"<n/a>";

class PropertySink {
public:
    virtual ~PropertySink() = default;
    // Appends one row and returns its index.
    virtual int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) = 0;
};
