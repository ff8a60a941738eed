#include "inspect/Listing.h"

#include "inspect/ClassRows.h"
#include "inspect/GeneralRows.h"
#include "inspect/MoreRows.h"
#include "inspect/StyleRows.h"
#include "inspect/WindowFacts.h"

namespace {

bool AddSummaryRows(PropertySink& sink, HWND hwnd, StyleQueries styleQueries) {
    const WindowFacts facts = WindowFacts::Read(hwnd);
    if (facts.className.empty())
        return false;
    AddHandleRow(sink, GROUP_SUMMARY, hwnd);
    AddClassNameRow(sink, GROUP_SUMMARY, facts);
    AddTextRow(sink, GROUP_SUMMARY, hwnd);
    AddWindowRectRow(sink, GROUP_SUMMARY, hwnd);
    AddStyleRows(sink, facts, TRUE, styleQueries);
    return true;
}

bool AddDetailRows(PropertySink& sink, HWND hwnd, bool moreProperties, ControlTextRead controlText,
                   StyleQueries styleQueries) {
    const WindowFacts facts = WindowFacts::Read(hwnd);
    AddGeneralRows(sink, facts);
    AddStyleRows(sink, facts, FALSE, styleQueries);
    AddClassRows(sink, facts);
    AddProcessRows(sink, hwnd);
    if (moreProperties)
        AddMoreRows(sink, hwnd, controlText);
    return true;
}

} // namespace

bool AddWindowListing(PropertySink& sink, HWND hwnd, orvex::ViewMode mode, bool moreProperties,
                      ControlTextRead controlText, StyleQueries styleQueries) {
    if (!hwnd || !::IsWindow(hwnd))
        return false;
    return mode == orvex::ViewMode::Detail
               ? AddDetailRows(sink, hwnd, moreProperties, controlText, styleQueries)
               : AddSummaryRows(sink, hwnd, styleQueries);
}
