// The hook library Orvex loads into a program whose window it logs. Its procedures run inside
// that program, on the threads that own the logged windows, so they are held to a strict standard:
// they always pass the message on and return what the next hook returns (the program sees nothing
// of Orvex), and they never wait, allocate or throw. What they find in the shared mapping is
// checked before it is used: any program of the user could have written it.

#include "msglog/LogMapping.h"
#include "msglog/MessageRecord.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

// The thread's mapping, opened on its first message and kept: two thread-local slots of the
// system's own (they never allocate once the indexes exist), the view and its size.
DWORD g_viewSlot = TLS_OUT_OF_INDEXES;
DWORD g_sizeSlot = TLS_OUT_OF_INDEXES;
// The tick count when this thread last looked its mapping up again because Orvex fell silent.
DWORD g_lookedAgainSlot = TLS_OUT_OF_INDEXES;
// The message this thread's hook is passing on down the chain, while it does.
DWORD g_passingSlot = TLS_OUT_OF_INDEXES;

void ForgetView(void* view) {
    ::UnmapViewOfFile(view);
    ::TlsSetValue(g_viewSlot, nullptr);
    ::TlsSetValue(g_sizeSlot, nullptr);
}

// Opens and maps the mapping Orvex made for this thread, or null when there is none.
void* OpenThreadView() {
    wchar_t name[orvex::kLogMappingNameSize];
    orvex::WriteLogMappingName(::GetCurrentThreadId(), name);
    HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, name);
    if (!mapping)
        return nullptr;
    void* view = ::MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 0);
    ::CloseHandle(mapping); // the view keeps the mapping alive
    if (!view)
        return nullptr;
    MEMORY_BASIC_INFORMATION region{};
    if (!::VirtualQuery(view, &region, sizeof(region))) {
        ::UnmapViewOfFile(view);
        return nullptr;
    }
    ::TlsSetValue(g_viewSlot, view);
    ::TlsSetValue(g_sizeSlot, reinterpret_cast<void*>(region.RegionSize));
    return view;
}

// Whether a silent reader's mapping is to be looked up again now: at most once per silence period,
// so a busy Orvex does not cost every message a lookup.
bool TimeToLookAgain(std::uint64_t now) {
    const auto last =
        static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(::TlsGetValue(g_lookedAgainSlot)));
    if (now - last <= orvex::kReaderSilenceMs)
        return false;
    ::TlsSetValue(g_lookedAgainSlot, reinterpret_cast<void*>(static_cast<std::uintptr_t>(now)));
    return true;
}

// The mapping Orvex logs this thread into, or null when there is none (any more).
orvex::LogControl* ThreadLog(std::size_t& size) {
    if (g_viewSlot == TLS_OUT_OF_INDEXES || g_sizeSlot == TLS_OUT_OF_INDEXES ||
        g_lookedAgainSlot == TLS_OUT_OF_INDEXES)
        return nullptr;
    // A view kept from a log Orvex has closed, or from an Orvex that fell silent (it may have been
    // killed, never marking its mapping closed), is let go, and the log that may have followed it
    // on this thread is looked for: the first message after a new start is not lost.
    for (int attempt = 0; attempt < 2; ++attempt) {
        void* view = ::TlsGetValue(g_viewSlot);
        if (!view && !(view = OpenThreadView()))
            return nullptr;
        size = reinterpret_cast<std::size_t>(::TlsGetValue(g_sizeSlot));
        orvex::LogControl* control = orvex::FindLogControl(view, size);
        if (control && control->open.load(std::memory_order_acquire) != 0) {
            const std::uint64_t now = ::GetTickCount64();
            if (!orvex::ReaderSilent(*control, now) || !TimeToLookAgain(now))
                return control;
        }
        ForgetView(view);
    }
    return nullptr;
}

bool InScope(const orvex::LogControl& control, HWND window) {
    const auto target =
        reinterpret_cast<HWND>(static_cast<UINT_PTR>(control.target.load(std::memory_order_relaxed)));
    switch (static_cast<orvex::LogScope>(control.scope.load(std::memory_order_relaxed))) {
    case orvex::LogScope::Window:
        return window && window == target;
    case orvex::LogScope::WindowAndChildren:
        return window && (window == target || ::IsChild(target, window));
    case orvex::LogScope::Thread:
        return true;
    }
    return false;
}

