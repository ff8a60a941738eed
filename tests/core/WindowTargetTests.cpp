// The one-line window target: handles, screen points and criteria, where a bad one goes wrong, and
// which windows criteria accept.
#include "find/WindowTarget.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using orvex::TargetCriteria;
using orvex::TargetError;
using orvex::WindowTarget;

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text)
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

WindowTarget Handle(std::uint64_t handle) {
    WindowTarget target;
    target.kind = WindowTarget::Kind::Handle;
    target.handle = handle;
    return target;
}

WindowTarget Point(int x, int y) {
    WindowTarget target;
    target.kind = WindowTarget::Kind::Point;
    target.x = x;
    target.y = y;
    return target;
}

WindowTarget Criteria(TargetCriteria criteria) {
    WindowTarget target;
    target.criteria = std::move(criteria);
    return target;
}

TEST(WindowTarget, ReadsHandlesPointsAndCriteria) {
    TargetCriteria full;
    full.className = L"Edit";
    full.text = L"Untitled";
    full.processId = 1234;
    full.processName = L"notepad.exe";
    full.visibleOnly = true;
    full.topLevelOnly = true;
    TargetCriteria escaped;
    escaped.text = L" a,b\\c ";
    escaped.topLevelOnly = true;
    TargetCriteria spaced;
    spaced.className = L"Edit ";
    spaced.processId = 0x1A;
    spaced.visibleOnly = true;
    TargetCriteria byId;
    byId.className = L"Button";
    byId.controlId = 0x1F;

    struct Case {
        const wchar_t* text;
        WindowTarget target;
    };
    const Case cases[] = {
        {L"0x1A2B", Handle(0x1A2B)},
        {L"  0X1a2b\t", Handle(0x1A2B)},
        {L"6699", Handle(6699)},
        {L"0xFFFFFFFFFFFFFFFF", Handle(0xFFFFFFFFFFFFFFFF)},
        {L"18446744073709551615", Handle(0xFFFFFFFFFFFFFFFF)},
        {L"@-1200,40", Point(-1200, 40)},
        {L"@ 3 , -4 ", Point(3, -4)},
        {L"@-2147483648,2147483647", Point(-2147483647 - 1, 2147483647)},
        {L"class=Edit,text=Untitled,pid=1234,process=notepad.exe,visible,top", Criteria(full)},
        {L"TOP, Visible ,Process=notepad.exe,PID=1234,Text=Untitled,cLaSs=Edit", Criteria(full)},
        {L"text= a\\,b\\\\c ,top ", Criteria(escaped)}, // spaces inside a value are kept
        {L"class=Edit , pid=0x1a, visible", Criteria(spaced)},
        {L"class=Button,ID=0x1f", Criteria(byId)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        const auto parsed = orvex::ParseWindowTarget(c.text);
        ASSERT_TRUE(std::holds_alternative<WindowTarget>(parsed))
            << Narrow(std::get<TargetError>(parsed).message);
        EXPECT_EQ(std::get<WindowTarget>(parsed), c.target);
    }
}

TEST(WindowTarget, PointsAtWhatIsWrong) {
    struct Case {
        const wchar_t* text;
        std::size_t position;
        const wchar_t* words;
    };
    const Case cases[] = {
        {L"   ", 3, L"empty"},
        {L"0x", 2, L"window handle"},
        {L"12ab", 2, L"window handle"},
        {L"0x10000000000000000", 0, L"64 bits"},
        {L"18446744073709551616", 0, L"64 bits"},
        {L"@", 1, L"'@' needs two numbers: @X,Y"},
        {L"@10", 3, L"@X,Y"},
        {L"@10,20,30", 6, L"@X,Y"},
        {L"@1,-", 4, L"@X,Y"},
        {L"@2147483648,0", 1, L"32 bits"},
        {L"klass=Edit", 0, L"unknown criterion 'klass' at 0"},
        {L"class=Edit, tex=a", 12, L"unknown criterion 'tex'"},
        {L"class=Edit,", 11, L"missing"},
        {L",visible", 0, L"missing"},
        {L"class=Edit,CLASS=Button", 11, L"'class' is given twice"},
        {L"class", 5, L"'class' needs a value"},
        {L"text=", 5, L"'text' needs a value"},
        {L"visible=1", 7, L"'visible' takes no value"},
        {L"visible top", 8, L"comma"},
        {L"pid=12x", 4, L"'pid' needs a number"},
        {L"pid=4294967296", 4, L"'pid' needs a number"},
        {L"id=-1", 3, L"'id' needs a number"},
        {L"text=a\\b", 6, L"a backslash must be followed by ',' or '\\'"},
        {L"text=a\\", 6, L"backslash"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        const auto parsed = orvex::ParseWindowTarget(c.text);
        ASSERT_TRUE(std::holds_alternative<TargetError>(parsed));
        const TargetError& error = std::get<TargetError>(parsed);
        EXPECT_EQ(error.position, c.position) << Narrow(error.message);
        EXPECT_NE(error.message.find(c.words), std::wstring::npos) << Narrow(error.message);
    }
}

// ASCII and Latin-1 letters, so that a fold beyond ASCII is seen to be used.
wchar_t LatinUpper(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<wchar_t>(c - 0x20);
    return c;
}

TEST(WindowTarget, CriteriaAcceptOnlyWindowsMeetingEveryOne) {
    orvex::CandidateWindow window;
    window.className = L"Edit";
    window.text = L"Bericht \x00E4nderung.txt - Editor";
    window.processId = 1234;
    window.processName = L"notepad.exe";
    window.visible = true;
    window.topLevel = false;

    const auto meets = [&](const wchar_t* target) {
        const auto parsed = orvex::ParseWindowTarget(target);
        return orvex::MeetsCriteria(std::get<WindowTarget>(parsed).criteria, window, &LatinUpper);
    };
    EXPECT_TRUE(meets(L"class=EDIT,text=\x00C4NDERUNG,pid=1234,process=NotePad.EXE,visible"));
    EXPECT_TRUE(meets(L"text=- editor"));
    EXPECT_FALSE(meets(L"class=Edi"));   // the whole class name
    EXPECT_FALSE(meets(L"class=Edit2")); // nor more
    EXPECT_FALSE(meets(L"text=anderung"));
    EXPECT_FALSE(meets(L"text=Editor and more"));
    EXPECT_FALSE(meets(L"pid=1235"));
    EXPECT_FALSE(meets(L"process=notepad"));
    EXPECT_FALSE(meets(L"top"));
    EXPECT_FALSE(meets(L"id=0")); // a window without an id has none, not id 0
    window.controlId = 15;
    EXPECT_TRUE(meets(L"id=15"));
    EXPECT_FALSE(meets(L"id=16"));
    window.visible = false;
    EXPECT_FALSE(meets(L"visible"));
}

} // namespace
