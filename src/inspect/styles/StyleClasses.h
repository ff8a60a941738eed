#pragma once
// Which tables decode the style words of a window, chosen by its class name. Pure logic: no
// window system here.

#include "inspect/styles/StyleStep.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace orvex {

struct StyleClass {
    const wchar_t* className;
    // Runs on the low word the window style table left.
    const StyleTable* controlTable;
    // A message (wParam 0, lParam 0) whose result is the control extended style word, and the table
    // that decodes it; 0 and null when the class has none.
    std::uint32_t extendedQuery;
    const StyleTable* extendedTable;
    // Rich edit classes only: the table of the edit style word EM_GETEDITSTYLE reports, shown
    // under its own header right after the window style rows.
    const StyleTable* editStyleTable;
};

constexpr std::uint32_t kEmGetEditStyle = 0x04CD;

// Every recognised class, in the order they are compared.
std::span<const StyleClass> StyleClasses();

// The first entry whose name equals `className`, letters A to Z compared without case; null when
// none does. Only whole names match: a superclass registered under another name is not a control.
const StyleClass* FindStyleClass(std::wstring_view className);

} // namespace orvex
