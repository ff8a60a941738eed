#include "harness/TargetClient.h"

#include "harness/ExternalProcess.h"

#include <cstdio>
#include <cstdlib>

namespace harness {

namespace {
std::string Narrow(const std::wstring& text) {
    if (text.empty())
        return {};
    int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                          nullptr, nullptr);
    return narrow;
}

std::string Hex(unsigned long long value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%llX", value);
    return text;
}

std::string HexHandle(HWND hwnd) {
    return Hex(reinterpret_cast<UINT_PTR>(hwnd));
}

bool IsOk(const std::string& reply) {
    return reply.rfind("ok", 0) == 0;
}
} // namespace

bool ThirtyTwoBitProgramsRun() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemWow64DirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const std::wstring kernel = std::wstring(folder) + L"\\kernel32.dll";
    return ::GetFileAttributesW(kernel.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool KernelRunsNoThirtyTwoBitPrograms() {
    wchar_t value[8] = {};
    return ::GetEnvironmentVariableW(L"ORVEX_KERNEL_WITHOUT_32BIT", value, 8) > 0 && value[0] == L'1';
}

TargetProcess::TargetProcess(TargetWidth width)
    : m_program(width == TargetWidth::ThirtyTwoBit ? L"orvex_target32.exe" : L"orvex_target.exe") {
    // A start now and then fails to answer on a busy machine; one more start settles it.
    for (int attempt = 0; attempt < 2 && !m_process; ++attempt)
        Launch();
}

void TargetProcess::Launch() {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE childIn = nullptr, toTarget = nullptr, fromTarget = nullptr, childOut = nullptr;
    if (!::CreatePipe(&childIn, &toTarget, &inherit, 0))
        return;
    fw::UniqueFileHandle childInOwner(childIn);
    m_toTarget.reset(toTarget);
    if (!::CreatePipe(&fromTarget, &childOut, &inherit, 0))
        return;
    fw::UniqueFileHandle childOutOwner(childOut);
    m_fromTarget.reset(fromTarget);
    ::SetHandleInformation(toTarget, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(fromTarget, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = childIn;
    startup.hStdOutput = childOut;
    startup.hStdError = childOut;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + BinaryDirectory() + m_program + L"\"";
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &info))
        return;
    m_process.reset(info.hProcess);
    m_processId = info.dwProcessId;
    ::CloseHandle(info.hThread);
    if (Request("ping") != "ok") {
        ::TerminateProcess(m_process.get(), 1);
        m_process.reset();
        m_toTarget.reset();
        m_fromTarget.reset();
        m_pending.clear();
    }
}

TargetProcess::~TargetProcess() {
    if (!m_process)
        return;
    Request("quit");
    if (::WaitForSingleObject(m_process.get(), 5000) != WAIT_OBJECT_0)
        ::TerminateProcess(m_process.get(), 1);
}

std::string TargetProcess::Request(const std::string& line) {
    if (!m_toTarget || !m_fromTarget)
        return "error no-target";
    std::string request = line + "\n";
    DWORD written = 0;
    if (!::WriteFile(m_toTarget.get(), request.data(), static_cast<DWORD>(request.size()), &written, nullptr))
        return "error write";
    for (;;) {
        size_t newline = m_pending.find('\n');
        if (newline != std::string::npos) {
            std::string reply = m_pending.substr(0, newline);
            m_pending.erase(0, newline + 1);
            if (!reply.empty() && reply.back() == '\r')
                reply.pop_back();
            return reply;
        }
        char buffer[512];
        DWORD got = 0;
        if (!::ReadFile(m_fromTarget.get(), buffer, sizeof(buffer), &got, nullptr) || got == 0)
            return "error read";
        m_pending.append(buffer, got);
    }
}

HWND TargetProcess::Create(const WindowRequest& window) {
    std::string line = (window.ownThread ? "threadcreate\t" : "create\t") + Narrow(window.className) + "\t" +
                       Hex(window.style) + "\t" + Hex(window.exStyle) + "\t" + HexHandle(window.parent) +
                       "\t" + Hex(static_cast<unsigned>(window.rect.left)) + "\t" +
                       Hex(static_cast<unsigned>(window.rect.top)) + "\t" +
                       Hex(static_cast<unsigned>(window.rect.right - window.rect.left)) + "\t" +
                       Hex(static_cast<unsigned>(window.rect.bottom - window.rect.top)) + "\t" +
                       Hex(window.id) + "\t" + Narrow(window.text);
    std::string reply = Request(line);
    if (!IsOk(reply) || reply.size() < 4)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(reply.c_str() + 3, nullptr, 16)));
}

bool TargetProcess::Destroy(HWND hwnd) {
    return IsOk(Request("destroy\t" + HexHandle(hwnd)));
}

bool TargetProcess::Show(HWND hwnd, int command) {
    return IsOk(Request("show\t" + HexHandle(hwnd) + "\t" + Hex(static_cast<unsigned>(command))));
}

bool TargetProcess::Enable(HWND hwnd, bool enable) {
    return IsOk(Request("enable\t" + HexHandle(hwnd) + "\t" + (enable ? "1" : "0")));
}

bool TargetProcess::SetEllipticRegion(HWND hwnd, const RECT& bounds) {
    return IsOk(Request("region\t" + HexHandle(hwnd) + "\t" + Hex(static_cast<unsigned>(bounds.left)) + "\t" +
                        Hex(static_cast<unsigned>(bounds.top)) + "\t" +
                        Hex(static_cast<unsigned>(bounds.right)) + "\t" +
                        Hex(static_cast<unsigned>(bounds.bottom))));
}

bool TargetProcess::SetText(HWND hwnd, const std::wstring& text) {
    return IsOk(Request("settext\t" + HexHandle(hwnd) + "\t" + Narrow(text)));
}

bool TargetProcess::SetTextAnsi(HWND hwnd, const std::wstring& text) {
    return IsOk(Request("settexta\t" + HexHandle(hwnd) + "\t" + Narrow(text)));
}

bool TargetProcess::SendText(HWND hwnd, UINT message, WPARAM wParam, const std::wstring& text) {
    return IsOk(Request("sendtext\t" + HexHandle(hwnd) + "\t" + Hex(message) + "\t" +
                        Hex(static_cast<unsigned long long>(wParam)) + "\t" + Narrow(text)));
}

bool TargetProcess::RegisterAnsiClass(const std::wstring& className) {
    return Request("ansiclass\t" + Narrow(className)).rfind("ok", 0) == 0;
}

bool TargetProcess::SetTextFromNowhere(HWND hwnd) {
    return IsOk(Request("badsettext\t" + HexHandle(hwnd)));
}

bool TargetProcess::Hang(DWORD ms) {
    return IsOk(Request("hang\t" + Hex(ms)));
}

TargetProcess::SelfSends TargetProcess::SelfSend(HWND hwnd, unsigned count, unsigned perSecond) {
    std::string line = "selfsend\t" + Hex(count) + "\t" + HexHandle(hwnd);
    if (perSecond != 0) {
        line += '\t';
        line += Hex(perSecond);
    }
    const std::string reply = Request(line);
    SelfSends sends;
    if (!IsOk(reply) || reply.size() < 4)
        return sends;
    char* end = nullptr;
    sends.micros = static_cast<long long>(std::strtoull(reply.c_str() + 3, &end, 16));
    sends.count = std::strtoull(end, nullptr, 16);
    return sends;
}

} // namespace harness
