// The style block of real controls in another process, read through AddStyleRows as Orvex reads
// them: the class picks the tables, the extended-style queries cross the process boundary, and a
// control whose thread stops answering costs a bounded wait instead of a frozen Orvex.
#include "core/RowCollector.h"
#include "harness/RunningOnWine.h"
#include "harness/TargetClient.h"
#include "inspect/StyleRows.h"
#include "inspect/styles/StyleBlock.h"

#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Pairs = std::vector<std::wstring>;

// The shared row collector, with the lookups the style block's expectations read best in.
class StyleRowList : public RowCollector {
public:
    // Index of the first row "NAME" or "NAME=VALUE", or the row count.
    std::size_t IndexOf(const std::wstring& nameOrPair) const {
        auto matches = [&](const Row& row) {
            return row.name == nameOrPair || row.name + L"=" + row.value == nameOrPair;
        };
        return static_cast<std::size_t>(std::find_if(rows.begin(), rows.end(), matches) - rows.begin());
    }
    bool Has(const std::wstring& nameOrPair) const { return IndexOf(nameOrPair) < rows.size(); }
    const Row& At(const std::wstring& nameOrPair) const { return rows.at(IndexOf(nameOrPair)); }

    // "NAME=VALUE" of the indented rows under a header, up to the next header.
    std::vector<std::wstring> Beneath(const std::wstring& header) const {
        std::vector<std::wstring> pairs;
        for (std::size_t i = IndexOf(header) + 1;
             i < rows.size() && (rows[i].kind == KIND_WINDOW_FLAG || rows[i].kind == KIND_CLASS_FLAG); ++i)
            pairs.push_back(rows[i].name + L"=" + rows[i].value);
        return pairs;
    }
};

StyleRowList StyleRowsOf(HWND hwnd, BOOL summary = FALSE) {
    StyleRowList list;
    AddStyleRows(list, WindowFacts::Read(hwnd), summary);
    return list;
}

class StyleRowsOfTarget : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.IsRunning());
        harness::WindowRequest frame;
        frame.rect = {50, 50, 650, 500};
        m_frame = target.Create(frame);
        ASSERT_NE(m_frame, nullptr);
    }

    // A child control, or an owned popup when `style` says so.
    HWND Control(const std::wstring& className, DWORD style) {
        harness::WindowRequest control;
        control.className = className;
        control.style = style;
        control.parent = m_frame;
        control.rect = {10, 10, 310, 210};
        control.id = 100;
        return target.Create(control);
    }

    harness::TargetProcess target;

private:
    HWND m_frame = nullptr;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct ClassCase {
    const wchar_t* className;
    DWORD style;
    const wchar_t* expected; // a row only this class's table produces
};

