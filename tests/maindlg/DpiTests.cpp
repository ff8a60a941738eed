// The main window at another scaling, in the test process: a move to a monitor of another DPI (the
// message Wine never sends, made here), the stored placement read at another DPI, the empty list's
// font, and the name column wide enough for its indented names.
#include "harness/TestText.h"
#include "maindlg/MainDialogFixture.h"

#include <commctrl.h>

namespace {

using maindlg_test::MainDialogTest;
using maindlg_test::ReadProfileDword;
using maindlg_test::WriteProfileBinary;
using maindlg_test::WriteProfileDword;

constexpr wchar_t kSection[] = L"Settings\\WindowPlacement";

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

SIZE PictureSize(const CToolBarCtrl& toolBar) {
    SIZE size{};
    int cx = 0, cy = 0;
    if (::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(toolBar.SendMessage(TB_GETIMAGELIST)), &cx, &cy))
        size = {cx, cy};
    return size;
}

TEST_F(MainDialogTest, AMoveToAMonitorAtTwiceTheScalingTakesTheSuggestedRectangleAndDoublesThePictures) {
    ASSERT_TRUE(OpenDialog());
    const int dpi = Inside().Dpi();
    ASSERT_EQ(dpi, 96) << "the test session runs at 100%";
    EXPECT_EQ(PictureSize(Inside().ViewToolBar()).cy, 32);
    // A band alone on its row stretches the tool sideways; its height is the icon's.
    EXPECT_EQ(SizeOf(Inside().FinderTool().GetClientRect()).cy, 32);

    RECT suggested{100, 80, 100 + 1100, 80 + 700};
    dialog->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    harness::PumpMessages();
    EXPECT_TRUE(harness::SameRect(dialog->GetWindowRect(), suggested))
        << harness::Describe(dialog->GetWindowRect());
    EXPECT_EQ(PictureSize(Inside().ViewToolBar()).cy, 64);
    EXPECT_EQ(PictureSize(Inside().WindowToolBar()).cy, 64);
    EXPECT_EQ(SizeOf(Inside().FinderTool().GetClientRect()).cy, 64);
    RECT refresh{};
    Inside().ViewToolBar().GetItemRect(1, &refresh);
    EXPECT_GE(refresh.bottom - refresh.top, 64) << "the buttons grew around their pictures";
    const RECT list = Inside().Properties().GetWindowRect();
    EXPECT_GE(list.top - Inside().ReBar().GetWindowRect().top, 64) << "the list moved below the larger bar";

    dialog->SetWindowPos(nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(SizeOf(dialog->GetWindowRect()).cx, 858);
    EXPECT_EQ(SizeOf(dialog->GetWindowRect()).cy, 330);
}

TEST_F(MainDialogTest, APlacementStoredAtAnotherScalingKeepsItsCornerAndScalesItsSize) {
    const RECT stored{120, 90, 120 + 1200, 90 + 800}; // measured at 192 DPI
    ASSERT_TRUE(WriteProfileBinary(kSection, L"MainWindowRect", &stored, sizeof(stored)));
    ASSERT_TRUE(WriteProfileDword(kSection, L"PlacementDpi", 192));
    ASSERT_TRUE(OpenDialog());
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(Main(), &placement);
    EXPECT_TRUE(harness::SameRect(placement.rcNormalPosition, RECT{120, 90, 120 + 600, 90 + 400}))
        << harness::Describe(placement.rcNormalPosition);
    CloseDialog();
    EXPECT_EQ(ReadProfileDword(kSection, L"PlacementDpi"), 96u)
        << "stored again with the DPI it was measured at";
}

TEST_F(MainDialogTest, EveryNameFitsItsColumnWithItsMarkerAndIndent) {
    ASSERT_TRUE(OpenDialog());
    dialog->ShowWindowProperties(Main()); // its style rows are indented
    CPropertiesView& view = View();
    int markerWidth = 0, markerHeight = 0;
    ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(view.SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)),
                            &markerWidth, &markerHeight);
    const int column = static_cast<int>(view.SendMessage(LVM_GETCOLUMNWIDTH, 0));
    int indented = 0;
    for (int row = 0; row < view.GetItemCount(); ++row) {
        LVITEMW item{};
        item.mask = LVIF_INDENT;
        item.iItem = row;
        view.SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (view.IsHeadingRow(row) || item.iIndent == 0)
            continue;
        ++indented;
        const std::wstring name = view.GetItemText(row, 0);
        const int text = static_cast<int>(
            view.SendMessage(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(name.c_str())));
        EXPECT_GE(column, text + (item.iIndent + 1) * markerWidth) << name;
    }
    EXPECT_GT(indented, 0);
}

// The value column ends where the list's client area ends, once its vertical scroll bar shows: a
// first listing into the empty list used to leave it as wide as the list without that bar.
TEST_F(MainDialogTest, TheColumnsFitTheListExactlyAt96And192Dpi) {
    ASSERT_TRUE(OpenDialog());
    const auto fits = [&] {
        CPropertiesView& view = View();
        const int columns = view.GetColumnWidth(0) + view.GetColumnWidth(1);
        const bool horizontalBar = (view.GetStyle() & WS_HSCROLL) != 0;
        EXPECT_FALSE(horizontalBar);
        EXPECT_EQ(columns, view.GetClientRect().right);
        return !horizontalBar && columns == view.GetClientRect().right;
    };
    dialog->ShowWindowProperties(Main());
    ASSERT_TRUE(View().GetStyle() & WS_VSCROLL) << "the listing is taller than the list";
    EXPECT_TRUE(fits()) << "at 96 DPI";

    RECT suggested{100, 80, 100 + 1100, 80 + 700};
    dialog->SendMessage(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    dialog->ShowWindowProperties(nullptr);
    dialog->ShowWindowProperties(Main());
    harness::PumpMessages();
    EXPECT_TRUE(fits()) << "at 192 DPI";
}

TEST(EmptyListFont, IsTheSameFaceTwiceAsTallAtTwiceTheDpi) {
    HDC screen = ::GetDC(nullptr);
    const auto measureFont = [screen](HGDIOBJ font) {
        HGDIOBJ previous = ::SelectObject(screen, font);
        TEXTMETRICW metrics{};
        wchar_t face[LF_FACESIZE] = {};
        ::GetTextMetricsW(screen, &metrics);
        ::GetTextFaceW(screen, LF_FACESIZE, face);
        ::SelectObject(screen, previous);
        return std::make_pair(metrics.tmHeight, std::wstring(face));
    };
    const fw::UniqueFont at96 = EmptyTextFont(96), at192 = EmptyTextFont(192);
    const auto [height96, face96] = measureFont(at96.get());
    const auto [height192, face192] = measureFont(at192.get());
    const auto [stockHeight, stockFace] = measureFont(::GetStockObject(ANSI_VAR_FONT));
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(face96, stockFace);
    EXPECT_EQ(height96, stockHeight) << "at 100% the list looks as it always has";
    EXPECT_EQ(face192, face96);
    // The size asked for doubles exactly; the drawn glyph cell within the rounding of a small font.
    LOGFONTW asked96{}, asked192{};
    ::GetObjectW(at96.get(), sizeof(asked96), &asked96);
    ::GetObjectW(at192.get(), sizeof(asked192), &asked192);
    EXPECT_EQ(asked192.lfHeight, 2 * asked96.lfHeight);
    EXPECT_NEAR(height192, 2 * height96, 2) << height96 << " at 96 DPI";
}

} // namespace
