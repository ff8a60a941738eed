#include "msglog/hook/PayloadCopy.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace orvex::hook {

namespace {

// Wine (8.0 at least) calls a program's hooks with a message another program sent before it
// unpacks the copy the window procedure gets: the hook is handed the sender's own pointer, an
// address in the other program. Read here, it shows whatever this program keeps at that address.
bool g_sentPointersMayBeForeign = false;

// What a parameter points at is copied with a call that fails on a bad pointer instead of faulting:
// a sender's mistake inside the program must not make the hook the one that crashes it.
bool CopyOut(const void* from, void* to, std::size_t size) {
    SIZE_T read = 0;
    return from && ::ReadProcessMemory(::GetCurrentProcess(), from, to, size, &read) && read == size;
}

// Copies the first kPayloadTextChars units of the text at `text` into `units` and counts its length
// up to the limit; false when not even its start could be read. Reads never cross a page the text
// may not reach, so a text that ends just before an unmapped page is read whole.
template <class Unit>
bool CopyUnits(const void* text, TextPayload& header, Unit* units, std::uint32_t knownLength) {
    constexpr std::uintptr_t kPage = 4096;
    Unit chunk[1024 / sizeof(Unit)];
    std::uint32_t length = 0;
    bool ended = false, readAny = false;
    for (auto at = reinterpret_cast<std::uintptr_t>(text); !ended && length < kPayloadTextCountLimit;) {
        const std::size_t toPageEnd = (kPage - at % kPage) / sizeof(Unit);
        const std::size_t want = toPageEnd == 0 ? 1 : std::min<std::size_t>(toPageEnd, std::size(chunk));
        if (!CopyOut(reinterpret_cast<const void*>(at), chunk, want * sizeof(Unit)))
            break;
        readAny = true;
        for (std::size_t i = 0; i < want && length < kPayloadTextCountLimit; ++i, ++length) {
            if (chunk[i] == Unit{0} || (knownLength && length == knownLength)) {
                ended = true;
                break;
            }
            if (length < kPayloadTextChars)
                units[length] = chunk[i];
        }
        at += want * sizeof(Unit);
    }
    header.length = length;
    header.copied = static_cast<std::uint16_t>(std::min<std::uint32_t>(length, kPayloadTextChars));
    header.flags = ended ? 0 : kTextLengthAtLeast;
    return readAny;
}

enum class TextForm {
    Wide, // the message says so (a ...W message of a common control, EM_SETCUEBANNER)
    Ansi, // a ...A message
    // A system message's text reaches a hook in the form its sender used: under Wine an ANSI
    // program's SetWindowTextA hands the hook bytes of its code page, where another program's
    // send is converted first.
    AsSent,
};

// Whether the text a system message carries to `window` is in the program's ANSI code page. Only
// a window whose procedure takes ANSI texts is given them by its own program; read as UTF-16, such
// bytes would pair up into characters nobody sent. UTF-16 text whose first character is below
// U+0100 has a zero second byte; two bytes that are both set start an ANSI text (or a UTF-16 one
// that begins with a character past U+00FF, which an ANSI window could not show anyway).
bool LooksAnsi(HWND window, const void* text) {
    unsigned char start[2] = {};
    return window && !::IsWindowUnicode(window) && CopyOut(text, start, sizeof(start)) && start[0] != 0 &&
           start[1] != 0;
}

// Copies the text at `text` as UTF-16 units, converting an ANSI one with the program's code page;
// false when not even its start could be read.
bool CopyText(const void* text, TextForm form, HWND window, TextPayload& header, wchar_t* units,
              std::uint32_t knownLength = 0) {
    if (form == TextForm::AsSent)
        form = LooksAnsi(window, text) ? TextForm::Ansi : TextForm::Wide;
    if (form == TextForm::Wide)
        return CopyUnits<wchar_t>(text, header, units, knownLength);
    char bytes[kPayloadTextChars];
    if (!CopyUnits<char>(text, header, bytes, knownLength))
        return false;
    // A double-byte code page makes fewer characters than bytes; the length counts the bytes
    // unless the whole text was converted. MultiByteToWideChar neither allocates nor waits.
    const std::uint16_t bytesCopied = header.copied;
    const int converted =
        bytesCopied == 0 ? 0 : ::MultiByteToWideChar(CP_ACP, 0, bytes, bytesCopied, units, kPayloadTextChars);
    header.copied = static_cast<std::uint16_t>(converted > 0 ? converted : 0);
    if (!(header.flags & kTextLengthAtLeast) && header.length == bytesCopied)
        header.length = header.copied;
    header.flags |= kTextFromAnsi;
    return true;
}

void PutTextHeader(Outgoing& out, const TextPayload& header, const wchar_t* units) {
    out.Put(PayloadKind::Text, header);
    std::memcpy(out.payload + sizeof(header), units, header.copied * sizeof(wchar_t));
    out.payloadSize += header.copied * sizeof(wchar_t);
}

// A text that is not there to read: said so, rather than shown as none.
void PutUnreadable(Outgoing& out) {
    out.Put(PayloadKind::Text, TextPayload{0, 0, kTextNotReadable});
}

void PutText(Outgoing& out, HWND window, const void* text, TextForm form, std::uint32_t knownLength = 0) {
    TextPayload header;
    wchar_t units[kPayloadTextChars];
    if (CopyText(text, form, window, header, units, knownLength))
        PutTextHeader(out, header, units);
    else
        PutUnreadable(out);
}

// A text the window system carries from program to program (WM_SETTEXT, a list box's string): from
// another thread, under Wine, the pointer may not be this program's (see g_sentPointersMayBeForeign).
void PutSentText(Outgoing& out, bool sentHere, HWND window, const void* text, std::uint32_t knownLength = 0) {
    if (g_sentPointersMayBeForeign && !sentHere)
        PutUnreadable(out);
    else
        PutText(out, window, text, TextForm::AsSent, knownLength);
}

// A list box or combo box that is owner-drawn without keeping strings is given the owner's values.
bool KeepsStrings(HWND window, LONG hasStrings) {
    constexpr LONG kOwnerDrawn = 0x0010 | 0x0020; // LBS_ and CBS_OWNERDRAWFIXED, OWNERDRAWVARIABLE
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    return !(style & kOwnerDrawn) || (style & hasStrings);
}

// The numbers past WM_USER mean something else to every class.
bool OfClass(HWND window, const wchar_t* className) {
    wchar_t name[32];
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return length > 0 && ::CompareStringOrdinal(name, length, className, -1, TRUE) == CSTR_EQUAL;
}

// A tooltip's text: a string, a string resource, or asked for when it shows.
void PutToolText(Outgoing& out, HWND window, const void* at, TextForm form) {
    TTTOOLINFOW tool{}; // the ANSI structure is laid out alike
    if (!CopyOut(at, &tool, offsetof(TTTOOLINFOW, lParam))) {
        PutUnreadable(out);
    } else if (tool.lpszText == LPSTR_TEXTCALLBACKW) {
        out.Put(PayloadKind::Text, TextPayload{0, 0, kTextCallback});
    } else if (tool.lpszText && IS_INTRESOURCE(tool.lpszText)) {
        const auto id = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(tool.lpszText));
        out.Put(PayloadKind::Text, TextPayload{id, 0, kTextResource});
    } else if (!tool.lpszText) {
        out.Put(PayloadKind::Text, TextPayload{});
    } else {
        PutText(out, window, tool.lpszText, form);
    }
}