// What a parameter points at is copied with a call that fails on a bad pointer instead of faulting:
// a sender's mistake inside the program must not make the hook the one that crashes it.
bool CopyOut(const void* from, void* to, std::size_t size) {
    SIZE_T read = 0;
    return from && ::ReadProcessMemory(::GetCurrentProcess(), from, to, size, &read) && read == size;
}

// Copies the first kPayloadTextChars units of the text at `text` into `units` and counts its length
// up to the limit; false when not even its start could be read. Reads never cross a page the text
// may not reach, so a text that ends just before an unmapped page is read whole.
bool CopyText(const wchar_t* text, orvex::TextPayload& header, wchar_t* units,
              std::uint32_t knownLength = 0) {
    constexpr std::uintptr_t kPage = 4096;
    wchar_t chunk[512];
    std::uint32_t length = 0;
    bool ended = false, readAny = false;
    for (auto at = reinterpret_cast<std::uintptr_t>(text);
         !ended && length < orvex::kPayloadTextCountLimit;) {
        const std::size_t toPageEnd = (kPage - at % kPage) / sizeof(wchar_t);
        const std::size_t want = toPageEnd == 0 ? 1 : std::min<std::size_t>(toPageEnd, std::size(chunk));
        if (!CopyOut(reinterpret_cast<const void*>(at), chunk, want * sizeof(wchar_t)))
            break;
        readAny = true;
        for (std::size_t i = 0; i < want && length < orvex::kPayloadTextCountLimit; ++i, ++length) {
            if (chunk[i] == L'\0' || (knownLength && length == knownLength)) {
                ended = true;
                break;
            }
            if (length < orvex::kPayloadTextChars)
                units[length] = chunk[i];
        }
        at += want * sizeof(wchar_t);
    }
    header.length = length;
    header.copied = static_cast<std::uint16_t>(std::min<std::uint32_t>(length, orvex::kPayloadTextChars));
    header.flags = ended ? 0 : orvex::kTextLengthAtLeast;
    return readAny;
}

// The record and what its parameters point at, as the ring takes them.
struct Outgoing {
    orvex::MessageRecord record;
    std::byte payload[orvex::kMaxMessagePayload];
    std::size_t payloadSize = 0;

    template <class T> void Put(orvex::PayloadKind kind, const T& value) {
        record.payload = kind;
        std::memcpy(payload, &value, sizeof(value));
        payloadSize = sizeof(value);
    }
};

void PutText(Outgoing& out, const wchar_t* text, std::uint32_t knownLength = 0) {
    orvex::TextPayload header;
    wchar_t units[orvex::kPayloadTextChars];
    if (!CopyText(text, header, units, knownLength))
        return;
    out.Put(orvex::PayloadKind::Text, header);
    std::memcpy(out.payload + sizeof(header), units, header.copied * sizeof(wchar_t));
    out.payloadSize += header.copied * sizeof(wchar_t);
}

void PutCreateStruct(Outgoing& out, LPARAM lParam) {
    CREATESTRUCTW create{};
    if (!CopyOut(reinterpret_cast<const void*>(lParam), &create, sizeof(create)))
        return;
    orvex::CreateStructPayload header;
    header.x = create.x;
    header.y = create.y;
    header.cx = create.cx;
    header.cy = create.cy;
    header.style = static_cast<std::uint32_t>(create.style);
    header.exStyle = create.dwExStyle;
    header.parent = reinterpret_cast<UINT_PTR>(create.hwndParent);
    header.menu = reinterpret_cast<UINT_PTR>(create.hMenu);
    orvex::TextPayload text;
    wchar_t className[orvex::kPayloadTextChars], windowName[orvex::kPayloadTextChars];
    if (IS_INTRESOURCE(create.lpszClass))
        header.classAtom = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(create.lpszClass));
    else if (CopyText(create.lpszClass, text, className))
        header.classChars = text.copied;
    if (create.lpszName && CopyText(create.lpszName, text, windowName))
        header.nameChars = text.copied;
    out.Put(orvex::PayloadKind::CreateStruct, header);
    std::memcpy(out.payload + out.payloadSize, className, header.classChars * sizeof(wchar_t));
    out.payloadSize += header.classChars * sizeof(wchar_t);
    std::memcpy(out.payload + out.payloadSize, windowName, header.nameChars * sizeof(wchar_t));
    out.payloadSize += header.nameChars * sizeof(wchar_t);
}

