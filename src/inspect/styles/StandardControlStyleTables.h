#pragma once
// The window style tables of the dialog and the classic user32 controls. Pure logic: no window
// system here.

#include "inspect/styles/StyleStep.h"

namespace orvex {

extern const StyleTable kDsTable;  // "#32770"
extern const StyleTable kBsTable;  // "BUTTON"
extern const StyleTable kSsTable;  // "STATIC"
extern const StyleTable kEsTable;  // "EDIT" and the rich edit classes
extern const StyleTable kLbsTable; // "LISTBOX"
extern const StyleTable kCbsTable; // "COMBOBOX" and "ComboBoxEx32"
extern const StyleTable kSbsTable; // "SCROLLBAR"

} // namespace orvex
