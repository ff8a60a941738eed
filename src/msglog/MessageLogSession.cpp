#include "msglog/MessageLogSession.h"

#include "inspect/WindowFacts.h"
#include "msglog/HookProcedures.h"
#include "msglog/PrivateObjects.h"
#include "process/ProcessReach.h"
#include "process/ProcessImage.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

// The threads owning `target` and, for the wider scope, every window below it. Children made
// later on another thread are not covered.
std::set<DWORD> ThreadsInScope(HWND target, orvex::LogScope scope) {
    std::set<DWORD> threads{::GetWindowThreadProcessId(target, nullptr)};
    if (scope == orvex::LogScope::WindowAndChildren) {
        ::EnumChildWindows(
            target,
            [](HWND child, LPARAM found) -> BOOL {
                reinterpret_cast<std::set<DWORD>*>(found)->insert(::GetWindowThreadProcessId(child, nullptr));
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&threads));
    }
    threads.erase(0);
    return threads;
}

MessageLogSession::Refusal ReachOf(DWORD processId) {
    switch (ProcessReach(processId)) {
    case orvex::Reach::Elevated:
        return MessageLogSession::Refusal::Elevated;
    case orvex::Reach::LowIntegrity:
        return MessageLogSession::Refusal::LowIntegrity;
    case orvex::Reach::AppContainer:
        return MessageLogSession::Refusal::AppContainer;
    case orvex::Reach::Reachable:
        break;
    }
    return MessageLogSession::Refusal::None;
}

// The 32-bit files and the host that hooks with them: written, checked and started once per Orvex
// (not per target or session), and started again only when the host has ended.
struct ThirtyTwoBitHooks {
    std::unique_ptr<HookLibraryFile> library;
    std::unique_ptr<HookLibraryFile> hostFile;
    std::shared_ptr<HookHost> host;
};

ThirtyTwoBitHooks& TheThirtyTwoBitHooks() {
    static ThirtyTwoBitHooks hooks;
    return hooks;
}

std::shared_ptr<HookHost> RunningHost(MessageLogSession::Refusal& refusal) {
    ThirtyTwoBitHooks& hooks = TheThirtyTwoBitHooks();
    if (hooks.host && hooks.host->Running())
        return hooks.host;
    hooks.host.reset();
    const auto write = [](std::unique_ptr<HookLibraryFile>& file, orvex::HookFile kind) {
        if (!file || file->status() != HookLibraryFile::Status::Ready)
            file = std::make_unique<HookLibraryFile>(HookLibraryFile::LibraryResource(kind),
                                                     HookLibraryFile::UserFolder(), kind);
        return file->status() == HookLibraryFile::Status::Ready;
    };
    if (!write(hooks.library, orvex::HookFile::Library32) ||
        !write(hooks.hostFile, orvex::HookFile::Host32)) {
        refusal = MessageLogSession::Refusal::NoLibrary;
        return nullptr;
    }
    HookHost::Failure failure = HookHost::Failure::None;
    DWORD error = ERROR_SUCCESS;
    hooks.host = HookHost::Start(hooks.hostFile->path(), hooks.library->path(), failure, error);
    if (!hooks.host)
        refusal = MessageLogSession::Refusal::HostFailed;
    return hooks.host;
}

// A mapping of a thread's name that is there already: its log has ended when it was closed, or
// when the Orvex that made it ended without closing it, and the hook library in the program still
// holds it (the window system called no hook there since). It is then taken over, and the copy of
// the hook procedures that log used is given, for the new log to hook with another. Nothing for
// another's live log, or for what is not a log at all.
std::optional<std::uint32_t> EndedLogVariant(void* view, std::size_t size) {
    const orvex::LogControl* control = orvex::FindLogControl(view, size);
    if (!control)
        return std::nullopt;
    const std::uint32_t variant = control->hookVariant.load();
    if (variant >= orvex::kHookVariants)
        return std::nullopt;
    if (control->open.load() == 0)
        return variant;
    fw::UniqueProcessHandle owner(::OpenProcess(SYNCHRONIZE, FALSE, control->ownerProcessId.load()));
    const bool ended = owner ? ::WaitForSingleObject(owner.get(), 0) == WAIT_OBJECT_0
                             : ::GetLastError() == ERROR_INVALID_PARAMETER;
    return ended ? std::optional<std::uint32_t>(variant) : std::nullopt;
}

std::uint64_t NewSessionNumber() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 40) ^
           static_cast<std::uint64_t>(now.QuadPart);
}

} // namespace

