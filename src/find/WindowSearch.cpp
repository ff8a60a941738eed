#include "find/WindowSearch.h"

#include "common/ScreenHelpers.h"
#include "inspect/WindowFacts.h"
#include "process/ProcessImage.h"

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
            facts.className = WindowClassName(hwnd);
        if (needed.text)
            facts.text = WindowTextNoMessage(hwnd);
        if (needed.processId || needed.processName) {
            facts.processId = WindowProcessId(hwnd);
            if (needed.processName)
                facts.processName = Image(facts.processId).name;
        }
        if (needed.visibleOnly)
            facts.visible = ::IsWindowVisible(hwnd) != FALSE;
        if (needed.controlId)
            facts.controlId = ControlId(hwnd);
    }

    FoundWindow ReadWhole(HWND hwnd, bool topLevel) {
        FoundWindow found;
        found.hwnd = hwnd;
        found.facts.className = WindowClassName(hwnd);
        found.facts.text = WindowTextNoMessage(hwnd);
        found.facts.processId = WindowProcessId(hwnd);
        const ProcessImage& image = Image(found.facts.processId);
        found.facts.processName = image.name;
        found.imagePath = image.path;
        found.facts.visible = ::IsWindowVisible(hwnd) != FALSE;
        found.facts.topLevel = topLevel;
        found.facts.controlId = ControlId(hwnd);
        return found;
    }

private:
    // Only a child window's id field holds an id; a top-level window's holds its menu.
    static std::optional<std::uint32_t> ControlId(HWND hwnd) {
        if (!(::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD))
            return std::nullopt;
        return static_cast<std::uint32_t>(::GetWindowLongPtrW(hwnd, GWLP_ID));
    }

    const ProcessImage& Image(std::uint32_t processId) {
        auto [entry, added] = m_images.try_emplace(processId);
        if (added) {
            entry->second.path = ProcessImagePath(processId);
            const std::size_t slash = entry->second.path.find_last_of(L"\\/");
            entry->second.name =
                slash == std::wstring::npos ? entry->second.path : entry->second.path.substr(slash + 1);
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
