#include "msglog/HookHost.h"

#include <array>
#include <vector>

namespace {

// A cold start of the first 32-bit program under Wine takes a few seconds; a request takes
// milliseconds, so its bound only matters for a host that hangs.
constexpr DWORD kStartBoundMs = 15000;
constexpr DWORD kRequestBoundMs = 3000;

bool MakePipe(fw::UniqueFileHandle& read, fw::UniqueFileHandle& write) {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE r = nullptr, w = nullptr;
    if (!::CreatePipe(&r, &w, &inheritable, 0))
        return false;
    read.reset(r);
    write.reset(w);
    return true;
}

} // namespace

std::unique_ptr<HookHost> HookHost::Start(const std::wstring& hostPath, const std::wstring& libraryPath,
                                          Failure& failure, DWORD& error) {
    failure = Failure::CannotStart;
    error = ERROR_SUCCESS;
    std::unique_ptr<HookHost> host(new HookHost);
    fw::UniqueFileHandle hostIn, hostOut;
    HANDLE self = nullptr;
    if (!MakePipe(hostIn, host->m_toHost) || !MakePipe(host->m_fromHost, hostOut) ||
        !::SetHandleInformation(host->m_toHost.get(), HANDLE_FLAG_INHERIT, 0) ||
        !::SetHandleInformation(host->m_fromHost.get(), HANDLE_FLAG_INHERIT, 0) ||
        !::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentProcess(), ::GetCurrentProcess(), &self,
                           SYNCHRONIZE, TRUE, 0)) {
        error = ::GetLastError();
        return nullptr;
    }
    fw::UniqueProcessHandle ownHandle(self);

    // Only the channel's two ends and Orvex's handle go to the host, whatever else is inheritable.
    std::array<HANDLE, 3> inherited{hostIn.get(), hostOut.get(), self};
    SIZE_T listSize = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &listSize);
    std::vector<std::byte> listBytes(listSize);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listBytes.data());
    const bool listed = ::InitializeProcThreadAttributeList(list, 1, 0, &listSize) &&
                        ::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                                    inherited.data(), sizeof(inherited), nullptr, nullptr);
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof(startup);
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.StartupInfo.hStdInput = hostIn.get();
    startup.StartupInfo.hStdOutput = hostOut.get();
    startup.lpAttributeList = listed ? list : nullptr;
    std::wstring commandLine = L"\"" + hostPath + L"\" " + std::to_wstring(reinterpret_cast<UINT_PTR>(self)) +
                               L" \"" + libraryPath + L"\"";
    PROCESS_INFORMATION started{};
    const BOOL created = ::CreateProcessW(hostPath.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                          CREATE_NO_WINDOW | (listed ? EXTENDED_STARTUPINFO_PRESENT : 0),
                                          nullptr, nullptr, &startup.StartupInfo, &started);
    error = created ? ERROR_SUCCESS : ::GetLastError();
    if (listed)
        ::DeleteProcThreadAttributeList(list);
    if (!created)
        return nullptr;
    ::CloseHandle(started.hThread);
    host->m_process.reset(started.hProcess);
    // The host holds its ends now: a host that ends breaks the pipes at once.
    hostIn.reset();
    hostOut.reset();

    const auto ready = host->Receive(kStartBoundMs, failure);
    if (!ready)
        return nullptr;
    if (ready->command != orvex::HostCommand::Ready) {
        failure = Failure::Malformed;
        return nullptr;
    }
    if (ready->result != ERROR_SUCCESS) {
        failure = Failure::CannotStart;
        error = ready->result;
        return nullptr;
    }
    failure = Failure::None;
    return host;
}

HookHost::~HookHost() {
    // Closing the channel ends the host, and its hooks with it.
    m_toHost.reset();
    m_fromHost.reset();
}

bool HookHost::Running() const {
    return !m_broken && m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

bool HookHost::Send(orvex::HostCommand command, DWORD threadId, std::uint32_t argument) {
    const auto bytes = orvex::EncodeHostMessage(command, threadId, argument);
    DWORD written = 0;
    return ::WriteFile(m_toHost.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::optional<orvex::HostMessage> HookHost::Receive(DWORD boundMs, Failure& failure) {
    failure = Failure::NoAnswer;
    const ULONGLONG until = ::GetTickCount64() + boundMs;
    // An anonymous pipe cannot be read with a time-out: look until the whole message is there.
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(m_fromHost.get(), nullptr, 0, nullptr, &available, nullptr))
            return std::nullopt; // the host has gone
        if (available >= orvex::kHostMessageSize)
            break;
        if (::GetTickCount64() >= until)
            return std::nullopt;
        ::Sleep(1);
    }
    std::array<std::byte, orvex::kHostMessageSize> bytes{};
    DWORD got = 0;
    if (!::ReadFile(m_fromHost.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) ||
        got != bytes.size())
        return std::nullopt;
    const auto message = orvex::DecodeHostMessage(bytes);
    failure = message ? Failure::None : Failure::Malformed;
    m_broken = m_broken || !message;
    return message;
}

DWORD HookHost::Hook(DWORD threadId, std::uint32_t variant, Failure& failure) {
    failure = Failure::NoAnswer;
    if (!Send(orvex::HostCommand::Hook, threadId, variant))
        return ERROR_BROKEN_PIPE;
    const auto reply = Receive(kRequestBoundMs, failure);
    if (!reply)
        return ERROR_BROKEN_PIPE;
    if (reply->command != orvex::HostCommand::Hook || reply->threadId != threadId) {
        failure = Failure::Malformed;
        m_broken = true;
        return ERROR_INVALID_DATA;
    }
    return reply->result;
}

void HookHost::Unhook(DWORD threadId) {
    Failure failure = Failure::None;
    if (Send(orvex::HostCommand::Unhook, threadId))
        Receive(kRequestBoundMs, failure);
}
