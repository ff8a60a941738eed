// The whole style block of a window from its words and class name: the order of its headers,
// name rows and leftover rows, which class picks which tables, and how query answers (and the
// lack of one) are shown.
#include "inspect/styles/StyleBlock.h"
#include "inspect/styles/StyleClasses.h"

#include "core/RowCollector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using Pairs = std::vector<std::wstring>;

// A window whose style queries answer from a map, remembering what it was asked and when.
struct FakeWindow {
    std::map<std::uint32_t, std::optional<std::uint32_t>> answers;
    std::vector<std::uint32_t> asked;
    std::vector<std::size_t> rowsWhenAsked;
    RowCollector sink;

    void List(std::uint32_t style, std::uint32_t exStyle, std::optional<std::wstring_view> className,
              int group = GROUP_STYLES) {
        orvex::StyleWords words{style, exStyle, className};
        orvex::AddStyleBlock(
            sink, group, words, [this](std::uint32_t message) -> std::optional<std::uint32_t> {
                asked.push_back(message);
                rowsWhenAsked.push_back(sink.rows.size());
                auto found = answers.find(message);
                return found == answers.end() ? std::optional<std::uint32_t>(0) : found->second;
            });
    }

    std::size_t IndexOf(const std::wstring& name) const {
        auto names = sink.Names();
        return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
    }
};

constexpr std::uint32_t kLvmGetExtendedListViewStyle = 0x1037;
constexpr std::uint32_t kEmGetEditStyle = 0x04CD;
constexpr std::uint32_t kEmGetEditStyleEx = 0x0514;

TEST(StyleBlock, VisibleTopLevelWindowOfAnUnknownClass) {
    FakeWindow window;
    window.List(0x14CF0000, 0x00000100, L"SomeAppFrame");
    EXPECT_EQ(window.sink.Pairs(),
              (Pairs{L"Window Styles=0x14CF0000", L"WS_OVERLAPPED=0x00000000", L"WS_VISIBLE=0x10000000",
                     L"WS_CLIPSIBLINGS=0x04000000", L"WS_BORDER=0x00800000", L"WS_DLGFRAME=0x00400000",
                     L"WS_SYSMENU=0x00080000", L"WS_THICKFRAME=0x00040000", L"WS_MINIMIZEBOX=0x00020000",
                     L"WS_MAXIMIZEBOX=0x00010000", L"Window Extended Styles=0x00000100",
                     L"WS_EX_WINDOWEDGE=0x00000100", L"WS_EX_LEFT=0x00000000", L"WS_EX_LTRREADING=0x00000000",
                     L"WS_EX_RIGHTSCROLLBAR=0x00000000"}));
    const auto& rows = window.sink.rows;
    EXPECT_EQ(rows.front().kind, KIND_WINDOW_STYLES);
    EXPECT_EQ(rows[1].kind, KIND_WINDOW_FLAG);
    EXPECT_EQ(rows[10].kind, KIND_EXTENDED_STYLES);
    EXPECT_EQ(rows.back().kind, KIND_WINDOW_FLAG);
    EXPECT_TRUE(window.asked.empty());
}

TEST(StyleBlock, UnknownOrUnreadableClassLeavesTheLowWordInOneLeftoverRow) {
    for (std::optional<std::wstring_view> className :
         {std::optional<std::wstring_view>(L"Button1"), std::optional<std::wstring_view>()}) {
        FakeWindow window;
        window.List(0x10000C05, 0, className);
        Pairs pairs = window.sink.Pairs();
        EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 5),
                  (Pairs{L"Window Styles=0x10000C05", L"WS_OVERLAPPED=0x00000000", L"WS_VISIBLE=0x10000000",
                         L"<Unknow>=0x00000C05", L"Window Extended Styles=0x00000000"}));
        EXPECT_EQ(window.sink.rows[3].kind, KIND_CLASS_FLAG);
        EXPECT_EQ(window.IndexOf(L"Control Extended Styles"), pairs.size());
        EXPECT_TRUE(window.asked.empty());
    }
}

