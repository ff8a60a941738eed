#include "sendmsg/MessageSend.h"

#include "common/NumberSyntax.h"

#include <memory>

namespace {

// Shared with the callback, which may come after the wait gave up: the last owner frees it.
struct PendingReply {
    bool arrived = false;
    LRESULT result = 0;
};

void CALLBACK ReplyArrived(HWND, UINT, ULONG_PTR token, LRESULT result) {
    auto* reply = reinterpret_cast<std::shared_ptr<PendingReply>*>(token);
    (*reply)->arrived = true;
    (*reply)->result = result;
    delete reply;
}

} // namespace

SendStart SendForReply(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, SENDASYNCPROC callback,
                       ULONG_PTR token) {
    if (!hwnd || !::IsWindow(hwnd))
        return SendStart::NoWindow;
    return ::SendMessageCallbackW(hwnd, message, wParam, lParam, callback, token) ? SendStart::Sent
                                                                                  : SendStart::Refused;
}

SendOutcome SendAndWaitForReply(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD timeoutMs) {
    auto reply = std::make_shared<PendingReply>();
    auto* forCallback = new std::shared_ptr<PendingReply>(reply);
    const SendStart start =
        SendForReply(hwnd, message, wParam, lParam, &ReplyArrived, reinterpret_cast<ULONG_PTR>(forCallback));
    if (start != SendStart::Sent) {
        delete forCallback;
        return {start == SendStart::NoWindow ? SendOutcome::Status::NoWindow : SendOutcome::Status::Refused,
                0};
    }
    // The callback runs inside PeekMessage; a reply does not always wake a message wait, so the
    // wait is sliced.
    constexpr DWORD kSliceMs = 10;
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (reply->arrived)
            return {SendOutcome::Status::Replied, reply->result};
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline)
            return {SendOutcome::Status::TimedOut, 0}; // the callback, if it ever runs, frees its share
        const DWORD left = static_cast<DWORD>(deadline - now);
        ::MsgWaitForMultipleObjectsEx(0, nullptr, left < kSliceMs ? left : kSliceMs, QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
    }
}

LONG_PTR TypedParameter(std::uint32_t typed) {
    return static_cast<LONG_PTR>(orvex::SignExtend32(typed));
}