constexpr ClassCase kClassCases[] = {
    {L"#32770", kChild | DS_CONTROL, L"DS_CONTROL=0x00000400"},
    {L"SysHeader32", kChild | HDS_BUTTONS, L"HDS_BUTTONS=0x00000002"},
    {L"ToolbarWindow32", kChild | TBSTYLE_FLAT | CCS_NODIVIDER, L"TBSTYLE_FLAT=0x00000800"},
    {L"ReBarWindow32", kChild | RBS_VARHEIGHT, L"RBS_VARHEIGHT=0x00000200"},
    {L"tooltips_class32", WS_POPUP | TTS_NOPREFIX, L"TTS_NOPREFIX=0x00000002"},
    {L"msctls_statusbar32", kChild | SBARS_SIZEGRIP, L"SBARS_SIZEGRIP=0x00000100"},
    {L"msctls_trackbar32", kChild | TBS_VERT, L"TBS_RIGHT=0x00000000"},
    {L"msctls_updown32", kChild | UDS_ARROWKEYS, L"UDS_ARROWKEYS=0x00000020"},
    {L"msctls_progress32", kChild | PBS_SMOOTH, L"PBS_SMOOTH=0x00000001"},
    {L"SysListView32", kChild | LVS_REPORT, L"LVS_REPORT=0x00000001"},
    {L"SysTreeView32", kChild | TVS_HASLINES, L"TVS_HASLINES=0x00000002"},
    {L"ComboBoxEx32", kChild | CBS_DROPDOWNLIST, L"CBS_DROPDOWNLIST=0x00000003"},
    {L"SysTabControl32", kChild | TCS_MULTILINE, L"TCS_RIGHTJUSTIFY=0x00000000"},
    {L"SysAnimate32", kChild | ACS_CENTER, L"ACS_CENTER=0x00000001"},
    {L"SysMonthCal32", kChild | MCS_WEEKNUMBERS, L"MCS_WEEKNUMBERS=0x00000004"},
    {L"SysDateTimePick32", kChild | DTS_TIMEFORMAT, L"DTS_TIMEFORMAT=0x00000009"},
    {L"SysPager", kChild | PGS_HORZ, L"PGS_HORZ=0x00000001"},
    {L"SysLink", kChild | LWS_TRANSPARENT, L"LWS_TRANSPARENT=0x00000001"},
    {L"Button", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, L"BS_AUTOCHECKBOX=0x00000003"},
    {L"Static", kChild | SS_BITMAP, L"SS_BITMAP=0x0000000E"},
    {L"Edit", kChild | ES_RIGHT, L"ES_RIGHT=0x00000002"},
    {L"ListBox", kChild | LBS_NOTIFY, L"LBS_NOTIFY=0x00000001"},
    {L"ComboBox", kChild | CBS_DROPDOWN, L"CBS_DROPDOWN=0x00000002"},
    {L"ScrollBar", kChild | SBS_VERT, L"SBS_VERT=0x00000001"},
    {L"RICHEDIT50W", kChild | ES_MULTILINE, L"ES_MULTILINE=0x00000004"},
    {L"RichEdit20A", kChild | ES_MULTILINE, L"ES_MULTILINE=0x00000004"},
    {L"RICHEDIT", kChild | ES_MULTILINE, L"ES_MULTILINE=0x00000004"},
    {L"RichEdit20W", kChild | ES_MULTILINE, L"ES_MULTILINE=0x00000004"},
};

TEST_F(StyleRowsOfTarget, EveryRecognisedClassShowsItsOwnRowsUnderTheWindowStyles) {
    for (const ClassCase& c : kClassCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.className)));
        HWND control = Control(c.className, c.style);
        ASSERT_NE(control, nullptr);
        StyleRowList list = StyleRowsOf(control);
        wchar_t style[16];
        swprintf(style, 16, L"0x%08X", static_cast<unsigned>(::GetWindowLongPtrW(control, GWL_STYLE)));
        ASSERT_EQ(list.IndexOf(std::wstring(L"Window Styles=") + style), 0u);
        EXPECT_EQ(list.rows[0].kind, KIND_WINDOW_STYLES);
        const Pairs beneath = list.Beneath(L"Window Styles");
        ASSERT_NE(std::find(beneath.begin(), beneath.end(), c.expected), beneath.end());
        EXPECT_EQ(list.At(c.expected).kind, KIND_CLASS_FLAG);
        const bool richEdit = _wcsnicmp(c.className, L"RichEdit", 8) == 0;
        EXPECT_EQ(list.Has(L"Edit Styles"), richEdit);
    }
}

TEST_F(StyleRowsOfTarget, ClassOutsideTheTableLeavesItsLowWordToOneLeftoverRow) {
    HWND hwnd = Control(L"OrvexTargetWindow", kChild | 0x0C05);
    ASSERT_NE(hwnd, nullptr);
    StyleRowList list = StyleRowsOf(hwnd);
    EXPECT_EQ(list.Beneath(L"Window Styles"),
              (Pairs{L"WS_CHILD=0x40000000", L"WS_VISIBLE=0x10000000", L"<Unknow>=0x00000C05"}));
    EXPECT_FALSE(list.Has(L"Control Extended Styles"));
}