TEST(StyleBlock, ButtonChildShowsItsOwnRowsAndNoLeftover) {
    FakeWindow window;
    window.List(0x50010001, 0, L"BUTTON");
    Pairs pairs = window.sink.Pairs();
    EXPECT_EQ(Pairs(pairs.begin(), pairs.begin() + 7),
              (Pairs{L"Window Styles=0x50010001", L"WS_CHILD=0x40000000", L"WS_VISIBLE=0x10000000",
                     L"WS_TABSTOP=0x00010000", L"BS_DEFPUSHBUTTON=0x00000001", L"BS_TEXT=0x00000000",
                     L"Window Extended Styles=0x00000000"}));
    EXPECT_EQ(window.sink.rows[4].kind, KIND_CLASS_FLAG);
    EXPECT_EQ(window.IndexOf(L"<Unknow>"), pairs.size());
}

TEST(StyleClasses, WholeNamesMatchWithoutCaseOnlyForLettersAToZ) {
    ASSERT_NE(orvex::FindStyleClass(L"BUTTON"), nullptr);
    EXPECT_EQ(orvex::FindStyleClass(L"button"), orvex::FindStyleClass(L"BUTTON"));
    EXPECT_EQ(orvex::FindStyleClass(L"Button"), orvex::FindStyleClass(L"BUTTON"));
    EXPECT_EQ(orvex::FindStyleClass(L"Button1"), nullptr);
    EXPECT_EQ(orvex::FindStyleClass(L"BUTTO"), nullptr);
    EXPECT_EQ(orvex::FindStyleClass(L""), nullptr);
    EXPECT_EQ(orvex::FindStyleClass(L"syslistview32"), orvex::FindStyleClass(L"SysListView32"));
    // A capital dotted I folds to 'i' in some locales; the run-time's default comparison does not.
    EXPECT_EQ(orvex::FindStyleClass(L"L\u0130STBOX"), nullptr);
}

TEST(StyleClasses, TwentyEightDistinctClassesEachFoundByItsOwnName) {
    auto classes = orvex::StyleClasses();
    EXPECT_EQ(classes.size(), 28u);
    for (const orvex::StyleClass& entry : classes) {
        EXPECT_EQ(orvex::FindStyleClass(entry.className), &entry)
            << "shadowed: " << testing::PrintToString(std::wstring(entry.className));
        EXPECT_NE(entry.controlTable, nullptr);
        EXPECT_EQ(entry.extendedQuery == 0, entry.extendedTable == nullptr);
    }
}

TEST(StyleBlock, ListViewExtendedStylesAreAskedForBeforeAnyExtendedRowAndShownLast) {
    FakeWindow window;
    window.answers[kLvmGetExtendedListViewStyle] = 0x24000021;
    window.List(0x50010001, 0x200, L"SysListView32");
    ASSERT_EQ(window.asked, (std::vector<std::uint32_t>{kLvmGetExtendedListViewStyle}));
    EXPECT_LE(window.rowsWhenAsked[0], window.IndexOf(L"Window Extended Styles"));
    Pairs pairs = window.sink.Pairs();
    EXPECT_EQ(Pairs(pairs.end() - 4, pairs.end()),
              (Pairs{L"Control Extended Styles=0x24000021", L"LVS_EX_GRIDLINES=0x00000001",
                     L"LVS_EX_FULLROWSELECT=0x00000020", L"<Unknow>=0x24000000"}));
    EXPECT_EQ(window.sink.rows[window.IndexOf(L"Control Extended Styles")].kind, KIND_NUMBER);
}

TEST(StyleBlock, ZeroExtendedStyleStillShowsItsHeaderAndNothingBeneath) {
    FakeWindow window;
    window.List(0x50010001, 0, L"SysListView32");
    EXPECT_EQ(window.sink.Pairs().back(), L"Control Extended Styles=0x00000000");
    EXPECT_EQ(window.sink.rows.back().kind, KIND_NUMBER);
}

