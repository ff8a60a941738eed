#include "find/WindowSearch.h"

#include "common/ScreenHelpers.h"
#include "framework/Handles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <string>
#include <unordered_map>

namespace {

// What one search knows of each process: its image is read once, however many windows it has.
struct ProcessImage {
    std::wstring path;
    std::wstring name;
};

class WindowReader {
public:
    // Reads only what `needed` will compare, so a search over thousands of windows pays for the
    // criteria it has; a window that matches is then read whole.
    void Read(HWND hwnd, const orvex::TargetCriteria& needed, orvex::CandidateWindow& facts) {
        if (needed.className)
            facts.className = ClassName(hwnd);
        if (needed.text)
            facts.text = Text(hwnd);
        if (needed.processId || needed.processName) {
            facts.processId = ProcessId(hwnd);
            if (needed.processName)
                facts.processName = Image(facts.processId).name;
        }
        if (needed.visibleOnly)
            facts.visible = ::IsWindowVisible(hwnd) != FALSE;
    }

    FoundWindow ReadWhole(HWND hwnd, bool topLevel) {
        FoundWindow found;
        found.hwnd = hwnd;
        found.facts.className = ClassName(hwnd);
        found.facts.text = Text(hwnd);
        found.facts.processId = ProcessId(hwnd);
        const ProcessImage& image = Image(found.facts.processId);
        found.facts.processName = image.name;
        found.imagePath = image.path;
        found.facts.visible = ::IsWindowVisible(hwnd) != FALSE;
        found.facts.topLevel = topLevel;
        return found;
    }

private:
    static std::wstring ClassName(HWND hwnd) {
        wchar_t name[257]; // class names are at most 256 characters
        const int length = ::GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
        return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
    }

    // The text the system keeps for the window: GetWindowText would send WM_GETTEXT to a window of
    // another process and wait for its answer.
    static std::wstring Text(HWND hwnd) {
        std::array<wchar_t, 256> first;
        int length = ::InternalGetWindowText(hwnd, first.data(), static_cast<int>(first.size()));
        if (length < static_cast<int>(first.size()) - 1)
            return std::wstring(first.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
        // A text that filled the buffer may go on; the length it has is not known without asking.
        std::wstring text(first.size(), L'\0');
        do {
            text.resize(text.size() * 4);
            length = ::InternalGetWindowText(hwnd, text.data(), static_cast<int>(text.size()));
        } while (length >= static_cast<int>(text.size()) - 1 && text.size() < 0x100000);
        text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        return text;
    }

    static std::uint32_t ProcessId(HWND hwnd) {
        DWORD processId = 0;
        ::GetWindowThreadProcessId(hwnd, &processId);
        return processId;
    }

    const ProcessImage& Image(std::uint32_t processId) {
        auto [entry, added] = m_images.try_emplace(processId);
        if (!added)
            return entry->second;
        // Limited information is all a protected or elevated process grants, and all the path needs.
        fw::UniqueProcessHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
        if (!process)
            return entry->second;
        std::wstring path(MAX_PATH, L'\0');
        for (int attempt = 0; attempt < 3; ++attempt) {
            DWORD length = static_cast<DWORD>(path.size());
            if (::QueryFullProcessImageNameW(process.get(), 0, path.data(), &length)) {
                path.resize(length);
                const std::size_t slash = path.find_last_of(L"\\/");
                entry->second.name = slash == std::wstring::npos ? path : path.substr(slash + 1);
                entry->second.path = std::move(path);
                break;
            }
            if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
                break;
            path.resize(path.size() * 8);
        }
        return entry->second;
    }

    std::unordered_map<std::uint32_t, ProcessImage> m_images;
};

bool Cancelled(const std::atomic<bool>* cancel) {
    return cancel && cancel->load(std::memory_order_relaxed);
}

HWND HandleOf(std::uint64_t value) {
    if constexpr (sizeof(std::uintptr_t) < sizeof(std::uint64_t)) {
        if (value > UINTPTR_MAX)
            return nullptr;
    }
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(value));
}

bool IsTopLevel(HWND hwnd) {
    return ::GetAncestor(hwnd, GA_PARENT) == ::GetDesktopWindow();
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
    try {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        return TRUE;
    } catch (const std::bad_alloc&) {
        return FALSE; // no exception unwinds through the system's frames; the windows so far are searched
    }
}

class CriteriaSearch {
public:
    CriteriaSearch(const orvex::TargetCriteria& criteria, const std::atomic<bool>* cancel)
        : m_criteria(criteria), m_cancel(cancel) {}

