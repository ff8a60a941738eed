// The hook library Orvex loads into a program whose window it logs. Its procedures run inside
// that program, on the threads that own the logged windows, so they are held to a strict standard:
// they always pass the message on and return what the next hook returns (the program sees nothing
// of Orvex), and they never wait, allocate or throw. What they find in the shared mapping is
// checked before it is used: any program of the user could have written it.

#include "msglog/HookProcedures.h"
#include "msglog/LogMapping.h"
#include "msglog/MessageRecord.h"
#include "msglog/hook/PayloadCopy.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {

// What the hook keeps per thread, in the system's thread-local slots (they never allocate once the
// indexes exist): the thread's view of its mapping and the view's committed size; when it last
// looked the mapping up again because Orvex fell silent, and when opening one last failed; the
// message it is passing on down the chain; and whose mappings it writes into (the key and process
// of the Orvex whose mapping it opened first, in two halves so a 32-bit slot holds them).
enum Slot { View, Size, LookedAgainAt, OpenFailedAt, PassingOn, KeyLow, KeyHigh, Owner, State, kSlotCount };
DWORD g_slots[kSlotCount];
bool g_slotsReady = false;

std::uintptr_t Get(Slot slot) {
    return reinterpret_cast<std::uintptr_t>(::TlsGetValue(g_slots[slot]));
}
void Set(Slot slot, std::uintptr_t value) {
    ::TlsSetValue(g_slots[slot], reinterpret_cast<void*>(value));
}

// The State slot's bits: whether the thread has an Orvex's key, whether it went quiet because that
// Orvex ended without closing its log, the copy of the hook procedures that Orvex hooked with, and
// how many entries of this library each of the three hook chains held then (see NoteChainEntries).
constexpr std::uintptr_t kKeyed = 1, kQuiet = 2;
constexpr int kVariantShift = 4;
constexpr std::uintptr_t kVariantMask = 0xF;
static_assert(orvex::kHookVariants - 1 <= kVariantMask);
constexpr int kDepthShift = 8;
constexpr std::uintptr_t kDepthMask = 0xFF;

// Milliseconds between two ticks; a 32-bit slot holds the tick's low half, so both are taken so.
std::uint32_t Since(std::uint64_t now, std::uintptr_t then) {
    return static_cast<std::uint32_t>(now) - static_cast<std::uint32_t>(then);
}

void ForgetView(void* view) {
    ::UnmapViewOfFile(view);
    Set(View, 0);
    Set(Size, 0);
}

// Opens and maps the mapping Orvex made for this thread, or null when there is none. Only pages
// that are committed count: a mapping made with reserved pages would fault on the first write.
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
    if (!::VirtualQuery(view, &region, sizeof(region)) || region.State != MEM_COMMIT ||
        region.BaseAddress != view) {
        ::UnmapViewOfFile(view);
        return nullptr;
    }
    Set(View, reinterpret_cast<std::uintptr_t>(view));
    Set(Size, region.RegionSize);
    return view;
}

// Whether a silent reader's mapping is to be looked up again now: at most once per silence period,
// so a busy Orvex does not cost every message a lookup.
bool TimeToLookAgain(std::uint64_t now) {
    if (Since(now, Get(LookedAgainAt)) <= orvex::kReaderSilenceMs)
        return false;
    Set(LookedAgainAt, static_cast<std::uintptr_t>(now));
    return true;
}

// Whether the process that made a mapping has ended. A process that cannot be opened for another
// reason than its absence is taken as running.
bool OwnerEnded(std::uint32_t processId) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

std::uint64_t LearnedKey() {
    return static_cast<std::uint64_t>(Get(KeyLow) & 0xFFFFFFFFu) | static_cast<std::uint64_t>(Get(KeyHigh))
                                                                       << 32;
}

std::uint32_t LearnedVariant() {
    return static_cast<std::uint32_t>((Get(State) >> kVariantShift) & kVariantMask);
}

// Whether this thread writes into `control` for a call through the copy `variant` of the hooks:
// only a mapping that names that copy. The first such mapping gives the thread its Orvex; after
// that, only mappings of the same key do, unless that Orvex has ended without closing its log and
// the call comes through another copy, which only another Orvex's hooking can have put there.
bool Admits(const orvex::LogControl& control, std::uint32_t variant) {
    if (control.hookVariant.load(std::memory_order_relaxed) != variant)
        return false;
    const std::uint64_t key = control.key.load(std::memory_order_relaxed);
    if (Get(State) & kKeyed) {
        if (key == LearnedKey() && variant == LearnedVariant())
            return true;
        if (key != LearnedKey() &&
            (variant == LearnedVariant() || !OwnerEnded(static_cast<std::uint32_t>(Get(Owner)))))
            return false;
    }
    Set(KeyLow, static_cast<std::uintptr_t>(key & 0xFFFFFFFFu));
    Set(KeyHigh, static_cast<std::uintptr_t>(key >> 32));
    Set(Owner, control.ownerProcessId.load(std::memory_order_relaxed));
    Set(State, (Get(State) & ~(kVariantMask << kVariantShift)) | kKeyed | variant << kVariantShift);
    return true;
}