// What the message's parameters point at, for the messages whose details the log shows.
void PutPayload(Outgoing& out, WPARAM wParam, LPARAM lParam, LRESULT result) {
    const orvex::MessageKind kind = out.record.kind;
    const auto* at = reinterpret_cast<const void*>(lParam);
    switch (out.record.message) {
    case WM_SETTEXT:
        if (kind == orvex::MessageKind::Sent && lParam)
            PutText(out, static_cast<const wchar_t*>(at));
        break;
    case WM_GETTEXT:
        if (kind == orvex::MessageKind::Returned && lParam && result > 0)
            PutText(out, static_cast<const wchar_t*>(at),
                    static_cast<std::uint32_t>(std::min<LRESULT>(result, orvex::kPayloadTextCountLimit)));
        break;
    case WM_NOTIFY:
        // Copied on the return as well (the sender's structure lives until the call returns): a
        // result means nothing without the notification it answers.
        if (NMHDR header{}; kind != orvex::MessageKind::Posted && CopyOut(at, &header, sizeof(header))) {
            DWORD stage = 0;
            if (header.code == NM_CUSTOMDRAW &&
                !CopyOut(static_cast<const std::byte*>(at) + offsetof(NMCUSTOMDRAW, dwDrawStage), &stage,
                         sizeof(stage)))
                stage = 0;
            out.Put(orvex::PayloadKind::NotifyHeader,
                    orvex::NotifyHeaderPayload{reinterpret_cast<UINT_PTR>(header.hwndFrom), header.idFrom,
                                               header.code, stage});
        }
        break;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
        if (WINDOWPOS pos{}; kind == orvex::MessageKind::Sent && CopyOut(at, &pos, sizeof(pos)))
            out.Put(orvex::PayloadKind::WindowPos,
                    orvex::WindowPosPayload{reinterpret_cast<UINT_PTR>(pos.hwnd),
                                            reinterpret_cast<UINT_PTR>(pos.hwndInsertAfter), pos.x, pos.y,
                                            pos.cx, pos.cy, pos.flags, 0});
        break;
    case WM_GETMINMAXINFO:
        if (MINMAXINFO info{}; kind != orvex::MessageKind::Posted && CopyOut(at, &info, sizeof(info))) {
            const auto point = [](POINT p) { return orvex::PointPayload{p.x, p.y}; };
            out.Put(orvex::PayloadKind::MinMaxInfo,
                    orvex::MinMaxInfoPayload{point(info.ptReserved), point(info.ptMaxSize),
                                             point(info.ptMaxPosition), point(info.ptMinTrackSize),
                                             point(info.ptMaxTrackSize)});
        }
        break;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        if (STYLESTRUCT style{}; kind == orvex::MessageKind::Sent && CopyOut(at, &style, sizeof(style)))
            out.Put(orvex::PayloadKind::StyleChange,
                    orvex::StyleChangePayload{style.styleOld, style.styleNew,
                                              static_cast<std::uint32_t>(wParam), 0});
        break;
    case WM_CREATE:
    case WM_NCCREATE:
        if (kind == orvex::MessageKind::Sent)
            PutCreateStruct(out, lParam);
        break;
    default:
        break;
    }
}

