#include "inspect/ControlTextRow.h"

#include "inspect/MoreRowsText.h"
#include "inspect/WindowFacts.h"

std::wstring ControlTextValue(HWND hwnd) {
    // One character past the longest shown tells a text that goes on from one that just fits.
    const auto text = WindowTextAnswer(hwnd, orvex::kLongestControlText + 1, kControlTextTimeoutMs);
    return text ? orvex::FormatControlText(*text) : std::wstring(orvex::kNoAnswer);
}

void AddControlTextRow(PropertySink& sink, HWND hwnd, ControlTextRead read) {
    const bool answersAtOnce = ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId();
    sink.AddProperty(GROUP_WINDOWS, kControlTextRow,
                     read == ControlTextRead::Now || answersAtOnce ? ControlTextValue(hwnd)
                                                                   : std::wstring(orvex::kAnswerPending),
                     KIND_TEXT);
}
