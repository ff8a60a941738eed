#include "find/WindowNaming.h"

#include "common/ValueFormat.h"
#include "find/TargetNaming.h"
#include "find/WindowSearch.h"

#include <algorithm>
#include <vector>

std::wstring WindowTargetName(HWND hwnd) {
    // The same walk and the same reads --find makes, so what is unique here is unique there.
    const SearchResult everything = FindWindows(orvex::WindowTarget{});
    std::vector<orvex::CandidateWindow> all;
    all.reserve(everything.matches.size());
    const orvex::CandidateWindow* self = nullptr;
    for (const FoundWindow& found : everything.matches)
        all.push_back(found.facts);
    for (std::size_t i = 0; i < all.size(); ++i)
        if (everything.matches[i].hwnd == hwnd)
            self = &all[i];
    if (self)
        if (auto name = orvex::ShortestUniqueTarget(*self, all, &SystemUpperCase))
            return *name;
    return orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hwnd));
}