// The thread's Orvex closed its log: the next Orvex's mapping is welcome.
void ForgetOwner() {
    Set(State, Get(State) & ~(kKeyed | kQuiet));
}

// The mapping Orvex logs this thread into for a call through the copy `variant` of the hooks, or
// null when there is none (any more).
orvex::LogControl* ThreadLog(std::size_t& size, std::uint32_t variant) {
    if (!g_slotsReady)
        return nullptr;
    if (Get(State) & kQuiet) {
        // Another copy than the one the ended Orvex left: another Orvex hooked the thread since.
        if (variant == LearnedVariant())
            return nullptr;
        ForgetOwner();
        Set(OpenFailedAt, 0);
    }
    const std::uint64_t now = ::GetTickCount64();
    // A view kept from a log Orvex has closed, or from an Orvex that fell silent (it may have been
    // killed, never marking its mapping closed), is let go, and the log that may have followed it
    // on this thread is looked for: the first message after a new start is not lost.
    for (int attempt = 0; attempt < 2; ++attempt) {
        void* view = reinterpret_cast<void*>(Get(View));
        if (!view) {
            // A name held by something that is not a log of ours is not mapped again on every
            // message: once per silence period at most.
            if (Get(OpenFailedAt) != 0 && Since(now, Get(OpenFailedAt)) <= orvex::kReaderSilenceMs)
                return nullptr;
            if (!(view = OpenThreadView()))
                return nullptr;
        }
        size = Get(Size);
        orvex::LogControl* control = orvex::FindLogControl(view, size);
        if (!control) {
            Set(OpenFailedAt, static_cast<std::uintptr_t>(now) | 1);
        } else if (control->open.load(std::memory_order_acquire) == 0) {
            // A closed log is let go of; when it was our Orvex's, so is that Orvex.
            if (!(Get(State) & kKeyed) || control->key.load(std::memory_order_relaxed) == LearnedKey())
                ForgetOwner();
        } else if (!Admits(*control, variant)) {
            Set(OpenFailedAt, static_cast<std::uintptr_t>(now) | 1);
        } else if (!orvex::ReaderSilent(*control, now)) {
            return control;
        } else if (!TimeToLookAgain(now)) {
            return control;
        } else if (OwnerEnded(static_cast<std::uint32_t>(Get(Owner)))) {
            // Killed without closing its log: whoever takes the name next is not our Orvex.
            Set(State, Get(State) | kQuiet);
            ForgetView(view);
            return nullptr;
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

// `sentHere`: the hook's own wParam, which says for a sent message whether this thread sent it.
void Log(std::uint32_t variant, orvex::MessageKind kind, HWND window, UINT message, WPARAM wParam,
         LPARAM lParam, LRESULT result, bool sentHere) {
    std::size_t size = 0;
    orvex::LogControl* control = ThreadLog(size, variant);
    if (!control || !InScope(*control, window) || !orvex::LogFilterShows(*control, message))
        return;
    orvex::hook::Outgoing out;
    orvex::MessageRecord& record = out.record;
    record.kind = kind;
    record.message = message;
    record.threadId = ::GetCurrentThreadId();
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    record.time = static_cast<std::uint64_t>(now.QuadPart);
    record.writerBits = static_cast<std::uint8_t>(sizeof(void*) * 8);
    record.window = orvex::hook::Handle64(window);
    record.wParam = wParam;
    record.lParam = static_cast<std::uint64_t>(lParam);
    record.result = kind == orvex::MessageKind::Returned ? static_cast<std::uint64_t>(result) : 0;
    orvex::hook::PutPayload(out, window, wParam, lParam, result, sentHere);
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
    bool SameMessage(const Passing& other) const {
        return kind == other.kind && window == other.window && message == other.message &&
               wParam == other.wParam && lParam == other.lParam;
    }
    std::uint32_t variant = 0; // the copy of the hook procedures it came through first
    int entries = 1;           // of this library in the chain, counted as the message passes them
};

int ChainIndex(orvex::MessageKind kind) {
    return kind == orvex::MessageKind::Sent ? 0 : kind == orvex::MessageKind::Returned ? 1 : 2;
}

// Notes how many entries of this library a hook chain holds. A thread gone quiet wakes when a chain
// holds more than when it went quiet: another Orvex has hooked it since, and its mapping is the one
// to take (an Orvex that was killed left its entries behind; someone who merely took the mapping's
// name added none).
void NoteChainEntries(orvex::MessageKind kind, int entries) {
    const int shift = kDepthShift + 8 * ChainIndex(kind);
    const std::uintptr_t state = Get(State);
    const auto known = static_cast<int>((state >> shift) & kDepthMask);
    const auto counted = static_cast<std::uintptr_t>(entries < 255 ? entries : 255);
    if (state & kQuiet) {
        if (entries > known) {
            ForgetOwner();
            Set(OpenFailedAt, 0);
            Set(State, (Get(State) & ~(kDepthMask << shift)) | counted << shift);
        }
        return;
    }
    if (static_cast<int>(counted) != known)
        Set(State, (state & ~(kDepthMask << shift)) | counted << shift);
}

// Logs the message unless an entry of this library further up the chain already did, then passes it
// on. A second entry is a hook that an Orvex which was killed left behind where the window system
// did not take it away with its thread (Wine keeps them): the message is shown once.
LRESULT LogAndPassOn(Passing& message, LRESULT result, int code, WPARAM wParam, LPARAM lParam) {
    const auto log = [&] {
        Log(message.variant, message.kind, message.window, message.message, message.wParam, message.lParam,
            result, wParam != 0);
    };
    if (!g_slotsReady)
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    auto* outer = reinterpret_cast<Passing*>(Get(PassingOn));
    const bool outermost = !outer || !outer->SameMessage(message);
    const bool quiet = (Get(State) & kQuiet) != 0;
    if (outermost && !quiet)
        log();
    else if (!outermost)
        ++outer->entries;
    Set(PassingOn, reinterpret_cast<std::uintptr_t>(&message));
    const LRESULT next = ::CallNextHookEx(nullptr, code, wParam, lParam);
    Set(PassingOn, reinterpret_cast<std::uintptr_t>(outer));
    if (outermost) {
        NoteChainEntries(message.kind, message.entries);
        // The message that woke a quiet thread is the new Orvex's first: only passing it on showed
        // that Orvex's hook in the chain, so it is logged now rather than lost.
        if (quiet && !(Get(State) & kQuiet))
            log();
    }
    return next;
}

template <std::uint32_t Variant> LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        Passing message{
            orvex::MessageKind::Sent, sent->hwnd, sent->message, sent->wParam, sent->lParam, Variant};
        return LogAndPassOn(message, 0, code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

template <std::uint32_t Variant> LRESULT CALLBACK CallWndRetProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && lParam) {
        const auto* returned = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        Passing message{orvex::MessageKind::Returned,
                        returned->hwnd,
                        returned->message,
                        returned->wParam,
                        returned->lParam,
                        Variant};
        return LogAndPassOn(message, returned->lResult, code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

template <std::uint32_t Variant> LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
    // A message only peeked at stays in the queue and comes again: it is logged when it is taken.
    if (code == HC_ACTION && wParam == PM_REMOVE && lParam) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        Passing message{orvex::MessageKind::Posted,
                        posted->hwnd,
                        posted->message,
                        posted->wParam,
                        posted->lParam,
                        Variant};
        return LogAndPassOn(message, 0, code, wParam, lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

// The copies of the three log hooks, exported as HookProcedureName names them.
#define ORVEX_HOOK_VARIANT(digits)                                                                           \
    extern "C" __declspec(dllexport) LRESULT CALLBACK OrvexCallWndProc##digits(int c, WPARAM w, LPARAM l) {  \
        return CallWndProc<1##digits - 100>(c, w, l);                                                        \
    }                                                                                                        \
    extern "C" __declspec(dllexport)                                                                         \
        LRESULT CALLBACK OrvexCallWndRetProc##digits(int c, WPARAM w, LPARAM l) {                            \
        return CallWndRetProc<1##digits - 100>(c, w, l);                                                     \
    }                                                                                                        \
    extern "C" __declspec(dllexport) LRESULT CALLBACK OrvexGetMsgProc##digits(int c, WPARAM w, LPARAM l) {   \
        return GetMsgProc<1##digits - 100>(c, w, l);                                                         \
    }
ORVEX_HOOK_VARIANT(00)
ORVEX_HOOK_VARIANT(01)
ORVEX_HOOK_VARIANT(02)
ORVEX_HOOK_VARIANT(03)
ORVEX_HOOK_VARIANT(04)
ORVEX_HOOK_VARIANT(05)
ORVEX_HOOK_VARIANT(06)
ORVEX_HOOK_VARIANT(07)
ORVEX_HOOK_VARIANT(08)
ORVEX_HOOK_VARIANT(09)
ORVEX_HOOK_VARIANT(10)
ORVEX_HOOK_VARIANT(11)
ORVEX_HOOK_VARIANT(12)
ORVEX_HOOK_VARIANT(13)
ORVEX_HOOK_VARIANT(14)
ORVEX_HOOK_VARIANT(15)
#undef ORVEX_HOOK_VARIANT
static_assert(orvex::kHookVariants == 16, "one ORVEX_HOOK_VARIANT line per copy");

extern "C" {

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
        orvex::hook::LearnWindowSystem();
        g_slotsReady = true;
        for (DWORD& slot : g_slots)
            g_slotsReady = (slot = ::TlsAlloc()) != TLS_OUT_OF_INDEXES && g_slotsReady;
    } else if (reason == DLL_PROCESS_DETACH) {
        g_slotsReady = false;
        for (DWORD slot : g_slots)
            if (slot != TLS_OUT_OF_INDEXES)
                ::TlsFree(slot);
    }
    return TRUE;
}
