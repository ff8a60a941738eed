// The changes a user types for a window: each form, style names per class with their exclusive
// groups, where bad input goes wrong, and the order in which Undo All puts values back.
#include "change/UndoList.h"
#include "change/WindowChange.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

using orvex::ChangeError;
using orvex::ChangeKind;
using orvex::WindowChange;

WindowChange Parsed(std::wstring_view text, std::wstring_view className = L"") {
    const auto parsed = orvex::ParseWindowChange(text, className);
    const auto* change = std::get_if<WindowChange>(&parsed);
    EXPECT_TRUE(change) << std::string(text.begin(), text.end());
    return change ? *change : WindowChange{};
}

ChangeError Refused(std::wstring_view text, std::wstring_view className = L"") {
    const auto parsed = orvex::ParseWindowChange(text, className);
    const auto* error = std::get_if<ChangeError>(&parsed);
    EXPECT_TRUE(error) << std::string(text.begin(), text.end());
    return error ? *error : ChangeError{};
}

TEST(WindowChange, EachFormReadsAndWritesBack) {
    const WindowChange text = Parsed(L"text=a=b, c ");
    EXPECT_EQ(text.kind, ChangeKind::Text);
    EXPECT_EQ(text.text, L"a=b, c ") << "the rest of the argument, as it stands";
    EXPECT_EQ(Parsed(L"text=").text, L"");

    const WindowChange whole = Parsed(L"style=0x14CF0000");
    EXPECT_EQ(whole.StyleAfter(0x12345678), 0x14CF0000u);
    EXPECT_EQ(Parsed(L"exstyle=+0x8").StyleAfter(1), 9u) << "unnamed bits are typed as numbers";
    EXPECT_EQ(Parsed(L"exstyle=-8").StyleAfter(9), 1u);

    const WindowChange pos = Parsed(L"pos=-5,0x10");
    EXPECT_EQ(pos.kind, ChangeKind::Position);
    EXPECT_EQ(pos.x, -5);
    EXPECT_EQ(pos.y, 16);
    EXPECT_EQ(Parsed(L"size=0xFFFFFFFF,-0x80000000").x, -1) << "32-bit numbers, as the send dialog's";
    EXPECT_EQ(Parsed(L"size=0xFFFFFFFF,-0x80000000").y, INT32_MIN);

    const std::pair<const wchar_t*, ChangeKind> states[] = {
        {L"show", ChangeKind::Show},       {L"HIDE", ChangeKind::Hide},
        {L"enable", ChangeKind::Enable},   {L"disable", ChangeKind::Disable},
        {L"topmost", ChangeKind::TopMost}, {L"notopmost", ChangeKind::NoTopMost},
        {L"close", ChangeKind::Close},
    };
    for (const auto& [word, kind] : states)
        EXPECT_EQ(Parsed(word).kind, kind);

    for (const wchar_t* typed : {L"text=x y", L"style=0x14CF0000", L"exstyle=+0x00000008",
                                 L"style=-0x00000001", L"pos=-5,7", L"size=640,480", L"notopmost", L"close"})
        EXPECT_EQ(orvex::ChangeText(Parsed(typed)), typed);
}

TEST(WindowChange, StyleNamesComeFromTheClassTablesWithTheirGroups) {
    // A general name for any class, case ignored.
    const WindowChange border = Parsed(L"style=+ws_border", L"Edit");
    EXPECT_EQ(border.setBits, 0x00800000u);
    EXPECT_EQ(border.clearBits, 0u);
    EXPECT_EQ(Parsed(L"style=-WS_VISIBLE").clearBits, 0x10000000u);
    EXPECT_EQ(Parsed(L"exstyle=+WS_EX_TOPMOST").setBits, 0x8u);

    // A name of an exclusive group clears the others of its group: alignment, a button's type.
    EXPECT_EQ(Parsed(L"style=+ES_CENTER", L"Edit").StyleAfter(0x50000002), 0x50000001u);
    EXPECT_EQ(Parsed(L"style=+ES_LEFT", L"EDIT").StyleAfter(0x50000006), 0x50000004u);
    EXPECT_EQ(Parsed(L"style=+BS_AUTOCHECKBOX", L"Button").StyleAfter(0x50010001), 0x50010003u);
    EXPECT_EQ(Parsed(L"style=+BS_PUSHBUTTON", L"Button").StyleAfter(0x5001000B), 0x50010000u);
    EXPECT_EQ(Parsed(L"style=+LVS_LIST", L"SysListView32").StyleAfter(0x1), 0x3u);
    EXPECT_EQ(Parsed(L"style=+WS_CHILD").StyleAfter(0x80000000), 0x40000000u) << "the window type";
    // A chained table's names belong to the class too; plain flags stand alone.
    EXPECT_EQ(Parsed(L"style=+CCS_NODIVIDER", L"ToolbarWindow32").setBits, 0x40u);
    EXPECT_EQ(Parsed(L"style=+ES_READONLY", L"Edit").StyleAfter(0x1), 0x801u);

    // Names of another class, or of the other word, are not this window's.
    const ChangeError button = Refused(L"style=+BS_FLAT", L"Edit");
    EXPECT_EQ(button.position, 7u);
    EXPECT_EQ(button.message, L"unknown style name 'BS_FLAT' for class Edit at 7");
    EXPECT_NE(Refused(L"style=+WS_EX_TOPMOST").message.find(L"exstyle="), std::wstring::npos);
    EXPECT_EQ(Refused(L"style=+ES_CENTER", L"").position, 7u) << "no class, no control names";
    EXPECT_EQ(Refused(L"style=-ES_LEFT", L"Edit").position, 7u) << "a name of no bits cannot be cleared";
}

