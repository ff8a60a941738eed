#pragma once
// A window's listing gathered into rows, exactly as the property list receives them, for the
// exports of inspect/ListingExport.h.

#include "common/ViewMode.h"
#include "inspect/ControlTextRow.h"
#include "inspect/ListingExport.h"
#include "inspect/StyleQueries.h"

#include <windows.h>

#include <vector>

// The rows AddWindowListing gives for `hwnd`; false, with no rows, when it is not a window.
bool CaptureWindowListing(HWND hwnd, orvex::ViewMode mode, bool moreProperties,
                          std::vector<orvex::ListingRow>& rows,
                          ControlTextRead controlText = ControlTextRead::Now,
                          StyleQueries styleQueries = StyleQueries::Sent);
