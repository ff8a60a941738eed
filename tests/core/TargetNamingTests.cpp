// The shortest target that names one window alone: which of class, text, process and id decide.
#include "find/TargetNaming.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using orvex::CandidateWindow;

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 0x20) : c;
}

CandidateWindow Window(const wchar_t* process, const wchar_t* className, const wchar_t* text,
                       std::optional<std::uint32_t> id = std::nullopt) {
    CandidateWindow window;
    window.processName = process;
    window.className = className;
    window.text = text;
    window.controlId = id;
    return window;
}

TEST(TargetNaming, PrefersFewestCriteriaThenFewestCharacters) {
    const std::vector<CandidateWindow> all = {
        Window(L"notepad.exe", L"Notepad", L"a.txt - Notepad"), // 0: its class alone
        Window(L"notepad.exe", L"Edit", L"", 15),               // 1: process and id, shorter than class
        Window(L"calc.exe", L"Edit", L"", 15),                  // 2: likewise
        Window(L"calc.exe", L"Button", L"OK", 1),               // 3: "id=1" is shorter than "text=OK"
        Window(L"calc.exe", L"Button", L"Cancel", 2),           // 4: id=2 is the shortest single
        Window(L"calc.exe", L"Button", L"Cancel, then \\ close  ", 3), // 5: an escaped text
        Window(L"calc.exe", L"Button", L"Cancel", 2),                  // 6: a twin of 4: nothing names it
        Window(L"calc.exe", L"CalcFrame", L"Calculator"),              // 7
        Window(L"paint.exe", L"CalcFrame", L"Calculator"), // 8: only the process tells 7 and 8 apart
    };
    const std::vector<std::optional<std::wstring>> expected = {
        L"class=Notepad",
        L"process=notepad.exe,id=15",
        L"process=calc.exe,id=15",
        L"id=1",
        std::nullopt,
        L"id=3",
        std::nullopt,
        L"process=calc.exe,class=CalcFrame",
        L"process=paint.exe",
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(orvex::ShortestUniqueTarget(all[i], all, &AsciiUpper), expected[i]);
    }
}

TEST(TargetNaming, TextDecidesWithItsEscapesAndWithoutItsTrailingSpaces) {
    const std::vector<CandidateWindow> all = {
        Window(L"app.exe", L"Static", L"Name, or \\ path  "),
        Window(L"app.exe", L"Static", L"Name"),
        Window(L"app.exe", L"Static", L"line\r\nbreak"),
        Window(L"app.exe", L"Static", L"line"),
    };
    EXPECT_EQ(orvex::ShortestUniqueTarget(all[0], all, &AsciiUpper), L"text=Name\\, or \\\\ path");
    // "Name" is a part of the first text too, and a text with a line break is never printed.
    EXPECT_EQ(orvex::ShortestUniqueTarget(all[1], all, &AsciiUpper), std::nullopt);
    EXPECT_EQ(orvex::ShortestUniqueTarget(all[2], all, &AsciiUpper), std::nullopt);
}

} // namespace
