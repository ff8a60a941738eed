// The tree's picture rules from class names and style words alone: how names match, and the order
// of the rules where more than one could apply. Every rule also meets a real window of its class in
// the window tree's integration tests.
#include "select/ClassImageRules.h"

#include <gtest/gtest.h>

namespace {

using orvex::ClassPicture;
using orvex::PictureByClassAndStyle;

constexpr std::uint32_t kChild = 0x50000000;      // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t kOverlapped = 0x00CF0000; // WS_OVERLAPPEDWINDOW
constexpr std::uint32_t kGlobalClass = 0x4000;    // CS_GLOBALCLASS

TEST(ClassImageRules, NamesMatchWholeAndInAnyCase) {
    EXPECT_EQ(PictureByClassAndStyle(L"STATIC", 0x3), 6);
    EXPECT_EQ(PictureByClassAndStyle(L"static", 0x3), 6);
    EXPECT_EQ(PictureByClassAndStyle(L"bUtToN", 0x7), 4);
    EXPECT_EQ(PictureByClassAndStyle(L"SYSLISTVIEW32", 0), 21);
    EXPECT_EQ(PictureByClassAndStyle(L"mdiclient", 0), 39);
    // Only the whole name: a class that begins like a known one takes none of the named rules.
    for (const wchar_t* name : {L"Static2", L"Stati", L"Buttons", L"EditX", L"SysLink2", L"#327700", L""})
        EXPECT_EQ(PictureByClassAndStyle(name, kChild | 0x3), std::nullopt) << testing::PrintToString(name);
    EXPECT_EQ(PictureByClassAndStyle(L"Static2", kOverlapped), 37) << "falls through to the style rule";
    // A named class wins over the frame: a dialog with a full frame is still a dialog.
    EXPECT_EQ(PictureByClassAndStyle(L"#32770", kOverlapped), 38);
    EXPECT_EQ(PictureByClassAndStyle(L"Button", kOverlapped | 0x3), 1);
}

TEST(ClassImageRules, RichEditOfEveryVersionByItsFirstEightLetters) {
    for (const wchar_t* name : {L"RichEdit20W", L"RICHEDIT50W", L"RichEdit", L"richedit60w", L"RICHEDIT20A"})
        EXPECT_EQ(PictureByClassAndStyle(name, 0), 25) << testing::PrintToString(name);
    EXPECT_EQ(PictureByClassAndStyle(L"RichEdi", 0), std::nullopt);
    EXPECT_EQ(PictureByClassAndStyle(L"MyRichEdit", 0), std::nullopt);
}

TEST(ClassImageRules, GeneratedFrameworkClassesByPrefix) {
    EXPECT_EQ(PictureByClassAndStyle(L"Afx:00400000:8:00010003:00000000:00000000", 0), 40);
    EXPECT_EQ(PictureByClassAndStyle(L"AFX:x", 0), 40);
    EXPECT_EQ(PictureByClassAndStyle(L"ATL:0040A000", 0), 41);
    EXPECT_EQ(PictureByClassAndStyle(L"atl:SysListView32", 0), 41);
    EXPECT_EQ(PictureByClassAndStyle(L"Afx:", kOverlapped), 40) << "before the style rule";
    // Without the colon it is a class like any other.
    EXPECT_EQ(PictureByClassAndStyle(L"AfxWnd120su", 0), std::nullopt);
    EXPECT_EQ(PictureByClassAndStyle(L"AfxWnd120su", kOverlapped), 37);
    EXPECT_EQ(PictureByClassAndStyle(L"Afx", 0), std::nullopt);
}

TEST(ClassImageRules, FullOverlappedStyleThenTheClassStyle) {
    EXPECT_EQ(ClassPicture(L"MyMainWindow", kOverlapped | 0x10000000, [] { return 0; }), 37);
    EXPECT_EQ(ClassPicture(L"MyMainWindow", kOverlapped, [] { return kGlobalClass; }), 37);
    const std::uint32_t noMinimizeBox = kOverlapped & ~0x00020000u;
    EXPECT_EQ(ClassPicture(L"MyMainWindow", noMinimizeBox, [] { return 0; }), 34);
    EXPECT_EQ(ClassPicture(L"MyMainWindow", noMinimizeBox, [] { return kGlobalClass; }), 35);
    EXPECT_EQ(ClassPicture(L"MyMainWindow", noMinimizeBox, [] { return 0x3 | 0x8; }), 34);
    // The system classes without a rule of their own fall through as well.
    EXPECT_EQ(ClassPicture(L"#32768", 0x80000000, [] { return kGlobalClass | 0x800u; }), 35);
    EXPECT_EQ(ClassPicture(L"#32771", kOverlapped, [] { return 0; }), 37);
    EXPECT_EQ(ClassPicture(L"#32772", 0, [] { return 0; }), 34);
}

} // namespace
