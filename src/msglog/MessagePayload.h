#pragma once
// What the hook copies out of the logged program's memory for a message whose parameters point at
// something (a text, a notification header, a window position, a creation structure), laid out as
// it travels behind the record in the ring. The record's `payload` field names the layout; the
// bytes follow the record's 56 at their own length. Both sides are built from this header, but the
// reader takes every byte as untrusted: a payload of the wrong size for its kind is not decoded.
// Pure logic: no window system here.

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace orvex {

enum class PayloadKind : std::uint8_t {
    None = 0,
    Text = 1,         // WM_SETTEXT's text (sent), WM_GETTEXT's text (returned)
    NotifyHeader = 2, // WM_NOTIFY's NMHDR (sent and returned)
    WindowPos = 3,    // WM_WINDOWPOSCHANGING / WM_WINDOWPOSCHANGED's WINDOWPOS
    MinMaxInfo = 4,   // WM_GETMINMAXINFO's MINMAXINFO (sent and returned)
    StyleChange = 5,  // WM_STYLECHANGING / WM_STYLECHANGED's STYLESTRUCT
    CreateStruct = 6, // WM_CREATE / WM_NCCREATE's CREATESTRUCTW
    DrawItem = 7,     // WM_DRAWITEM's DRAWITEMSTRUCT
    MeasureItem = 8,  // WM_MEASUREITEM's MEASUREITEMSTRUCT (sent and returned)
    ScrollInfo = 9,   // SBM_SETSCROLLINFO's SCROLLINFO (sent), SBM_GETSCROLLINFO's (returned)
};
inline constexpr PayloadKind kLastPayloadKind = PayloadKind::ScrollInfo;

// The most characters of a text the hook copies.
inline constexpr std::size_t kPayloadTextChars = 64;
// How far the hook counts a text's length before it gives up and says "at least".
inline constexpr std::uint32_t kPayloadTextCountLimit = 65536;

// Text: a header, then `copied` UTF-16 code units (copied <= kPayloadTextChars). Also the string a
// list box's, combo box's, edit's, tooltip's or status bar's message carries.
struct TextPayload {
    std::uint32_t length = 0; // the whole text's length in UTF-16 units, or the count limit
    std::uint16_t copied = 0; // units that follow
    std::uint16_t flags = 0;  // kText...
};
inline constexpr std::uint16_t kTextLengthAtLeast = 1; // the text runs on past `length`
// The parameter pointed somewhere the hook could not read a text from (none copied).
inline constexpr std::uint16_t kTextNotReadable = 2;
// The program handed over bytes in its ANSI code page; the hook converted them, and `length`
// counts the bytes.
inline constexpr std::uint16_t kTextFromAnsi = 4;
// A tooltip's text is asked for later (LPSTR_TEXTCALLBACK), or is the string resource numbered
// `length` (none copied either way).
inline constexpr std::uint16_t kTextCallback = 8;
inline constexpr std::uint16_t kTextResource = 16;

struct NotifyHeaderPayload {
    std::uint64_t hwndFrom = 0;
    std::uint64_t idFrom = 0;
    std::uint32_t code = 0; // as the header holds it: NM_CLICK is 0xFFFFFFFE
    // NM_CUSTOMDRAW's dwDrawStage, which follows the header (CDDS_PREPAINT is 1); 0 for other codes,
    // and from a hook that did not copy it.
    std::uint32_t drawStage = 0;
};

struct WindowPosPayload {
    std::uint64_t hwnd = 0;
    std::uint64_t insertAfter =
        0; // a handle, or HWND_TOP 0, HWND_BOTTOM 1, HWND_TOPMOST -1, HWND_NOTOPMOST -2
    std::int32_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t flags = 0; // SWP_
    std::uint32_t reserved = 0;
};

struct PointPayload {
    std::int32_t x = 0, y = 0;
};

struct MinMaxInfoPayload {
    PointPayload reserved, maxSize, maxPosition, minTrackSize, maxTrackSize;
};

struct StyleChangePayload {
    std::uint32_t oldStyle = 0, newStyle = 0;
    std::uint32_t which = 0; // wParam: GWL_STYLE (-16) or GWL_EXSTYLE (-20), as the message had it
    std::uint32_t reserved = 0;
};

// CreateStruct: a header, then `classChars` units of the class name (none when it was an atom),
// then `nameChars` units of the window name (each at most kPayloadTextChars).
struct CreateStructPayload {
    std::int32_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint32_t style = 0, exStyle = 0;
    std::uint64_t parent = 0;
    std::uint64_t menu = 0;      // the menu, or a child's id
    std::uint32_t classAtom = 0; // the class given as an atom; 0 when given by name
    std::uint16_t classChars = 0;
    std::uint16_t nameChars = 0;
};

// WM_DRAWITEM: what to draw of an owner-drawn control or menu item.
struct DrawItemPayload {
    std::uint32_t controlType = 0; // ODT_
    std::uint32_t controlId = 0;
    std::uint32_t itemId = 0; // an index, 0xFFFFFFFF for an empty list, a menu item's id
    std::uint32_t action = 0; // ODA_
    std::uint32_t state = 0;  // ODS_
    std::uint32_t reserved = 0;
    std::uint64_t item = 0; // the control, or the menu of a menu item
    std::uint64_t dc = 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::uint64_t itemData = 0;
};

// WM_MEASUREITEM: the item asked about, and on the returned line the size the owner gave.
struct MeasureItemPayload {
    std::uint32_t controlType = 0, controlId = 0, itemId = 0;
    std::uint32_t width = 0, height = 0;
    std::uint32_t reserved = 0;
    std::uint64_t itemData = 0;
};

// SBM_SETSCROLLINFO / SBM_GETSCROLLINFO: the SCROLLINFO, whose fields are the same at both widths.
struct ScrollInfoPayload {
    std::uint32_t mask = 0; // SIF_
    std::int32_t min = 0, max = 0;
    std::uint32_t page = 0;
    std::int32_t pos = 0, trackPos = 0;
};

static_assert(sizeof(TextPayload) == 8 && sizeof(NotifyHeaderPayload) == 24 &&
              sizeof(WindowPosPayload) == 40 && sizeof(MinMaxInfoPayload) == 40 &&
              sizeof(StyleChangePayload) == 16 && sizeof(CreateStructPayload) == 48 &&
              sizeof(DrawItemPayload) == 64 && sizeof(MeasureItemPayload) == 32 &&
              sizeof(ScrollInfoPayload) == 24);
static_assert(std::is_trivially_copyable_v<CreateStructPayload> &&
              std::is_trivially_copyable_v<WindowPosPayload> &&
              std::is_trivially_copyable_v<DrawItemPayload>);

// The most payload bytes behind a record: a creation structure with two whole names.
inline constexpr std::size_t kMaxMessagePayload = sizeof(CreateStructPayload) + 2 * kPayloadTextChars * 2;

} // namespace orvex