TEST(StyleBlock, RichEditLeftoverComesBeforeItsEditStylesAndOnlyOnce) {
    FakeWindow window;
    window.answers[kEmGetEditStyle] = 0x40000001;
    window.answers[kEmGetEditStyleEx] = 0x00000004;
    window.List(0x5001C044, 0, L"RichEdit20W");
    EXPECT_EQ(window.asked, (std::vector<std::uint32_t>{kEmGetEditStyle, kEmGetEditStyleEx}));
    Pairs pairs = window.sink.Pairs();
    const std::size_t edit = window.IndexOf(L"Edit Styles");
    ASSERT_LT(edit, pairs.size());
    EXPECT_EQ(
        Pairs(pairs.begin() + static_cast<std::ptrdiff_t>(edit) - 4,
              pairs.begin() + static_cast<std::ptrdiff_t>(edit) + 5),
        (Pairs{L"ES_LEFT=0x00000000", L"ES_MULTILINE=0x00000004", L"ES_AUTOVSCROLL=0x00000040",
               L"<Unknow>=0x0000C000", L"Edit Styles=0x40000001", L"SES_EMULATESYSEDIT=0x00000001",
               L"<Unknow>=0x40000000", L"Window Extended Styles=0x00000000", L"WS_EX_LEFT=0x00000000"}));
    EXPECT_EQ(window.sink.rows[edit].kind, KIND_NUMBER);
    EXPECT_EQ(std::count_if(pairs.begin(), pairs.end(),
                            [](const std::wstring& p) { return p.starts_with(L"<Unknow>"); }),
              2);
    EXPECT_EQ(Pairs(pairs.end() - 2, pairs.end()),
              (Pairs{L"Control Extended Styles=0x00000004", L"SES_EX_NOTABLE=0x00000004"}));
}

TEST(StyleBlock, UnansweredQueryShowsNotAvailableAndTheWindowIsNotAskedAgain) {
    FakeWindow listView;
    listView.answers[kLvmGetExtendedListViewStyle] = std::nullopt;
    listView.List(0x50010001, 0, L"SysListView32");
    EXPECT_EQ(listView.sink.Pairs().back(), L"Control Extended Styles=<n/a>");
    EXPECT_EQ(listView.sink.rows.back().kind, KIND_TEXT);

    FakeWindow richEdit;
    richEdit.answers[kEmGetEditStyle] = std::nullopt;
    richEdit.answers[kEmGetEditStyleEx] = 0x4;
    richEdit.List(0x50008000, 0, L"RICHEDIT50W");
    EXPECT_EQ(richEdit.asked, (std::vector<std::uint32_t>{kEmGetEditStyle}));
    Pairs pairs = richEdit.sink.Pairs();
    const std::size_t edit = richEdit.IndexOf(L"Edit Styles");
    ASSERT_LT(edit + 1, pairs.size());
    EXPECT_EQ(pairs[edit - 1], L"<Unknow>=0x00008000");
    EXPECT_EQ(pairs[edit], L"Edit Styles=<n/a>");
    EXPECT_EQ(richEdit.sink.rows[edit].kind, KIND_TEXT);
    EXPECT_EQ(pairs[edit + 1], L"Window Extended Styles=0x00000000");
    EXPECT_EQ(pairs.back(), L"Control Extended Styles=<n/a>");
}

TEST(StyleBlock, SummaryAndDetailGiveTheSameRowsInTheirOwnGroup) {
    FakeWindow detail, summary;
    for (FakeWindow* window : {&detail, &summary})
        window->answers[kEmGetEditStyle] = 0x00000100;
    detail.List(0x5021C0C4, 0x00020204, L"RichEdit20W", GROUP_STYLES);
    summary.List(0x5021C0C4, 0x00020204, L"RichEdit20W", GROUP_SUMMARY);
    EXPECT_EQ(detail.sink.Pairs(), summary.sink.Pairs());
    ASSERT_EQ(detail.sink.rows.size(), summary.sink.rows.size());
    for (std::size_t i = 0; i < detail.sink.rows.size(); ++i) {
        EXPECT_EQ(detail.sink.rows[i].kind, summary.sink.rows[i].kind);
        EXPECT_EQ(detail.sink.rows[i].group, GROUP_STYLES);
        EXPECT_EQ(summary.sink.rows[i].group, GROUP_SUMMARY);
    }
}

} // namespace