void Log(orvex::MessageKind kind, HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
    std::size_t size = 0;
    orvex::LogControl* control = ThreadLog(size);
    if (!control || !InScope(*control, window) || !orvex::LogFilterShows(*control, message))
        return;
    Outgoing out;
    orvex::MessageRecord& record = out.record;
    record.kind = kind;
    record.message = message;
    record.threadId = ::GetCurrentThreadId();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    record.time = static_cast<std::uint64_t>(now.QuadPart);
    record.window = reinterpret_cast<UINT_PTR>(window);
    record.wParam = wParam;
    record.lParam = static_cast<std::uint64_t>(lParam);
    record.result = kind == orvex::MessageKind::Returned ? static_cast<std::uint64_t>(result) : 0;
    PutPayload(out, wParam, lParam, result);
    // The record and its payload travel as one run of bytes.
    static_assert(offsetof(Outgoing, payload) == sizeof(orvex::MessageRecord));
    orvex::RingWriter ring;
    if (ring.Attach(reinterpret_cast<std::byte*>(control) + orvex::kLogRingOffset,
                    size - orvex::kLogRingOffset, std::nullopt) == orvex::RingCheck::Ok)
        ring.Write(&out, sizeof(record) + out.payloadSize);
}

struct Passing {
    orvex::MessageKind kind;
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Passing&) const = default;
};

// Logs the message unless an entry of this library further up the chain already did, then passes it
// on. A second entry is a hook that an Orvex which was killed left behind where the window system
// did not take it away with its thread (Wine keeps them): the message is shown once.
LRESULT LogAndPassOn(const Passing& message, LRESULT result, int code, WPARAM wParam, LPARAM lParam) {
    const auto* outer = g_passingSlot == TLS_OUT_OF_INDEXES
                            ? nullptr
                            : static_cast<const Passing*>(::TlsGetValue(g_passingSlot));
    if (!outer || !(*outer == message))
        Log(message.kind, message.window, message.message, message.wParam, message.lParam, result);
    if (g_passingSlot == TLS_OUT_OF_INDEXES)
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    ::TlsSetValue(g_passingSlot, const_cast<Passing*>(&message));
    const LRESULT next = ::CallNextHookEx(nullptr, code, wParam, lParam);
    ::TlsSetValue(g_passingSlot, const_cast<Passing*>(outer));
    return next;
}

} // namespace

extern "C" {

__declspec(dllexport) LRESULT CALLBACK OrvexCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        return LogAndPassOn({orvex::MessageKind::Sent, sent->hwnd, sent->message, sent->wParam, sent->lParam},
                            0, code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexCallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam) {
        const auto* returned = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        return LogAndPassOn({orvex::MessageKind::Returned, returned->hwnd, returned->message,
                             returned->wParam, returned->lParam},
                            returned->lResult, code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexGetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    // A message only peeked at stays in the queue and comes again: it is logged when it is taken.
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        return LogAndPassOn(
            {orvex::MessageKind::Posted, posted->hwnd, posted->message, posted->wParam, posted->lParam}, 0,
            code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Hooks of the same three kinds that only pass the message on: the floor bench/MessageLogBench.cpp
// measures the log's hooks against, so that the window system's own cost of calling a hook from
// this library (under Wine, round trips to its server on every call) is told apart from what
// logging adds. They live here, not in a library of the benchmark's own, so that the floor's hooks
// are loaded, found and called exactly as the log's are. Orvex itself never installs them.
__declspec(dllexport) LRESULT CALLBACK OrvexPassCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexPassCallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

__declspec(dllexport) LRESULT CALLBACK OrvexPassGetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ::DisableThreadLibraryCalls(instance);
        g_viewSlot = ::TlsAlloc();
        g_sizeSlot = ::TlsAlloc();
        g_lookedAgainSlot = ::TlsAlloc();
        g_passingSlot = ::TlsAlloc();
    } else if (reason == DLL_PROCESS_DETACH) {
        if (g_viewSlot != TLS_OUT_OF_INDEXES)
            ::TlsFree(g_viewSlot);
        if (g_sizeSlot != TLS_OUT_OF_INDEXES)
            ::TlsFree(g_sizeSlot);
        if (g_lookedAgainSlot != TLS_OUT_OF_INDEXES)
            ::TlsFree(g_lookedAgainSlot);
        if (g_passingSlot != TLS_OUT_OF_INDEXES)
            ::TlsFree(g_passingSlot);
    }
    return TRUE;
}
