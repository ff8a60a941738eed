#pragma once
// The listing of one window: the one place that decides which rows a view mode shows.

#include "common/ViewMode.h"
#include "inspect/ControlTextRow.h"
#include "inspect/PropertySink.h"
#include "inspect/StyleQueries.h"

#include <windows.h>

// Appends the rows of `hwnd` in `mode`, the Detail listing followed by the related windows,
// window properties, display and thread when `moreProperties` (its Control Text row read as
// `controlText` says); false, adding nothing, when it is not a window (or, for the summary, its
// class can no longer be read).
bool AddWindowListing(PropertySink& sink, HWND hwnd, orvex::ViewMode mode, bool moreProperties = false,
                      ControlTextRead controlText = ControlTextRead::Now,
                      StyleQueries styleQueries = StyleQueries::Sent);
