// The values of the further groups: related windows, a control's text, window properties, display
// and thread.
#include "inspect/MoreRowsText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace orvex;

TEST(MoreRowsText, WindowLinkIsTheHandleByPointerWidthThenTheClass) {
    EXPECT_EQ(FormatWindowLink(0x10042, L"Edit"), L"0x00010042 (Edit)");
    EXPECT_EQ(FormatWindowLink(0x1234567890ull, L"#32770"), L"0x0000001234567890 (#32770)");
    EXPECT_EQ(FormatWindowLink(0x10042, L""), L"0x00010042");
    EXPECT_EQ(FormatWindowLink(0, L"Edit"), L"<None>");
}

TEST(MoreRowsText, AtomNamedPropertyIsHashAndDecimal) {
    EXPECT_EQ(FormatAtomName(43281), L"#43281");
}

TEST(MoreRowsText, DpiAwarenessByNumberUnlessTheContextRefinesIt) {
    EXPECT_EQ(DpiAwarenessName(0, DpiContextFlavour::Plain), L"Unaware");
    EXPECT_EQ(DpiAwarenessName(1, DpiContextFlavour::Plain), L"System");
    EXPECT_EQ(DpiAwarenessName(2, DpiContextFlavour::Plain), L"Per Monitor");
    EXPECT_EQ(DpiAwarenessName(2, DpiContextFlavour::PerMonitorV2), L"Per Monitor v2");
    EXPECT_EQ(DpiAwarenessName(0, DpiContextFlavour::UnawareGdiScaled), L"Unaware GDI-scaled");
    EXPECT_EQ(DpiAwarenessName(-1, DpiContextFlavour::Plain), L"-1");
}

TEST(MoreRowsText, MonitorIsHandleRectangleAndWhetherPrimary) {
    EXPECT_EQ(FormatMonitor(0x10001, {0, 0, 1280, 1024}, true),
              L"0x00010001, (0, 0) - (1280, 1024) 1280x1024, primary");
    EXPECT_EQ(FormatMonitor(0x7FF612345678ull, {-1920, 0, 0, 1080}, false),
              L"0x00007FF612345678, (-1920, 0) - (0, 1080) 1920x1080");
}

TEST(MoreRowsText, ShowCommandByNameOrNumber) {
    EXPECT_EQ(ShowCommandName(0), L"SW_HIDE");
    EXPECT_EQ(ShowCommandName(2), L"SW_SHOWMINIMIZED");
    EXPECT_EQ(ShowCommandName(11), L"SW_FORCEMINIMIZE");
    EXPECT_EQ(ShowCommandName(12), L"12");
}

TEST(MoreRowsText, LayeredAttributesNameWhatTheFlagsHold) {
    EXPECT_EQ(FormatLayeredAttributes(true, 0x00FF00FF, true, 200), L"key 0x00FF00FF, alpha 200");
    EXPECT_EQ(FormatLayeredAttributes(true, 0x00FF00FF, false, 200), L"key 0x00FF00FF");
    EXPECT_EQ(FormatLayeredAttributes(false, 0x00FF00FF, true, 0), L"alpha 0");
    EXPECT_EQ(FormatLayeredAttributes(false, 0, false, 255), L"neither key nor alpha");
}

TEST(MoreRowsText, RegionIsItsKindAndBoxExceptWhenEmpty) {
    EXPECT_EQ(FormatRegion(RegionKind::Complex, {10, 0, 90, 40}), L"Complex, box (10, 0) - (90, 40) 80x40");
    EXPECT_EQ(FormatRegion(RegionKind::Simple, {0, 0, 5, 5}), L"Simple, box (0, 0) - (5, 5) 5x5");
    EXPECT_EQ(FormatRegion(RegionKind::Empty, {0, 0, 0, 0}), L"Empty");
}

TEST(MoreRowsText, GuiThreadFlagsByNameThenTheRest) {
    EXPECT_EQ(FormatGuiThreadFlags(0), L"None");
    EXPECT_EQ(FormatGuiThreadFlags(0x3F), L"GUI_CARETBLINKING | GUI_INMOVESIZE | GUI_INMENUMODE | "
                                          L"GUI_SYSTEMMENUMODE | GUI_POPUPMENUMODE | GUI_16BITTASK");
    EXPECT_EQ(FormatGuiThreadFlags(0x14 | 0x100), L"GUI_INMENUMODE | GUI_POPUPMENUMODE | 0x00000100");
}

TEST(MoreRowsText, ControlTextStaysOnOneLineWithEveryControlCharacterEscaped) {
    EXPECT_EQ(FormatControlText(L"a\r\n\tb"), L"a\\r\\n\\tb");
    EXPECT_EQ(FormatControlText(std::wstring(L"\x01\x1B\x7F\x85\x9F", 5)), L"\\x01\\x1B\\x7F\\x85\\x9F");
    EXPECT_EQ(FormatControlText(std::wstring(L"nul\0end", 7)), L"nul\\x00end");
    EXPECT_EQ(FormatControlText(L"caf\u00E9\u00A0!"), L"caf\u00E9\u00A0!") << "shown as it is";
    EXPECT_EQ(FormatControlText(L""), L"");
}

TEST(MoreRowsText, ControlTextIsCutAfter64KiCharactersNeverInsideAPair) {
    const std::wstring whole(kLongestControlText, L'x');
    EXPECT_EQ(FormatControlText(whole), whole);
    EXPECT_EQ(FormatControlText(whole + L"y"), whole + L"\u2026");

    // Escaping comes after the cut: a line break just inside is kept, one just past it is not.
    std::wstring breaks = whole;
    breaks[kLongestControlText - 1] = L'\n';
    EXPECT_EQ(FormatControlText(breaks + L"\n"), whole.substr(1) + L"\\n\u2026");

    std::wstring pair = whole;
    pair[kLongestControlText - 1] = 0xD83D; // the first half of U+1F600, its second half cut off
    pair += wchar_t(0xDE00);
    EXPECT_EQ(FormatControlText(pair), whole.substr(1) + L"\u2026");
}

} // namespace
