#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

#include <array>

namespace orvex {

namespace {

// The requests of WM_HSCROLL and WM_VSCROLL, named after the direction of their bar.
using Requests = std::array<std::wstring_view, 9>;
constexpr Requests kHorizontalRequests = {
    L"SB_LINELEFT",   L"SB_LINERIGHT", L"SB_PAGELEFT", L"SB_PAGERIGHT", L"SB_THUMBPOSITION",
    L"SB_THUMBTRACK", L"SB_LEFT",      L"SB_RIGHT",    L"SB_ENDSCROLL",
};
constexpr Requests kVerticalRequests = {
    L"SB_LINEUP",     L"SB_LINEDOWN", L"SB_PAGEUP", L"SB_PAGEDOWN",  L"SB_THUMBPOSITION",
    L"SB_THUMBTRACK", L"SB_TOP",      L"SB_BOTTOM", L"SB_ENDSCROLL",
};
constexpr std::uint16_t kThumbPosition = 4, kThumbTrack = 5;

constexpr std::array<std::wstring_view, 4> kArrows = {L"ESB_ENABLE_BOTH", L"ESB_DISABLE_LTUP",
                                                      L"ESB_DISABLE_RTDN", L"ESB_DISABLE_BOTH"};

constexpr std::uint32_t kSifRange = 0x1, kSifPage = 0x2, kSifPos = 0x4, kSifTrackPos = 0x10;
constexpr FlagName kScrollInfoMask[] = {
    {kSifRange, L"SIF_RANGE"},     {kSifPage, L"SIF_PAGE"},         {kSifPos, L"SIF_POS"},
    {0x8, L"SIF_DISABLENOSCROLL"}, {kSifTrackPos, L"SIF_TRACKPOS"},
};

bool Returned(const DetailsInput& input) {
    return input.record.kind == MessageKind::Returned;
}

std::wstring ScrollDetails(const DetailsInput& input, const Requests& requests) {
    const std::uint16_t request = LowWord(input.record.wParam);
    DetailsText text;
    text.Add(request < requests.size() ? std::wstring(requests[request])
                                       : DetailsText().Add(L"request", request).Take());
    // The position rides along only while the thumb is dragged or let go.
    if (request == kThumbPosition || request == kThumbTrack)
        text.Add(L"pos", HighWord(input.record.wParam));
    // None for the window's own scroll bar.
    if (input.record.lParam != 0)
        text.Add(L"scrollbar", FormatPointer(input.record.lParam));
    return text.Take();
}

std::wstring ResultPos(const DetailsInput& input, std::wstring_view label) {
    return DetailsText().Add(label, SignedLow32(input.record.result)).Take();
}

} // namespace

std::wstring HorizontalScrollDetails(const DetailsInput& input) {
    return ScrollDetails(input, kHorizontalRequests);
}

std::wstring VerticalScrollDetails(const DetailsInput& input) {
    return ScrollDetails(input, kVerticalRequests);
}

std::wstring ScrollSetPosDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(L"pos", SignedLow32(input.record.wParam)).Add(input.record.lParam != 0 ? L"redraw" : L"");
    if (Returned(input))
        text.Add(ResultPos(input, L"previous"));
    return text.Take();
}

std::wstring ScrollGetPosDetails(const DetailsInput& input) {
    return Returned(input) ? ResultPos(input, L"pos") : std::wstring();
}

std::wstring ScrollSetRangeDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(L"min", SignedLow32(input.record.wParam)).Add(L"max", SignedLow32(input.record.lParam));
    if (Returned(input))
        text.Add(ResultPos(input, L"previous"));
    return text.Take();
}

std::wstring ScrollEnableArrowsDetails(const DetailsInput& input) {
    const std::uint64_t arrows = input.record.wParam;
    return arrows < kArrows.size() ? std::wstring(kArrows[arrows])
                                   : DetailsText().Add(L"arrows", HexText(arrows, 4)).Take();
}

std::wstring ScrollInfoDetails(const DetailsInput& input) {
    // SBM_SETSCROLLINFO's structure is copied on the sent line, SBM_GETSCROLLINFO's on the returned.
    const bool setting = input.name == L"SBM_SETSCROLLINFO";
    DetailsText text;
    if (const auto info = ReadFixedPayload<ScrollInfoPayload>(input.record, input.payload)) {
        text.Add(FlagsText(info->mask, kScrollInfoMask));
        if (info->mask & kSifRange)
            text.Add(L"min", info->min).Add(L"max", info->max);
        if (info->mask & kSifPage)
            text.Add(L"page", info->page);
        if (info->mask & kSifPos)
            text.Add(L"pos", info->pos);
        if (info->mask & kSifTrackPos)
            text.Add(L"track", info->trackPos);
    }
    if (setting && !Returned(input))
        text.Add(input.record.wParam != 0 ? L"redraw" : L"");
    if (setting && Returned(input))
        text.Add(ResultPos(input, L"pos"));
    return text.Take();
}

} // namespace orvex