    SearchResult Run() {
        std::vector<HWND> topLevel, below;
        ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&topLevel));
        for (HWND top : topLevel) {
            if (!Visit(top, true))
                break;
            if (m_criteria.topLevelOnly)
                continue; // no child window can meet it
            below.clear();
            ::EnumChildWindows(top, &CollectWindow, reinterpret_cast<LPARAM>(&below));
            bool going = true;
            for (HWND child : below)
                if (!(going = Visit(child, false)))
                    break;
            if (!going)
                break;
        }
        return std::move(m_result);
    }

private:
    // False once the search is to stop.
    bool Visit(HWND hwnd, bool topLevel) {
        if (Cancelled(m_cancel)) {
            m_result.cancelled = true;
            return false;
        }
        ++m_result.searched;
        orvex::CandidateWindow facts;
        facts.topLevel = topLevel;
        m_reader.Read(hwnd, m_criteria, facts);
        if (orvex::MeetsCriteria(m_criteria, facts, &SystemUpperCase))
            m_result.matches.push_back(m_reader.ReadWhole(hwnd, topLevel));
        return true;
    }

    const orvex::TargetCriteria& m_criteria;
    const std::atomic<bool>* m_cancel;
    WindowReader m_reader;
    SearchResult m_result;
};

} // namespace

SearchResult FindWindows(const orvex::WindowTarget& target, const std::atomic<bool>* cancel) {
    if (target.kind == orvex::WindowTarget::Kind::Criteria)
        return CriteriaSearch(target.criteria, cancel).Run();
    SearchResult result;
    if (Cancelled(cancel)) {
        result.cancelled = true;
        return result;
    }
    HWND hwnd = target.kind == orvex::WindowTarget::Kind::Handle ? HandleOf(target.handle)
                                                                 : DeepWindowFromPoint(target.x, target.y);
    if (!hwnd || !::IsWindow(hwnd))
        return result;
    result.searched = 1;
    result.matches.push_back(WindowReader().ReadWhole(hwnd, IsTopLevel(hwnd)));
    return result;
}

wchar_t SystemUpperCase(wchar_t unit) {
    // The invariant locale's upper case is the same for every user (a Turkish 'i' still becomes
    // 'I', as in file names), and one table filled by two calls costs less than a call per
    // comparison. Surrogates stay as they are: folding goes by UTF-16 unit, as for file names.
    static const std::array<wchar_t, 0x10000> table = [] {
        std::array<wchar_t, 0x10000> upper{};
        for (std::size_t i = 0; i < upper.size(); ++i)
            upper[i] = static_cast<wchar_t>(i);
        const auto fold = [&](std::size_t first, std::size_t last) {
            const int count = static_cast<int>(last - first + 1);
            std::wstring source(upper.data() + first, static_cast<std::size_t>(count));
            if (::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, source.data(), count,
                                upper.data() + first, count, nullptr, nullptr, 0) != count)
                std::copy(source.begin(), source.end(), upper.begin() + static_cast<std::ptrdiff_t>(first));
        };
        fold(1, 0xD7FF);
        fold(0xE000, 0xFFFF);
        return upper;
    }();
    return table[static_cast<std::uint16_t>(unit)];
}
