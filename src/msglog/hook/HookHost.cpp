// The host of the 32-bit hook library: a 64-bit Orvex cannot load a 32-bit library to hand the
// window system its hooks, so this small 32-bit program does it for Orvex. Orvex starts it once,
// with the pipes of the channel as its standard input and output, a handle of Orvex's own process
// and the path of the hook library it has checked:
//     OrvexHookHost32-<hash>.exe <Orvex's process handle> <hook library>
// It answers each request in order (msglog/HookHostChannel.h) and ends when Orvex closes the channel,
// when Orvex's process ends however it ends, or at a broken message stream. Its hooks go with it,
// so a killed Orvex never leaves a 32-bit program hooked.

#include "msglog/HookHostChannel.h"
#include "msglog/HookProcedures.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <cwchar>
#include <vector>

namespace {

struct HookedThread {
    DWORD threadId = 0;
    HANDLE thread = nullptr; // to notice that the thread has ended
    HHOOK hooks[3] = {};
};

constexpr int kHookKinds[] = {WH_CALLWNDPROC, WH_CALLWNDPROCRET, WH_GETMESSAGE};

HMODULE g_library = nullptr;
std::vector<HookedThread> g_threads;

void Unhook(HookedThread& hooked) {
    for (HHOOK& hook : hooked.hooks)
        if (hook) {
            ::UnhookWindowsHookEx(hook);
            hook = nullptr;
        }
    if (hooked.thread)
        ::CloseHandle(hooked.thread);
    hooked.thread = nullptr;
}

// Threads that have ended take their hooks with them; their entries go.
void ForgetEndedThreads() {
    for (auto it = g_threads.begin(); it != g_threads.end();) {
        if (it->thread && ::WaitForSingleObject(it->thread, 0) == WAIT_OBJECT_0) {
            Unhook(*it);
            it = g_threads.erase(it);
        } else {
            ++it;
        }
    }
}

DWORD HookThread(DWORD threadId, std::uint32_t variant) {
    for (const HookedThread& hooked : g_threads)
        if (hooked.threadId == threadId)
            return ERROR_ALREADY_EXISTS;
    HookedThread hooked;
    hooked.threadId = threadId;
    hooked.thread = ::OpenThread(SYNCHRONIZE, FALSE, threadId);
    for (int i = 0; i < 3; ++i) {
        const auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(
            g_library, orvex::HookProcedureName(static_cast<orvex::HookChain>(i), variant).c_str())));
        hooked.hooks[i] = proc ? ::SetWindowsHookExW(kHookKinds[i], proc, g_library, threadId) : nullptr;
        if (!hooked.hooks[i]) {
            const DWORD error = ::GetLastError();
            Unhook(hooked);
            return error ? error : ERROR_INVALID_FUNCTION;
        }
    }
    g_threads.push_back(hooked);
    return ERROR_SUCCESS;
}

void UnhookThread(DWORD threadId) {
    for (auto it = g_threads.begin(); it != g_threads.end(); ++it)
        if (it->threadId == threadId) {
            Unhook(*it);
            g_threads.erase(it);
            return;
        }
}

bool ReadWhole(HANDLE in, std::byte* to, DWORD size) {
    DWORD done = 0;
    while (done < size) {
        DWORD got = 0;
        if (!::ReadFile(in, to + done, size - done, &got, nullptr) || got == 0)
            return false;
        done += got;
    }
    return true;
}

bool Reply(HANDLE out, orvex::HostCommand command, DWORD threadId, DWORD result) {
    const auto bytes = orvex::EncodeHostMessage(command, threadId, result);
    DWORD written = 0;
    return ::WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

DWORD WINAPI EndWithOrvex(void* orvex) {
    ::WaitForSingleObject(static_cast<HANDLE>(orvex), INFINITE);
    ::ExitProcess(0);
}

DWORD LoadHookLibrary(const wchar_t* path) {
    g_library = ::LoadLibraryW(path);
    return g_library ? ERROR_SUCCESS : ::GetLastError();
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (!arguments || count != 3 || !in || !out || in == INVALID_HANDLE_VALUE || out == INVALID_HANDLE_VALUE)
        return 2;
    // The handle was inherited from Orvex under this value.
    const auto orvex =
        reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(std::wcstoul(arguments[1], nullptr, 10)));
    HANDLE watcher = ::CreateThread(nullptr, 0, &EndWithOrvex, orvex, 0, nullptr);
    if (!watcher)
        return 3;
    ::CloseHandle(watcher);
    const DWORD loaded = LoadHookLibrary(arguments[2]);
    if (!Reply(out, orvex::HostCommand::Ready, 0, loaded) || loaded != ERROR_SUCCESS)
        return 4;
    std::byte bytes[orvex::kHostMessageSize];
    while (ReadWhole(in, bytes, sizeof(bytes))) {
        ForgetEndedThreads();
        const auto request = orvex::DecodeHostMessage(bytes);
        bool replied = false;
        if (request && request->command == orvex::HostCommand::Hook && request->result < orvex::kHookVariants)
            replied = Reply(out, request->command, request->threadId,
                            HookThread(request->threadId, request->result));
        else if (request && request->command == orvex::HostCommand::Unhook) {
            UnhookThread(request->threadId);
            replied = Reply(out, request->command, request->threadId, ERROR_SUCCESS);
        } else {
            replied = Reply(out, orvex::HostCommand::Refused, 0, ERROR_INVALID_DATA);
        }
        if (!replied)
            break;
    }
    // The channel is closed or broken: Orvex is done with us.
    for (HookedThread& hooked : g_threads)
        Unhook(hooked);
    return 0;
}
