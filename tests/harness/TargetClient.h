#pragma once
// The test side of the helper target: starts it, sends it requests, ends it.

#include "framework/Handles.h"

#include <string>
#include <utility>

namespace harness {

struct WindowRequest {
    std::wstring className = L"OrvexTargetWindow";
    std::wstring text;
    DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    RECT rect{100, 100, 400, 300}; // left, top, right, bottom
    UINT id = 0;
    bool ownThread = false; // made on a thread of the target's own, which pumps its messages

    // A top-level window of the target's own class, visible unless `style` says otherwise.
    static WindowRequest Frame(std::wstring text, RECT rect, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
        WindowRequest window;
        window.text = std::move(text);
        window.rect = rect;
        window.style = style;
        return window;
    }
    // A visible child of `parent` with `id`, at `rect` in the parent's client area.
    static WindowRequest Child(HWND parent, std::wstring className, std::wstring text, DWORD style, RECT rect,
                               UINT id) {
        WindowRequest window;
        window.className = std::move(className);
        window.text = std::move(text);
        window.style = WS_CHILD | WS_VISIBLE | style;
        window.parent = parent;
        window.rect = rect;
        window.id = id;
        return window;
    }
};

// Private messages the target's windows of its own class ("OrvexTargetWindow") answer: the echo
// message with the lParam it came with, the identity message with the receiving window's handle.
constexpr UINT kTargetEchoMessage = WM_APP + 2;
constexpr UINT kTargetIdentityMessage = WM_APP + 3;

// The helper target's builds: this test's width, or the 32-bit one made from the same sources.
enum class TargetWidth { Native, ThirtyTwoBit };

// Whether 32-bit programs start here at all: Wine without its 32-bit half has no 32-bit system folder.
bool ThirtyTwoBitProgramsRun();
// Whether the scripts found a kernel that runs no 32-bit programs (they then leave Wine's 32-bit half
// out and say so in ORVEX_KERNEL_WITHOUT_32BIT): the one reason a test of 32-bit programs may skip.
bool KernelRunsNoThirtyTwoBitPrograms();

} // namespace harness

// Ends the calling test unless 32-bit programs run: skipped on a kernel without 32-bit support,
// failed anywhere else, where a missing 32-bit half of Wine is a broken set-up.
#define ORVEX_NEEDS_THIRTY_TWO_BIT_PROGRAMS()                                                              \
    do {                                                                                                   \
        if (!harness::ThirtyTwoBitProgramsRun()) {                                                         \
            if (harness::KernelRunsNoThirtyTwoBitPrograms())                                               \
                GTEST_SKIP() << "this machine's kernel runs no 32-bit programs, so Wine has no 32-bit half"; \
            FAIL() << "Wine's 32-bit half is missing: ./test.sh installs it";                              \
        }                                                                                                  \
    } while (false)

namespace harness {

class TargetProcess {
public:
    explicit TargetProcess(TargetWidth width = TargetWidth::Native);
    TargetProcess(const TargetProcess&) = delete;
    TargetProcess& operator=(const TargetProcess&) = delete;
    ~TargetProcess();

    bool IsRunning() const { return static_cast<bool>(m_process); }
    HANDLE Process() const { return m_process.get(); }
    DWORD ProcessId() const { return m_processId; }

    // Sends one request line (without the newline) and returns the reply line.
    std::string Request(const std::string& line);

    HWND Create(const WindowRequest& window);
    bool Destroy(HWND hwnd);
    bool Show(HWND hwnd, int command);
    bool Enable(HWND hwnd, bool enable);
    bool SetText(HWND hwnd, const std::wstring& text);
    // SetWindowTextA on the target's own thread: the text goes in the system's code page.
    bool SetTextAnsi(HWND hwnd, const std::wstring& text);
    // Has the target's own thread send `hwnd` `message` with `text` as lParam.
    bool SendText(HWND hwnd, UINT message, WPARAM wParam, const std::wstring& text);
    // Registers a class whose window procedure is ANSI (RegisterClassExA), for Create.
    bool RegisterAnsiClass(const std::wstring& className);
    bool SetEllipticRegion(HWND hwnd, const RECT& bounds);
    // Has the target send `hwnd`, a window of its own class, WM_SETTEXT pointing at memory that is
    // not there; the window answers TRUE without reading it. False when the target did not answer.
    bool SetTextFromNowhere(HWND hwnd);
    // Replies, then keeps the target's user-interface thread from pumping messages for `ms`.
    bool Hang(DWORD ms);
    // Has the target's user-interface thread send `hwnd`, a window of its own class made by Create,
    // the echo message `count` times; paced to `perSecond` a second unless 0, and then cut short
    // when count / perSecond seconds are up.
    struct SelfSends {
        long long micros = -1; // as the target measured them; -1 when a send went wrong
        unsigned long long count = 0;
    };
    SelfSends SelfSend(HWND hwnd, unsigned count, unsigned perSecond = 0);

private:
    void Launch();

    std::wstring m_program;
    fw::UniqueProcessHandle m_process;
    fw::UniqueFileHandle m_toTarget;
    fw::UniqueFileHandle m_fromTarget;
    DWORD m_processId = 0;
    std::string m_pending;
};

} // namespace harness