struct MessageLogSession::ThreadLog {
    DWORD threadId = 0;
    fw::UniqueFileHandle mapping;
    fw::UniqueMappedView view;
    std::vector<fw::UniqueHook> hooks;
    std::shared_ptr<HookHost> host; // holds the hooks instead, for a 32-bit program
    orvex::RingReader reader;
    orvex::LogMappingFacts facts; // what Orvex wrote there, to tell damage by
    bool damaged = false;

    orvex::LogControl& Control() const { return *static_cast<orvex::LogControl*>(view.get()); }

    ~ThreadLog() {
        hooks.clear(); // first: no hook writes once the mapping says it is closed
        if (host)
            host->Unhook(threadId);
        if (view)
            Control().open.store(0, std::memory_order_release);
    }
};

MessageLogSession::MessageLogSession() = default;

MessageLogSession::~MessageLogSession() {
    End();
}

MessageLogSession::Refusal MessageLogSession::Begin(HWND target, orvex::LogScope scope,
                                                    const orvex::MessageFilter& filter) {
    End();
    if (!target || !::IsWindow(target))
        return Refusal::NotAWindow;
    if (IsOwnProcessWindow(target))
        return Refusal::OwnWindow;
    const DWORD processId = WindowProcessId(target);
    if (const Refusal reach = ReachOf(processId); reach != Refusal::None)
        return reach;
    m_thirtyTwoBit = IsThirtyTwoBitProcess(processId);
    Refusal refusal = Refusal::None;
    if (m_thirtyTwoBit)
        m_host = RunningHost(refusal);
    else
        refusal = LoadHookLibrary();
    if (refusal != Refusal::None)
        return refusal;
    m_session = NewSessionNumber();
    m_filter = filter;
    m_renewedCounts = {};
    for (DWORD threadId : ThreadsInScope(target, scope)) {
        const Refusal refusal = HookThread(threadId, target, scope);
        if (refusal != Refusal::None) {
            End();
            return refusal;
        }
    }
    return Refusal::None;
}

MessageLogSession::Refusal MessageLogSession::LoadHookLibrary() {
    if (m_library)
        return Refusal::None;
    m_file =
        std::make_unique<HookLibraryFile>(HookLibraryFile::LibraryResource(), HookLibraryFile::UserFolder());
    if (m_file->status() != HookLibraryFile::Status::Ready)
        return Refusal::NoLibrary;
    m_library.reset(::LoadLibraryW(m_file->path().c_str()));
    return m_library ? Refusal::None : Refusal::NoLibrary;
}

MessageLogSession::Refusal MessageLogSession::HookThread(DWORD threadId, HWND target, orvex::LogScope scope) {
    auto log = std::make_unique<ThreadLog>();
    log->threadId = threadId;
    const std::size_t size = orvex::LogMappingSize();
    const std::wstring name = orvex::LogMappingName(threadId);
    PrivateObjectSecurity security;
    HANDLE mapping = ::CreateFileMappingW(INVALID_HANDLE_VALUE, security.Attributes(), PAGE_READWRITE, 0,
                                          static_cast<DWORD>(size), name.c_str());
    const DWORD created = ::GetLastError();
    log->mapping.reset(mapping);
    if (!log->mapping)
        return Refusal::CannotHook;
    log->view.reset(::MapViewOfFile(log->mapping.get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, size));
    if (!log->view)
        return created == ERROR_ALREADY_EXISTS ? Refusal::AlreadyLogged : Refusal::CannotHook;
    std::uint32_t taken = orvex::kHookVariants;
    if (created == ERROR_ALREADY_EXISTS) {
        const std::optional<std::uint32_t> ended = EndedLogVariant(log->view.get(), size);
        if (!ended)
            return Refusal::AlreadyLogged;
        taken = *ended;
    }
    const std::uint32_t variant =
        orvex::ChooseHookVariant(OrvexLogKey() ^ m_session ^ threadId * 0x9E3779B97F4A7C15ull, taken);
    log->facts.scope = scope;
    log->facts.target = reinterpret_cast<UINT_PTR>(target);
    log->facts.owner = {::GetCurrentProcessId(), OrvexLogKey(), variant};
    if (!LayOut(*log))
        return Refusal::CannotHook;
    if (m_thirtyTwoBit) {
        HookHost::Failure failure = HookHost::Failure::None;
        const DWORD hooked = m_host->Hook(threadId, variant, failure);
        if (failure != HookHost::Failure::None)
            return Refusal::HostFailed;
        if (hooked != ERROR_SUCCESS)
            return hooked == ERROR_ACCESS_DENIED ? Refusal::CannotReach : Refusal::CannotHook;
        log->host = m_host;
        m_threads.push_back(std::move(log));
        return Refusal::None;
    }
    const std::pair<int, orvex::HookChain> kinds[] = {
        {WH_CALLWNDPROC, orvex::HookChain::Sent},
        {WH_CALLWNDPROCRET, orvex::HookChain::Returned},
        {WH_GETMESSAGE, orvex::HookChain::Posted},
    };
    for (const auto& [kind, chain] : kinds) {
        const auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
            ::GetProcAddress(m_library.get(), orvex::HookProcedureName(chain, variant).c_str())));
        HHOOK hook = proc ? ::SetWindowsHookExW(kind, proc, m_library.get(), threadId) : nullptr;
        if (!hook)
            return ::GetLastError() == ERROR_ACCESS_DENIED ? Refusal::CannotReach : Refusal::CannotHook;
        log->hooks.emplace_back(hook);
    }
    m_threads.push_back(std::move(log));
    return Refusal::None;
}

