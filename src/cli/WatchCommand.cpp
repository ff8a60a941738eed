#include "cli/WatchCommand.h"

#include "cli/ConsoleBreak.h"
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

bool WindowWatch::Start(std::string& text) {
    if (!ReadRows(m_target, m_before))
        return false;
    if (!m_json) {
        text = Utf8FromWide(orvex::ListingText(m_before));
        return true;
    }
    // The JSON listing is one document on one line; the changes after it are one a line.
    const std::string listing = orvex::ListingJson(reinterpret_cast<UINT_PTR>(m_target), m_before);
    text = Json::parse(listing).dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
    return true;
}

bool WindowWatch::Next(std::string& text) {
    text.clear();
    if (!ReadRows(m_target, m_after))
        return false;
    for (const RowChange& change : ChangedRows(m_before, m_after))
        text += ChangeLine(change, m_json);
    m_before.swap(m_after);
    return true;
}

int RunWatch(const Invocation& invocation, HWND target, TextStream& out, TextStream& errors) {
    WindowWatch watch(target, invocation.json);
    std::string text;
    if (!watch.Start(text)) {
        errors.Write("orvex: the window is gone\n");
        return kExitNoWindow;
    }
    if (!out.Write(text))
        return kExitOutputFile;
    const ULONGLONG started = ::GetTickCount64();
    for (;;) {
        if (::WaitForSingleObject(ConsoleBreakEvent(), invocation.intervalMs) == WAIT_OBJECT_0)
            return kExitInterrupted;
        if (invocation.forMs && ::GetTickCount64() - started >= *invocation.forMs)
            return kExitSuccess;
        if (!watch.Next(text))
            return kExitSuccess; // the window went
        if (!text.empty() && !out.Write(text))
            return kExitOutputFile;
    }
}
