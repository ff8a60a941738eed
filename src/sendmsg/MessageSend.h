#pragma once
// Sending a message the way the send-message dialog sends it: through SendMessageCallbackW, which
// refuses (ERROR_MESSAGE_SYNC_ONLY) a system message whose parameters would be pointers into
// Orvex's own memory, so a typed number is never read as an address in this process.

#include <windows.h>

#include <cstdint>

enum class SendStart { Sent, NoWindow, Refused };

// Starts the send without waiting; the reply comes to `callback` on this thread once it pumps
// messages.
SendStart SendForReply(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, SENDASYNCPROC callback,
                       ULONG_PTR token);

struct SendOutcome {
    enum class Status { Replied, NoWindow, Refused, TimedOut } status = Status::NoWindow;
    LRESULT result = 0;
};

// Sends as SendForReply does and waits for the reply at most `timeoutMs`, pumping this thread's
// messages meanwhile. A time-out leaves the message with the target, as SendMessageTimeoutW does.
SendOutcome SendAndWaitForReply(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs);

// A typed 32-bit parameter as it is sent: sign-extended to pointer width, as a 32-bit build sends it.
LONG_PTR TypedParameter(std::uint32_t typed);
