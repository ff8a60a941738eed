#pragma once
// The message log's filter in the settings: "MessageLogFilter" under "Settings".

#include "msglog/MessageFilter.h"

// The stored filter; the defaults (everything shown) when none is stored or the value is not of
// this layout.
orvex::MessageFilter LoadMessageLogFilter();
bool SaveMessageLogFilter(const orvex::MessageFilter& filter);
