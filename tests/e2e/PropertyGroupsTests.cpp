// The Detail listing of a foreign control, picked with the hot key and read back from Orvex's list:
// its General, Class and Process rows.
#include "common/ValueFormat.h"
#include "harness/OrvexSession.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "inspect/ClassStyleNames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::wstring>;

// The names and values of the rows from the one called `first` to the one called `last`.
std::vector<harness::ListRow> Block(const std::vector<harness::ListRow>& rows, const wchar_t* first,
                                    const wchar_t* last) {
    auto begin = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.name == first; });
    auto end = std::find_if(begin, rows.end(), [&](const auto& row) { return row.name == last; });
    return end == rows.end() ? std::vector<harness::ListRow>{}
                             : std::vector<harness::ListRow>(begin, end + 1);
}

Names NamesOf(const std::vector<harness::ListRow>& rows) {
    Names names;
    for (const auto& row : rows)
        names.push_back(row.name);
    return names;
}

TEST(PropertyGroups, DetailListingOfAForeignControl) {
    harness::ClearOrvexSettings();
    ASSERT_TRUE(harness::WriteRegistryDword(L"Settings", L"ViewMode", 1));
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND parent = target.Create(harness::WindowRequest::Frame(L"Detail target", {700, 150, 1100, 550}));
    HWND control = target.Create(harness::WindowRequest::Child(parent, L"Button", L"Target button",
                                                               BS_PUSHBUTTON, {20, 30, 220, 80}, 7));
    ASSERT_TRUE(parent && control);

    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    RECT rect{};
    ::GetWindowRect(control, &rect);
    harness::xdo::MoveTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    harness::xdo::Key(L"F9");
    const std::wstring handle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(control));
    std::vector<harness::ListRow> rows;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            rows = orvex.PropertyRows();
            return harness::ValueOf(rows, L"Handle") == handle &&
                   !Block(rows, L"Process ID", L"Image Path").empty();
        },
        10000))
        << "the hot key over the foreign button lists it in full";

    const auto general = Block(rows, L"Handle", L"User Data");
    EXPECT_EQ(NamesOf(general),
              (Names{L"Handle", L"Text", L"Window Rect", L"Position in Parent", L"Client Rect",
                     L"Window Proc", L"Unicode", L"Instance Handle", L"Control ID", L"User Data"}));
    EXPECT_EQ(harness::ValueOf(general, L"Text"), L"Target button");
    EXPECT_EQ(harness::ValueOf(general, L"Position in Parent"), L"(20, 30) - (220, 80)");
    EXPECT_EQ(harness::ValueOf(general, L"Client Rect"), L"(0, 0) - (200, 50) 200x50");
    EXPECT_EQ(harness::ValueOf(general, L"Control ID"), L"0x00000007");

    const auto classRows = Block(rows, L"Name", L"Background Brush");
    Names classNames{L"Name", L"Window Proc", L"Instance Handle", L"Styles"};
    const auto classStyle = static_cast<std::uint32_t>(::GetClassLongPtrW(control, GCL_STYLE));
    for (const auto& bit : orvex::ClassStyleTable()) {
        if (classStyle & bit.value)
            classNames.emplace_back(bit.name);
    }
    for (const wchar_t* name : {L"Class Atom", L"Class Bytes", L"Window Bytes", L"Menu Name", L"Icon Handle",
                                L"Cursor Handle", L"Background Brush"})
        classNames.emplace_back(name);
    EXPECT_EQ(NamesOf(classRows), classNames);
    EXPECT_EQ(harness::ValueOf(classRows, L"Name"), L"Button");
    EXPECT_EQ(harness::ValueOf(classRows, L"Styles"), orvex::FormatHex32(classStyle));

    const auto process = Block(rows, L"Process ID", L"Image Path");
    EXPECT_EQ(harness::ValueOf(process, L"Process ID"), std::to_wstring(target.ProcessId()));
    EXPECT_EQ(harness::ValueOf(process, L"Thread ID"),
              std::to_wstring(::GetWindowThreadProcessId(control, nullptr)));
    EXPECT_EQ(::_wcsicmp(harness::ValueOf(process, L"Image Path").c_str(),
                         (harness::BinaryDirectory() + L"orvex_target.exe").c_str()),
              0);
    EXPECT_TRUE(orvex.Close());
}

} // namespace
