// The listing's exports: JSON that every reader accepts whatever a window's texts hold, and the
// plain text's shape.
#include "common/Utf8Text.h"
#include "inspect/ListingExport.h"
#include "inspect/PropertySink.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

using orvex::ListingRow;

TEST(Utf8Text, PairsBecomeOneCodePointAndLoneSurrogatesBecomeReplacement) {
    EXPECT_EQ(orvex::Utf8FromWide(L"a\u00E9\u20AC"), "a\xC3\xA9\xE2\x82\xAC");
    const std::wstring pair{static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
    EXPECT_EQ(orvex::Utf8FromWide(pair), "\xF0\x9F\x98\x80");
    const std::wstring lone{L'x', static_cast<wchar_t>(0xD800), L'y', static_cast<wchar_t>(0xDC00)};
    EXPECT_EQ(orvex::Utf8FromWide(lone), "x\xEF\xBF\xBDy\xEF\xBF\xBD");
    const std::wstring reversed{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)};
    EXPECT_EQ(orvex::Utf8FromWide(reversed), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(ListingJson, ReadsBackWithControlCharactersEscapedAndLoneSurrogatesReplaced) {
    std::wstring text = L"tab\there\r\nbell\x07 nul";
    text += L'\0';
    text += static_cast<wchar_t>(0xDBFF);
    const std::vector<ListingRow> rows = {
        {GROUP_GENERAL, L"Window Text", text, KIND_TEXT},
        {GROUP_STYLES, L"WS_CHILD", L"0x40000000", KIND_WINDOW_FLAG},
        {GROUP_WINDOWS, L"Parent", L"0x00010042 (Edit)", KIND_WINDOW_LINK},
    };
    const std::string json = orvex::ListingJson(0x1234ABCDEF, rows);
    for (unsigned char byte : json)
        EXPECT_TRUE(byte >= 0x20 || byte == '\n') << "a raw control character " << int(byte);

    const auto parsed = nlohmann::json::parse(json); // throws on anything a reader would refuse
    EXPECT_EQ(parsed["format"], "orvex-listing/1");
    EXPECT_EQ(parsed["window"], "0x0000001234ABCDEF");
    ASSERT_EQ(parsed["rows"].size(), 3u);
    const auto& first = parsed["rows"][0];
    constexpr char kExpected[] = "tab\there\r\nbell\x07 nul\0\xEF\xBF\xBD";
    EXPECT_EQ(first["value"].get<std::string>(), std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(first["group"], "General");
    EXPECT_EQ(first["kind"], "text");
    EXPECT_EQ(first["indent"], 0);
    EXPECT_EQ(parsed["rows"][1]["kind"], "window-flag");
    EXPECT_EQ(parsed["rows"][1]["indent"], 1);
    EXPECT_EQ(parsed["rows"][2]["group"], "Windows");
    EXPECT_EQ(parsed["rows"][2]["kind"], "window-link");
    EXPECT_EQ(json.find("\"format\""), json.find('"')) << "the format comes first";
}

TEST(ListingText, HeadingPerGroupAndFlagsIndented) {
    const std::vector<ListingRow> rows = {
        {GROUP_GENERAL, L"Handle", L"0x00010042", KIND_HANDLE},
        {GROUP_STYLES, L"Window Styles", L"0x50000000", KIND_WINDOW_STYLES},
        {GROUP_STYLES, L"WS_CHILD", L"0x40000000", KIND_WINDOW_FLAG},
        {GROUP_WINDOW_PROPERTIES, L"Name", L"1", KIND_TEXT},
    };
    EXPECT_EQ(orvex::ListingText(rows), L"General\nHandle: 0x00010042\n\n"
                                        L"Styles\nWindow Styles: 0x50000000\n  WS_CHILD: 0x40000000\n\n"
                                        L"Window Properties\nName: 1\n");
}

} // namespace
