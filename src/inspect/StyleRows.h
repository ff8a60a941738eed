#pragma once
// The style block of a window in the property list: its style words decoded into the names of the
// window system's headers, with the control styles of the classes Orvex recognises.

#include "inspect/StyleQueries.h"
#include "inspect/PropertySink.h"
#include "inspect/WindowFacts.h"

#include <windows.h>

// Appends the block into GROUP_SUMMARY when `summary` is nonzero, else into GROUP_STYLES. The
// caller has checked that the window exists. A control that does not answer its style query in
// time shows "<n/a>" for that word instead of holding Orvex up.
void AddStyleRows(PropertySink& view, const WindowFacts& facts, BOOL summary,
                  StyleQueries queries = StyleQueries::Sent);