void PutCreateStruct(Outgoing& out, HWND window, LPARAM lParam) {
    CREATESTRUCTW create{};
    if (!CopyOut(reinterpret_cast<const void*>(lParam), &create, sizeof(create)))
        return;
    CreateStructPayload header;
    header.x = create.x;
    header.y = create.y;
    header.cx = create.cx;
    header.cy = create.cy;
    header.style = static_cast<std::uint32_t>(create.style);
    header.exStyle = create.dwExStyle;
    header.parent = Handle64(create.hwndParent);
    header.menu = Handle64(create.hMenu);
    TextPayload text;
    wchar_t className[kPayloadTextChars], windowName[kPayloadTextChars];
    if (IS_INTRESOURCE(create.lpszClass))
        header.classAtom = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(create.lpszClass));
    else if (CopyText(create.lpszClass, TextForm::AsSent, window, text, className))
        header.classChars = text.copied;
    if (create.lpszName && CopyText(create.lpszName, TextForm::AsSent, window, text, windowName))
        header.nameChars = text.copied;
    out.Put(PayloadKind::CreateStruct, header);
    std::memcpy(out.payload + out.payloadSize, className, header.classChars * sizeof(wchar_t));
    out.payloadSize += header.classChars * sizeof(wchar_t);
    std::memcpy(out.payload + out.payloadSize, windowName, header.nameChars * sizeof(wchar_t));
    out.payloadSize += header.nameChars * sizeof(wchar_t);
}

