#pragma once
// The tables of a rich edit control's edit style words, which it reports only when asked by
// message (EM_GETEDITSTYLE and EM_GETEDITSTYLEEX). Its window style word is read with the edit
// control's table. Pure logic: no window system here.

#include "inspect/styles/StyleStep.h"

namespace orvex {

extern const StyleTable kSesTable;
extern const StyleTable kSesExTable;

} // namespace orvex