// The block the pure style rules give for the words the window system reports of `hwnd`, with
// `extended` as the answer to the control's query.
StyleRowList ExpectedBlock(HWND hwnd, std::uint32_t extended) {
    wchar_t className[256] = {};
    ::GetClassNameW(hwnd, className, 256);
    orvex::StyleWords words;
    words.style = static_cast<std::uint32_t>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    words.exStyle = static_cast<std::uint32_t>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    words.className = className;
    StyleRowList list;
    orvex::AddStyleBlock(list, GROUP_STYLES, words, [extended](std::uint32_t) { return extended; });
    return list;
}

TEST_F(StyleRowsOfTarget, ExtendedStyleQueriesAreAnsweredAcrossProcesses) {
    struct QueryCase {
        const wchar_t* className;
        UINT setMessage;
        DWORD extended;
    };
    const QueryCase cases[] = {
        {L"SysListView32", LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT},
        {L"SysListView32", LVM_SETEXTENDEDLISTVIEWSTYLE, 0},
        {L"ToolbarWindow32", TB_SETEXTENDEDSTYLE, TBSTYLE_EX_DRAWDDARROWS},
        {L"ComboBoxEx32", CBEM_SETEXTENDEDSTYLE, CBES_EX_NOEDITIMAGE},
        {L"SysTabControl32", TCM_SETEXTENDEDSTYLE, TCS_EX_FLATSEPARATORS},
    };
    for (const QueryCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.className)));
        HWND control = Control(c.className, kChild);
        ASSERT_NE(control, nullptr);
        // No pointer travels with these messages, so the test may send them across the boundary.
        ::SendMessageW(control, c.setMessage, 0, static_cast<LPARAM>(c.extended));
        EXPECT_EQ(StyleRowsOf(control).rows, ExpectedBlock(control, c.extended).rows);
    }
}

TEST_F(StyleRowsOfTarget, TreeViewExtendedStyleIsAnsweredAcrossProcesses) {
    HWND tree = Control(L"SysTreeView32", kChild);
    ASSERT_NE(tree, nullptr);
    ::SendMessageW(tree, TVM_SETEXTENDEDSTYLE, TVS_EX_DOUBLEBUFFER, TVS_EX_DOUBLEBUFFER);
    StyleRowList list = StyleRowsOf(tree);
    // Wine 8's tree view keeps no extended style and answers 0: the header alone, as for any 0.
    if (harness::RunningOnWine()) {
        EXPECT_EQ(list.rows.back().name + L"=" + list.rows.back().value,
                  L"Control Extended Styles=0x00000000");
        return;
    }
    EXPECT_TRUE(list.Has(L"Control Extended Styles=0x00000004"));
    EXPECT_EQ(list.Beneath(L"Control Extended Styles"), (Pairs{L"TVS_EX_DOUBLEBUFFER=0x00000004"}));
}

// Keeps a tree view's extended style as Windows' tree view does. Wine 8's keeps none and answers
// both messages with 0, in its own process too; with this in front, the query Orvex sends is what
// decides the row.
LRESULT CALLBACK KeepTreeExtendedStyle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto& kept = *reinterpret_cast<DWORD*>(data);
    if (message == TVM_SETEXTENDEDSTYLE) {
        const auto mask = static_cast<DWORD>(wParam);
        kept = (kept & ~mask) | (static_cast<DWORD>(lParam) & mask);
        return S_OK;
    }
    if (message == TVM_GETEXTENDEDSTYLE)
        return kept;
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

