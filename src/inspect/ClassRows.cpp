#include "inspect/ClassRows.h"

#include "common/ValueFormat.h"
#include "inspect/ClassStyleNames.h"
#include "inspect/SystemColorNames.h"

#include <cstdint>
#include <string>

namespace {

constexpr wchar_t kNone[] = L"<None>";

std::uint64_t ClassValue(HWND hwnd, int index) {
    return static_cast<std::uint64_t>(::GetClassLongPtrW(hwnd, index));
}

std::uint32_t ClassStyle(HWND hwnd) {
    return static_cast<std::uint32_t>(ClassValue(hwnd, GCL_STYLE));
}

// An icon or cursor: its handle, or "<None>".
void AddHandleOrNone(PropertySink& sink, const wchar_t* name, std::uint64_t value) {
    if (value != 0)
        sink.AddProperty(GROUP_CLASS, name, orvex::FormatPointer(value), KIND_HANDLE);
    else
        sink.AddProperty(GROUP_CLASS, name, kNone, KIND_TEXT);
}

// A menu name is a resource number or the address of a text in the class owner's process; the
// text itself is never read from there.
void AddMenuNameRow(PropertySink& sink, std::uint64_t menuName) {
    if (menuName == 0)
        sink.AddProperty(GROUP_CLASS, L"Menu Name", kNone, KIND_TEXT);
    else if (menuName <= 0xFFFF)
        sink.AddProperty(GROUP_CLASS, L"Menu Name", L"#" + std::to_wstring(menuName), KIND_NUMBER);
    else
        sink.AddProperty(GROUP_CLASS, L"Menu Name", orvex::FormatPointer(menuName), KIND_ADDRESS);
}

// A background from 1 to 31 stands for a system colour, anything else is a brush.
void AddBackgroundRow(PropertySink& sink, std::uint64_t background) {
    if (background == 0) {
        sink.AddProperty(GROUP_CLASS, L"Background Brush", kNone, KIND_TEXT);
        return;
    }
    std::wstring_view colorName = orvex::GetSystemColorName(background);
    if (!colorName.empty())
        sink.AddProperty(GROUP_CLASS, L"Background Brush", std::wstring(colorName), KIND_CONSTANT);
    else
        sink.AddProperty(GROUP_CLASS, L"Background Brush", orvex::FormatPointer(background), KIND_HANDLE);
}

} // namespace

bool AddClassNameRow(PropertySink& sink, int group, const WindowFacts& facts) {
    if (facts.className.empty())
        return false;
    sink.AddProperty(group, L"Class Name",
                     orvex::FormatClassNameWithStyles(facts.className, ClassStyle(facts.hwnd)),
                     KIND_CLASS_NAME);
    return true;
}

void AddClassRows(PropertySink& sink, const WindowFacts& facts) {
    const std::wstring& className = facts.className;
    if (className.empty())
        return;
    const HWND hwnd = facts.hwnd;
    sink.AddProperty(GROUP_CLASS, L"Name", className + std::wstring(orvex::GetSpecialClassSuffix(className)),
                     KIND_CLASS_NAME);

    const std::uint64_t windowProc = ClassValue(hwnd, GCLP_WNDPROC);
    if (windowProc != 0)
        sink.AddProperty(GROUP_CLASS, L"Window Proc", orvex::FormatPointer(windowProc), KIND_ADDRESS);
    else
        sink.AddProperty(GROUP_CLASS, L"Window Proc", kNotAvailable, KIND_TEXT);

    sink.AddProperty(GROUP_CLASS, L"Instance Handle", orvex::FormatPointer(ClassValue(hwnd, GCLP_HMODULE)),
                     KIND_HANDLE);

    // Only named bits get a row of their own; the Summary row is where unnamed ones show.
    const std::uint32_t style = ClassStyle(hwnd);
    sink.AddProperty(GROUP_CLASS, L"Styles", orvex::FormatHex32(style), KIND_CLASS_STYLES);
    for (const orvex::ClassStyleName& bit : orvex::ClassStyleTable()) {
        if (style & bit.value)
            sink.AddProperty(GROUP_CLASS, std::wstring(bit.name), orvex::FormatHex16(bit.value),
                             KIND_CLASS_FLAG);
    }

    const std::uint64_t atom = ClassValue(hwnd, GCW_ATOM);
    if (atom != 0)
        sink.AddProperty(GROUP_CLASS, L"Class Atom", orvex::FormatHex16(static_cast<std::uint32_t>(atom)),
                         KIND_ADDRESS);
    else
        sink.AddProperty(GROUP_CLASS, L"Class Atom", kNotAvailable, KIND_TEXT);

    sink.AddProperty(GROUP_CLASS, L"Class Bytes",
                     std::to_wstring(static_cast<std::uint32_t>(ClassValue(hwnd, GCL_CBCLSEXTRA))),
                     KIND_NUMBER);
    sink.AddProperty(GROUP_CLASS, L"Window Bytes",
                     std::to_wstring(static_cast<std::uint32_t>(ClassValue(hwnd, GCL_CBWNDEXTRA))),
                     KIND_NUMBER);
    AddMenuNameRow(sink, ClassValue(hwnd, GCLP_MENUNAME));
    AddHandleOrNone(sink, L"Icon Handle", ClassValue(hwnd, GCLP_HICON));
    AddHandleOrNone(sink, L"Cursor Handle", ClassValue(hwnd, GCLP_HCURSOR));
    AddBackgroundRow(sink, ClassValue(hwnd, GCLP_HBRBACKGROUND));
}