TEST(WindowChange, BadInputSaysWhere) {
    const std::pair<const wchar_t*, std::size_t> bad[] = {
        {L"", 0},                // empty
        {L"colour=red", 0},      // no such change
        {L"show=1", 0},          // a state takes no value
        {L"style=", 6},          // nothing to set
        {L"style=12h", 6},       // not a number, as the send dialog reads one
        {L"style=WS_BORDER", 6}, // a name without + or -
        {L"exstyle=+", 9},       // + alone
        {L"pos=10", 6},          // one number
        {L"pos=x,10", 4},
        {L"size=10,+5", 8}, // a plus sign is no number
        {L"size=10,-", 8},
    };
    for (const auto& [text, position] : bad) {
        const ChangeError error = Refused(text, L"Edit");
        EXPECT_EQ(error.position, position) << std::string(text, text + std::wcslen(text));
        EXPECT_TRUE(error.message.ends_with(L" at " + std::to_wstring(position)));
    }
}

TEST(UndoList, PutsEveryValueBackLatestFirst) {
    const auto value = [](orvex::ChangeProperty property, std::wstring text = {}, std::uint32_t word = 0) {
        orvex::ChangeValue value;
        value.property = property;
        value.text = std::move(text);
        value.word = word;
        value.on = property == orvex::ChangeProperty::Open;
        return value;
    };
    orvex::UndoList undo;
    EXPECT_TRUE(undo.Empty());
    undo.Record(value(orvex::ChangeProperty::Text, L"first"));
    undo.Record(value(orvex::ChangeProperty::Text, L"second"));
    undo.Record(value(orvex::ChangeProperty::Style, {}, 0x14CF0000));
    undo.Record(value(orvex::ChangeProperty::Visible));
    undo.Record(value(orvex::ChangeProperty::Open)); // nothing brings a closed window back

    std::vector<std::wstring> texts;
    for (const WindowChange& change : undo.TakeUndoChanges())
        texts.push_back(orvex::ChangeText(change));
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"hide", L"style=0x14CF0000", L"text=second", L"text=first"}))
        << "the text changed twice ends as it was before the first change";
    EXPECT_TRUE(undo.Empty());
}

TEST(WindowChange, TheToolsShowStateButtonsAreChangesThatUndoPutsBack) {
    for (const auto& [word, kind] :
         {std::pair{L"minimize", ChangeKind::Minimize}, std::pair{L"maximize", ChangeKind::Maximize},
          std::pair{L"restore", ChangeKind::Restore}, std::pair{L"bringtotop", ChangeKind::BringToTop}}) {
        EXPECT_EQ(Parsed(word).kind, kind);
        EXPECT_EQ(orvex::ChangeText(Parsed(word)), word);
    }
    orvex::ChangeValue state;
    state.property = orvex::ChangeProperty::ShowState;
    state.word = orvex::kShownMaximized;
    EXPECT_EQ(orvex::FormatChangeValue(state), L"maximized");
    EXPECT_EQ(orvex::RestoringChange(state)->kind, ChangeKind::Maximize);
    state.word = orvex::kShownNormal;
    EXPECT_EQ(orvex::RestoringChange(state)->kind, ChangeKind::Restore);
    state.property = orvex::ChangeProperty::ZOrder;
    EXPECT_FALSE(orvex::RestoringChange(state)) << "one change does not give a place among siblings back";
}

} // namespace
