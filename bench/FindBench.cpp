// Finding windows by a part of their text among 10,000 windows of the helper target (one hidden
// top-level window holding the rest), over the whole desktop, beside the floor: the same walk with
// each window's text and class name read bare.
#include "BenchSupport.h"

#include "find/WindowSearch.h"
#include "harness/TargetClient.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

void FloorWalk() {
    std::vector<HWND> topLevel, below;
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&topLevel));
    volatile int sink = 0;
    const auto read = [&](HWND hwnd) {
        wchar_t text[256], className[257];
        sink = sink + ::InternalGetWindowText(hwnd, text, 256) + ::GetClassNameW(hwnd, className, 257);
    };
    for (HWND top : topLevel) {
        read(top);
        below.clear();
        ::EnumChildWindows(top, &Collect, reinterpret_cast<LPARAM>(&below));
        for (HWND child : below)
            read(child);
    }
}

HWND MakeWindow(harness::TargetProcess& target, const std::wstring& text, DWORD style, HWND parent, UINT id) {
    harness::WindowRequest request;
    request.className = parent ? L"Static" : L"OrvexTargetWindow";
    request.text = text;
    request.style = style;
    request.parent = parent;
    request.rect = {0, 0, 20, 20};
    request.id = id;
    return target.Create(request);
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    harness::TargetProcess target;
    if (!target.IsRunning()) {
        std::printf("the helper target did not start\n");
        return 1;
    }
    const int count = bench::TinyMode() ? 60 : 10000;
    // A handful of windows carry the text searched for; the rest carry texts of a similar length.
    const std::wstring needle = L"needle " + std::to_wstring(target.ProcessId());
    HWND top = MakeWindow(target, L"haystack", WS_POPUP, nullptr, 0);
    for (int i = 1; i < count; ++i)
        MakeWindow(target, i % 2000 == 1 ? L"a " + needle + L" here" : L"a haystack straw",
                   WS_CHILD | WS_VISIBLE, top, static_cast<UINT>(i));

    orvex::WindowTarget byText;
    byText.criteria.text = needle;
    std::size_t matches = 0;
    FindWindows(byText); // warms up the walk and the upper-case table
    FloorWalk();
    std::vector<double> ours, floor;
    for (int round = 0; round < bench::Rounds(9); ++round) { // taking turns, as in the tree build
        double start = bench::NowMicros();
        matches = FindWindows(byText).matches.size();
        ours.push_back(bench::NowMicros() - start);
        start = bench::NowMicros();
        FloorWalk();
        floor.push_back(bench::NowMicros() - start);
    }
    bench::PrintRow("find, " + bench::Thousands(count) + " windows by text", bench::Summarize(ours),
                    bench::Summarize(floor), 1.2);
    if (matches != static_cast<std::size_t>((count + 1998) / 2000))
        std::printf("the search found %zu windows, not the ones made\n", matches);
    target.Destroy(top);
    return 0;
}
