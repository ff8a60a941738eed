#pragma once
// The tables of the control extended style words, which a control reports only when asked by
// message. Pure logic: no window system here.

#include "inspect/styles/StyleStep.h"

namespace orvex {

extern const StyleTable kTbstyleExTable; // toolbar, TB_GETEXTENDEDSTYLE
extern const StyleTable kLvsExTable;     // list view, LVM_GETEXTENDEDLISTVIEWSTYLE
extern const StyleTable kTvsExTable;     // tree view, TVM_GETEXTENDEDSTYLE
extern const StyleTable kCbesExTable;    // ComboBoxEx, CBEM_GETEXTENDEDSTYLE
extern const StyleTable kTcsExTable;     // tab control, TCM_GETEXTENDEDSTYLE

} // namespace orvex