void PutDrawItem(Outgoing& out, const void* at) {
    DRAWITEMSTRUCT draw{};
    if (!CopyOut(at, &draw, sizeof(draw)))
        return;
    out.Put(PayloadKind::DrawItem,
            DrawItemPayload{draw.CtlType, draw.CtlID, draw.itemID, draw.itemAction, draw.itemState, 0,
                            Handle64(draw.hwndItem), Handle64(draw.hDC), draw.rcItem.left, draw.rcItem.top,
                            draw.rcItem.right, draw.rcItem.bottom, draw.itemData});
}

void PutMeasureItem(Outgoing& out, const void* at) {
    MEASUREITEMSTRUCT measure{};
    if (!CopyOut(at, &measure, sizeof(measure)))
        return;
    out.Put(PayloadKind::MeasureItem,
            MeasureItemPayload{measure.CtlType, measure.CtlID, measure.itemID, measure.itemWidth,
                               measure.itemHeight, 0, measure.itemData});
}

void PutScrollInfo(Outgoing& out, const void* at) {
    SCROLLINFO info{};
    if (!CopyOut(at, &info, sizeof(info)))
        return;
    out.Put(PayloadKind::ScrollInfo,
            ScrollInfoPayload{info.fMask, info.nMin, info.nMax, info.nPage, info.nPos, info.nTrackPos});
}

} // namespace

void LearnWindowSystem() {
    // Only Wine's own library exports this; GetModuleHandle and GetProcAddress of a loaded system
    // library are safe while the library loads.
    const HMODULE system = ::GetModuleHandleW(L"ntdll.dll");
    g_sentPointersMayBeForeign = system && ::GetProcAddress(system, "wine_get_version");
}

