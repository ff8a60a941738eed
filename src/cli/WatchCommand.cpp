#include "cli/WatchCommand.h"

#include "cli/RowChanges.h"
#include "common/Utf8Text.h"
#include "inspect/ListingCapture.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace {

using orvex::Utf8FromWide;
using namespace orvex::cli;
using Json = nlohmann::ordered_json;

// Each read is the listing without its further groups and without a message to the window: the
// Control Text row and the style words a class gives only when asked would make every tick wait
// on the window's thread, and change what is watched.
bool ReadRows(HWND target, std::vector<orvex::ListingRow>& rows) {
    return CaptureWindowListing(target, orvex::ViewMode::Detail, false, rows, ControlTextRead::Later,
                                StyleQueries::Skipped);
}

// A value on one line of the table: its tabs and line breaks would split the columns.
std::string Cell(std::wstring text) {
    std::replace_if(
        text.begin(), text.end(), [](wchar_t c) { return c < L' ' || c == 0x7F; }, L' ');
    return Utf8FromWide(text);
}

std::string ChangeLine(const RowChange& change, bool json) {
    const std::wstring heading(orvex::GroupHeading(change.group));
    if (!json)
        return Cell(heading) + "\t" + Cell(change.name) + "\t" + Cell(change.before) + "\t" +
               Cell(change.after) + "\n";
    Json item;
    item["format"] = "orvex-change-seen/1";
    item["group"] = Utf8FromWide(heading);
    item["name"] = Utf8FromWide(change.name);
    item["before"] = Utf8FromWide(change.before);
    item["after"] = Utf8FromWide(change.after);
    return item.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace

int RunWatch(const Invocation& invocation, HWND target, TextStream& out, TextStream& errors) {
    std::vector<orvex::ListingRow> before, after;
    if (!ReadRows(target, before)) {
        errors.Write("orvex: the window is gone\n");
        return kExitNoWindow;
    }
    const std::string listing = invocation.json
                                    ? orvex::ListingJson(reinterpret_cast<UINT_PTR>(target), before)
                                    : Utf8FromWide(orvex::ListingText(before));
    // The JSON listing is one document; the changes after it are one a line.
    std::string first = listing;
    if (invocation.json) {
        first = Json::parse(listing).dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    }
    if (!out.Write(first))
        return kExitOutputFile;
    const ULONGLONG started = ::GetTickCount64();
    for (;;) {
        ::Sleep(invocation.intervalMs);
        if (invocation.forMs && ::GetTickCount64() - started >= *invocation.forMs)
            return kExitSuccess;
        if (!ReadRows(target, after))
            return kExitSuccess; // the window went
        std::string text;
        for (const RowChange& change : ChangedRows(before, after))
            text += ChangeLine(change, invocation.json);
        if (!text.empty() && !out.Write(text))
            return kExitOutputFile;
        before.swap(after);
    }
}
