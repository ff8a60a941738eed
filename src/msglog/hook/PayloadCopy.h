#pragma once
// What the hook copies out of the logged program's memory behind a record: the structures and texts
// a message's parameters point at, in the fixed-width layouts of msglog/MessagePayload.h, the same
// from the 32-bit and the 64-bit library. Runs inside the logged program: it never allocates, waits
// or faults on a pointer the program was handed.

#include "msglog/MessageRecord.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orvex::hook {

// The record and what its parameters point at, as the ring takes them.
struct Outgoing {
    MessageRecord record;
    std::byte payload[kMaxMessagePayload];
    std::size_t payloadSize = 0;

    template <class T> void Put(PayloadKind kind, const T& value) {
        record.payload = kind;
        std::memcpy(payload, &value, sizeof(value));
        payloadSize = sizeof(value);
    }
};
// The record and its payload travel as one run of bytes.
static_assert(offsetof(Outgoing, payload) == sizeof(MessageRecord));

// A handle as a 64-bit program sees it: a 32-bit program's handles are sign-extended.
template <class Handle> std::uint64_t Handle64(Handle handle) {
    return static_cast<std::uint64_t>(reinterpret_cast<INT_PTR>(handle));
}

// Called once when the library is loaded, before any hook runs: learns whether the window system
// hands a hook the sender's pointer for a message sent from another program (see PayloadCopy.cpp).
void LearnWindowSystem();

// Fills in the payload of `out.record` for the messages whose details the log shows. `sentHere`:
// the message was sent by the thread that receives it (the hooks' own wParam says so).
void PutPayload(Outgoing& out, HWND window, WPARAM wParam, LPARAM lParam, LRESULT result, bool sentHere);

} // namespace orvex::hook