void PutPayload(Outgoing& out, HWND window, WPARAM wParam, LPARAM lParam, LRESULT result, bool sentHere) {
    const MessageKind kind = out.record.kind;
    const bool sent = kind == MessageKind::Sent;
    const auto* at = reinterpret_cast<const void*>(lParam);
    switch (out.record.message) {
    case WM_SETTEXT:
    case EM_REPLACESEL:
        if (sent && lParam)
            PutSentText(out, sentHere, window, at);
        break;
    case WM_GETTEXT:
        if (kind == MessageKind::Returned && lParam && result > 0)
            PutSentText(out, sentHere, window, at,
                        static_cast<std::uint32_t>(std::min<LRESULT>(result, kPayloadTextCountLimit)));
        break;
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING:
        if (sent && lParam && KeepsStrings(window, LBS_HASSTRINGS))
            PutSentText(out, sentHere, window, at);
        break;
    case CB_ADDSTRING:
    case CB_INSERTSTRING:
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING:
        if (sent && lParam && KeepsStrings(window, CBS_HASSTRINGS))
            PutSentText(out, sentHere, window, at);
        break;
    case LB_DIR:
    case CB_DIR:
        if (sent && lParam)
            PutSentText(out, sentHere, window, at);
        break;
    case EM_SETCUEBANNER:
        if (sent && lParam)
            PutText(out, window, at, TextForm::Wide);
        break;
    case TTM_ADDTOOLW:
    case TTM_SETTOOLINFOW:
    case TTM_UPDATETIPTEXTW:
    case TTM_ADDTOOLA:
    case TTM_SETTOOLINFOA:
    case TTM_UPDATETIPTEXTA:
        if (sent && lParam && OfClass(window, TOOLTIPS_CLASSW))
            PutToolText(out, window, at,
                        out.record.message >= TTM_ADDTOOLW ? TextForm::Wide : TextForm::Ansi);
        break;
    case TTM_SETTITLEW:
    case TTM_SETTITLEA:
        if (sent && lParam && OfClass(window, TOOLTIPS_CLASSW))
            PutText(out, window, at, out.record.message == TTM_SETTITLEW ? TextForm::Wide : TextForm::Ansi);
        break;
    case SB_SETTEXTW:
    case SB_SETTEXTA:
        // An owner-drawn part is given the owner's value, not a text.
        if (sent && lParam && !(wParam & SBT_OWNERDRAW) && OfClass(window, STATUSCLASSNAMEW))
            PutText(out, window, at, out.record.message == SB_SETTEXTW ? TextForm::Wide : TextForm::Ansi);
        break;
    case WM_NOTIFY:
        // Copied on the return as well (the sender's structure lives until the call returns): a
        // result means nothing without the notification it answers.
        if (NMHDR header{}; kind != MessageKind::Posted && CopyOut(at, &header, sizeof(header))) {
            DWORD stage = 0;
            if (header.code == NM_CUSTOMDRAW &&
                !CopyOut(static_cast<const std::byte*>(at) + offsetof(NMCUSTOMDRAW, dwDrawStage), &stage,
                         sizeof(stage)))
                stage = 0;
            out.Put(PayloadKind::NotifyHeader,
                    NotifyHeaderPayload{Handle64(header.hwndFrom), header.idFrom, header.code, stage});
        }
        break;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        if (WINDOWPOS pos{}; sent && CopyOut(at, &pos, sizeof(pos)))
            out.Put(PayloadKind::WindowPos,
                    WindowPosPayload{Handle64(pos.hwnd), Handle64(pos.hwndInsertAfter), pos.x, pos.y, pos.cx,
                                     pos.cy, pos.flags, 0});
        break;
    case WM_GETMINMAXINFO:
        if (MINMAXINFO info{}; kind != MessageKind::Posted && CopyOut(at, &info, sizeof(info))) {
            const auto point = [](POINT p) { return PointPayload{p.x, p.y}; };
            out.Put(PayloadKind::MinMaxInfo,
                    MinMaxInfoPayload{point(info.ptReserved), point(info.ptMaxSize),
                                      point(info.ptMaxPosition), point(info.ptMinTrackSize),
                                      point(info.ptMaxTrackSize)});
        }
        break;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        if (STYLESTRUCT style{}; sent && CopyOut(at, &style, sizeof(style)))
            out.Put(PayloadKind::StyleChange, StyleChangePayload{style.styleOld, style.styleNew,
                                                                 static_cast<std::uint32_t>(wParam), 0});
        break;
    case WM_CREATE:
    case WM_NCCREATE:
        if (sent)
            PutCreateStruct(out, window, lParam);
        break;
    case WM_DRAWITEM:
        if (sent)
            PutDrawItem(out, at);
        break;
    case WM_MEASUREITEM:
        // The returned line carries the size the owner filled in.
        if (kind != MessageKind::Posted)
            PutMeasureItem(out, at);
        break;
    case SBM_SETSCROLLINFO:
        if (sent)
            PutScrollInfo(out, at);
        break;
    case SBM_GETSCROLLINFO:
        if (kind == MessageKind::Returned && result)
            PutScrollInfo(out, at);
        break;
    default:
        break;
    }
}

} // namespace orvex::hook
