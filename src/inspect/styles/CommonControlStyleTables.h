#pragma once
// The window style tables of the common controls (comctl32 classes). Pure logic: no window
// system here.

#include "inspect/styles/StyleStep.h"

namespace orvex {

// Never chosen by a class itself: the header, toolbar, rebar and status bar tables end by
// chaining to it, so it names what their own steps left.
extern const StyleTable kCcsTable;

extern const StyleTable kHdsTable;     // "SysHeader32", then CCS_
extern const StyleTable kTbstyleTable; // "ToolbarWindow32", then CCS_
extern const StyleTable kRbsTable;     // "ReBarWindow32", then CCS_
extern const StyleTable kTtsTable;     // "tooltips_class32"
extern const StyleTable kSbarsTable;   // "msctls_statusbar32", then CCS_
extern const StyleTable kTbsTable;     // "msctls_trackbar32"
extern const StyleTable kUdsTable;     // "msctls_updown32"
extern const StyleTable kPbsTable;     // "msctls_progress32"
extern const StyleTable kLvsTable;     // "SysListView32"
extern const StyleTable kTvsTable;     // "SysTreeView32"
extern const StyleTable kTcsTable;     // "SysTabControl32"
extern const StyleTable kAcsTable;     // "SysAnimate32"
extern const StyleTable kMcsTable;     // "SysMonthCal32"
extern const StyleTable kDtsTable;     // "SysDateTimePick32"
extern const StyleTable kPgsTable;     // "SysPager"
extern const StyleTable kLwsTable;     // "SysLink"

} // namespace orvex
