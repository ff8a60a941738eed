#pragma once
// The tables of the general window style word (WS_) and the extended window style word (WS_EX_).
// Pure logic: no window system here.

#include "inspect/styles/StyleStep.h"

namespace orvex {

// The high word of the style: the window type from the top two bits and every other named bit.
// The low word belongs to the control's own table.
extern const StyleTable kWsTable;
extern const StyleTable kWsExTable;

} // namespace orvex