TEST(StyleRows, TreeViewExtendedStyleIsAskedWithItsOwnQuery) {
    HWND tree = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(tree, nullptr);
    DWORD kept = 0;
    ASSERT_TRUE(::SetWindowSubclass(tree, &KeepTreeExtendedStyle, 1, reinterpret_cast<DWORD_PTR>(&kept)));
    ::SendMessageW(tree, TVM_SETEXTENDEDSTYLE, TVS_EX_DOUBLEBUFFER, TVS_EX_DOUBLEBUFFER);
    StyleRowList list = StyleRowsOf(tree);
    ::DestroyWindow(tree);
    EXPECT_TRUE(list.Has(L"Control Extended Styles=0x00000004"));
    EXPECT_EQ(list.Beneath(L"Control Extended Styles"), (Pairs{L"TVS_EX_DOUBLEBUFFER=0x00000004"}));
}

TEST_F(StyleRowsOfTarget, RichEditEditStylesAreAnsweredAcrossProcesses) {
    HWND richEdit = Control(L"RichEdit20W", kChild | ES_MULTILINE);
    ASSERT_NE(richEdit, nullptr);
    ::SendMessageW(richEdit, EM_SETEDITSTYLE, SES_EMULATESYSEDIT, SES_EMULATESYSEDIT);
    StyleRowList list = StyleRowsOf(richEdit);
    // Wine 8's rich edit answers EM_GETEDITSTYLE with 0 across processes: the header alone.
    if (harness::RunningOnWine()) {
        EXPECT_EQ(list.At(L"Edit Styles").value, L"0x00000000");
        EXPECT_TRUE(list.Beneath(L"Edit Styles").empty());
        return;
    }
    EXPECT_TRUE(list.Has(L"SES_EMULATESYSEDIT=0x00000001"));
}

TEST_F(StyleRowsOfTarget, SummaryAndDetailGiveIdenticalRowsInTheirOwnGroups) {
    HWND listView = Control(L"SysListView32", kChild | LVS_REPORT | LVS_SHOWSELALWAYS);
    ASSERT_NE(listView, nullptr);
    ::SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_CHECKBOXES);
    StyleRowList detail = StyleRowsOf(listView, FALSE);
    StyleRowList summary = StyleRowsOf(listView, TRUE);
    ASSERT_EQ(detail.rows.size(), summary.rows.size());
    for (std::size_t i = 0; i < detail.rows.size(); ++i) {
        EXPECT_EQ(detail.rows[i].name + detail.rows[i].value, summary.rows[i].name + summary.rows[i].value);
        EXPECT_EQ(detail.rows[i].kind, summary.rows[i].kind);
        EXPECT_EQ(detail.rows[i].group, GROUP_STYLES);
        EXPECT_EQ(summary.rows[i].group, GROUP_SUMMARY);
    }
}

TEST_F(StyleRowsOfTarget, HungTargetCostsOneShortWaitAndShowsNotAvailable) {
    HWND listView = Control(L"SysListView32", kChild | LVS_REPORT);
    HWND richEdit = Control(L"RichEdit20W", kChild | ES_MULTILINE);
    ASSERT_TRUE(listView && richEdit);
    ASSERT_TRUE(target.Hang(2500));

    const ULONGLONG start = ::GetTickCount64();
    StyleRowList listRows = StyleRowsOf(listView);
    StyleRowList editRows = StyleRowsOf(richEdit);
    // Each block waits one time-out at most; the bound leaves room for a slow machine but not for
    // waiting on the target.
    EXPECT_LT(::GetTickCount64() - start, 1500u);

    EXPECT_TRUE(listRows.Has(L"LVS_REPORT"));
    EXPECT_EQ(listRows.rows.size() - 1, listRows.IndexOf(L"Control Extended Styles=<n/a>"));
    EXPECT_EQ(listRows.rows.back().kind, KIND_TEXT);
    EXPECT_EQ(editRows.At(L"Edit Styles=<n/a>").kind, KIND_TEXT);
    EXPECT_TRUE(editRows.Beneath(L"Edit Styles").empty());
    EXPECT_TRUE(editRows.Has(L"Control Extended Styles=<n/a>"));
}

} // namespace