// The control block and an empty ring of the session now, in the mapping `log` holds.
bool MessageLogSession::LayOut(ThreadLog& log) {
    const std::size_t size = orvex::LogMappingSize();
    log.facts.session = m_session;
    log.facts.heartbeat = ::GetTickCount64();
    log.damaged = !orvex::InitializeLogMapping(log.view.get(), size, m_session, log.facts.scope,
                                               log.facts.target, log.facts.heartbeat, log.facts.owner) ||
                  log.reader.Attach(static_cast<std::byte*>(log.view.get()) + orvex::kLogRingOffset,
                                    size - orvex::kLogRingOffset, m_session) != orvex::RingCheck::Ok;
    if (!log.damaged)
        orvex::WriteLogFilter(log.Control(), m_filter);
    return !log.damaged;
}

void MessageLogSession::End() {
    m_threads.clear();
    m_batches.clear();
    m_host.reset();
}

void MessageLogSession::SetFilter(const orvex::MessageFilter& filter) {
    m_filter = filter;
    for (const auto& log : m_threads)
        orvex::WriteLogFilter(log->Control(), filter);
}

size_t MessageLogSession::Drain(const RecordSink& sink, const LossSink& lost) {
    const std::uint64_t now = ::GetTickCount64();
    m_batches.resize(m_threads.size());
    for (size_t i = 0; i < m_threads.size(); ++i) {
        ThreadLog& log = *m_threads[i];
        orvex::ThreadBatch& batch = m_batches[i];
        batch.Clear();
        if (log.damaged || !orvex::LogMappingIntact(log.view.get(), orvex::LogMappingSize(), log.facts)) {
            log.damaged = true; // what it holds now is nobody's to believe
            continue;
        }
        log.reader.Drain(
            [&](const orvex::RingRecord& record) {
                std::span<const std::byte> payload;
                if (const auto message = orvex::ReadMessageRecord(record.payload, &payload))
                    batch.AddMessage(*message, payload);
                else
                    ++m_rejectedRecords;
            },
            [&](std::uint64_t count) { batch.AddLoss(count); });
        log.damaged = log.reader.Stalled();
        log.Control().heartbeat.store(now, std::memory_order_relaxed);
        log.facts.heartbeat = now;
    }
    size_t delivered = 0;
    for (const orvex::MergedEntry& at : orvex::MergeByTime(m_batches)) {
        const orvex::ThreadBatch& batch = m_batches[at.batch];
        const orvex::DrainedEntry& entry = batch.Entries()[at.index];
        if (entry.lost != 0) {
            if (lost)
                lost(entry.lost);
        } else {
            sink(entry.record, batch.Payload(entry));
            ++delivered;
        }
    }
    return delivered;
}

bool MessageLogSession::Damaged() const {
    return std::any_of(m_threads.begin(), m_threads.end(), [](const auto& log) { return log->damaged; });
}

void MessageLogSession::Renew() {
    m_session = NewSessionNumber();
    for (const auto& log : m_threads) {
        if (!log->damaged)
            continue;
        const orvex::RingCounts ring = log->reader.Counts();
        m_renewedCounts.seen += ring.read;
        m_renewedCounts.dropped += ring.dropped + ring.abandoned;
        m_renewedCounts.rejected += ring.rejected;
        LayOut(*log); // fails only as Begin would have: it stays damaged, to be tried again
    }
}

MessageLogSession::Counts MessageLogSession::GetCounts() const {
    Counts counts = m_renewedCounts;
    counts.rejected += m_rejectedRecords;
    for (const auto& log : m_threads) {
        const orvex::RingCounts ring = log->reader.Counts();
        counts.seen += ring.read;
        counts.dropped += ring.dropped + ring.abandoned;
        counts.rejected += ring.rejected;
    }
    return counts;
}
