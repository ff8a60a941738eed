// The message log's filter: the kind of each message, what a filter shows, and its stored value.
// The literal numbers and the stored layout are pinned here once.
#include "common/MessageNames.h"
#include "msglog/ExcludedMessageText.h"
#include "msglog/MessageFilter.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace {

using orvex::CategoryBit;
using orvex::CategoryName;
using orvex::CategoryOf;
using orvex::ExcludedMessageLabel;
using orvex::FilterMode;
using orvex::kAllCategories;
using orvex::LoadMessageFilter;
using orvex::MessageCategory;
using orvex::MessageFilter;
using orvex::ReadExcludedMessage;
using orvex::StoreMessageFilter;
using enum MessageCategory;

TEST(MessageCategories, EachKindTakesItsMessagesAndTheBordersFallWhereTheHeadersSay) {
    const std::pair<std::uint32_t, MessageCategory> cases[] = {
        {0x0200, Mouse},     // WM_MOUSEMOVE
        {0x020E, Mouse},     // WM_MOUSEHWHEEL
        {0x020F, Other},     // past the client mouse messages
        {0x0020, Mouse},     // WM_SETCURSOR
        {0x0100, Keyboard},  // WM_KEYDOWN
        {0x0286, Keyboard},  // WM_IME_CHAR
        {0x00FF, Other},     // WM_INPUT: any device
        {0x0084, NonClient}, // WM_NCHITTEST
        {0x00A1, NonClient}, // WM_NCLBUTTONDOWN
        {0x0085, Paint},     // WM_NCPAINT
        {0x000F, Paint},     // WM_PAINT
        {0x0138, Paint},     // WM_CTLCOLORSTATIC
        {0x0007, Focus},     // WM_SETFOCUS
        {0x001C, Focus},     // WM_ACTIVATEAPP
        {0x0047, Position},  // WM_WINDOWPOSCHANGED
        {0x0083, Position},  // WM_NCCALCSIZE
        {0x0113, Timer},     // WM_TIMER
        {0x0118, Timer},     // the caret's blink
        {0x0111, Commands},  // WM_COMMAND
        {0x004E, Commands},  // WM_NOTIFY
        {0x00B1, Control},   // EM_SETSEL
        {0x0180, Control},   // LB_ADDSTRING
        {0x01B4, Other},     // past the list box's messages
        {0x0001, Other},     // WM_CREATE
        {0x000C, Other},     // WM_SETTEXT
        {0x03FF, Other},     // just below WM_USER
        {0x0400, Control},   // WM_USER
        {0x2001, Control},   // CCM_SETBKCOLOR
        {0x2111, Commands},  // OCM_COMMAND
        {0x204E, Commands},  // OCM_NOTIFY
        {0x2138, Commands},  // OCM_CTLCOLORSTATIC
        {0x2113, Control},   // WM_USER + 0x1D13: nothing reflects WM_TIMER
        {0x7FFF, Control},   // the last of WM_USER's range
        {0x8000, Other},     // WM_APP
        {0xC000, Other},     // the first registered message
        {0xFFFFFFFF, Other},
    };
    for (const auto& [message, category] : cases)
        EXPECT_EQ(CategoryOf(message), category) << std::hex << message;
}

TEST(MessageCategories, NamesAsTheDialogShowsThem) {
    EXPECT_STREQ(CategoryName(Mouse), L"Mouse");
    EXPECT_STREQ(CategoryName(Paint), L"Paint and erase");
    EXPECT_STREQ(CategoryName(Commands), L"Commands and notifications");
    EXPECT_STREQ(CategoryName(Other), L"Other");
    EXPECT_STREQ(CategoryName(Count), L"");
}

TEST(MessageFilter, ShowsWhatNeitherItsCategoryNorItsListLeavesOut) {
    MessageFilter filter;
    EXPECT_TRUE(filter.ShowsEverything());
    filter.shownCategories = kAllCategories & ~CategoryBit(Mouse);
    filter.excluded = {0x000F};
    EXPECT_FALSE(filter.Shows(0x0200)) << "a mouse message";
    EXPECT_FALSE(filter.Shows(0x000F)) << "listed";
    EXPECT_TRUE(filter.Shows(0x0014)) << "WM_ERASEBKGND: its category is shown";
    EXPECT_FALSE(filter.ShowsEverything());
    EXPECT_EQ(DescribeFilter(filter), L"hiding Mouse and 1 single message");
    filter.shownCategories &= ~CategoryBit(Timer);
    filter.excluded.push_back(0x0010);
    EXPECT_EQ(DescribeFilter(filter), L"hiding Mouse, Timer and 2 single messages");
    EXPECT_FALSE(filter.ShowsNothing());
    filter.shownCategories = 0;
    EXPECT_TRUE(filter.ShowsNothing()) << "no category shown leaves nothing to hide by the list";
}

TEST(MessageFilter, ShowOnlyShowsWhatItsCategoriesOrItsListTakeIn) {
    MessageFilter filter{CategoryBit(Mouse), {0x000F, 0x0113}, FilterMode::ShowOnly};
    EXPECT_TRUE(filter.Shows(0x0200)) << "a mouse message";
    EXPECT_TRUE(filter.Shows(0x000F)) << "listed, though Paint is not checked";
    EXPECT_FALSE(filter.Shows(0x0014)) << "WM_ERASEBKGND: neither";
    EXPECT_FALSE(filter.ShowsEverything());
    EXPECT_EQ(DescribeFilter(filter), L"showing only Mouse and 2 single messages");
    filter.shownCategories = 0;
    filter.excluded.pop_back();
    EXPECT_EQ(DescribeFilter(filter), L"showing only 1 single message");
    EXPECT_FALSE(filter.ShowsNothing()) << "the listed message is shown";
    filter.excluded.clear();
    EXPECT_EQ(DescribeFilter(filter), L"showing nothing");
    EXPECT_TRUE(filter.ShowsNothing());
    EXPECT_FALSE(filter.Shows(0x0200));
    filter.shownCategories = kAllCategories;
    filter.excluded = {0x000F};
    EXPECT_TRUE(filter.ShowsEverything()) << "a list adds nothing to every category";
}

std::vector<std::byte> Bytes(std::initializer_list<std::uint32_t> words) {
    std::vector<std::byte> bytes;
    for (std::uint32_t word : words) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::byte>(word >> shift));
    }
    return bytes;
}

TEST(MessageFilter, StoredValueIsVersionMaskCountAndNumbersLittleEndian) {
    const MessageFilter filter{CategoryBit(Keyboard) | CategoryBit(Timer), {0x0200, 0xC123}};
    const std::vector<std::byte> stored = StoreMessageFilter(filter);
    EXPECT_EQ(stored, Bytes({1, 0x42, 2, 0x0200, 0xC123}));
    EXPECT_EQ(LoadMessageFilter(stored), filter);
    EXPECT_EQ(LoadMessageFilter(StoreMessageFilter(MessageFilter{})), MessageFilter{});
}

TEST(MessageFilter, ShowOnlyIsStoredAsVersionTwoWithItsMode) {
    const MessageFilter filter{CategoryBit(Keyboard), {0x0200}, FilterMode::ShowOnly};
    const std::vector<std::byte> stored = StoreMessageFilter(filter);
    EXPECT_EQ(stored, Bytes({2, 1, 0x02, 1, 0x0200}));
    EXPECT_EQ(LoadMessageFilter(stored), filter);
    EXPECT_EQ(LoadMessageFilter(Bytes({2, 0, 0x02, 1, 0x0200})),
              (MessageFilter{CategoryBit(Keyboard), {0x0200}}))
        << "version 2 may hold Hide too";
    EXPECT_EQ(LoadMessageFilter(Bytes({2, 2, 0x02, 0})), std::nullopt) << "a mode this Orvex does not know";
    EXPECT_EQ(LoadMessageFilter(Bytes({2, 1, 0x02})), std::nullopt) << "no room for the count";
    EXPECT_EQ(LoadMessageFilter(Bytes({2, 1, 0x02, 2, 0x0200})), std::nullopt) << "one number short";
}

TEST(MessageFilter, LoadRefusesAnotherLayoutAndTidiesWhatItTakes) {
    EXPECT_EQ(LoadMessageFilter({}), std::nullopt);
    EXPECT_EQ(LoadMessageFilter(Bytes({3, 0, kAllCategories, 0})), std::nullopt) << "another version";
    EXPECT_EQ(LoadMessageFilter(Bytes({1, kAllCategories, 2, 0x0200})), std::nullopt) << "one number short";
    EXPECT_EQ(LoadMessageFilter(Bytes({1, kAllCategories, 0, 0x0200})), std::nullopt) << "one number over";
    std::vector<std::byte> ragged = Bytes({1, kAllCategories, 0});
    ragged.push_back(std::byte{0});
    EXPECT_EQ(LoadMessageFilter(ragged), std::nullopt);

    MessageFilter full;
    for (std::uint32_t message = 0; message < orvex::kMaxExcludedMessages; ++message)
        full.excluded.push_back(message);
    EXPECT_EQ(LoadMessageFilter(StoreMessageFilter(full)), full);
    full.excluded.push_back(0x7000);
    EXPECT_EQ(LoadMessageFilter(StoreMessageFilter(full)), std::nullopt) << "more than the hook holds";

    const auto tidied = LoadMessageFilter(Bytes({1, 0xFFFFFFFF, 3, 0x0200, 0x0113, 0x0200}));
    ASSERT_TRUE(tidied.has_value());
    EXPECT_EQ(tidied->shownCategories, kAllCategories) << "bits of unknown categories are dropped";
    EXPECT_EQ(tidied->excluded, (std::vector<std::uint32_t>{0x0200, 0x0113})) << "a repeat collapses";
}

TEST(ExcludedMessageText, ListedByNameAndNumberAndTypedByEither) {
    EXPECT_EQ(ExcludedMessageLabel(0x0200), L"WM_MOUSEMOVE (0x0200)");
    EXPECT_EQ(ExcludedMessageLabel(0x0401), L"WM_USER+1 (0x0401)");
    EXPECT_EQ(ExcludedMessageLabel(0xC123), L"0xC123");

    EXPECT_EQ(ReadExcludedMessage(L"WM_TIMER"), 0x0113u);
    EXPECT_EQ(ReadExcludedMessage(L" wm_timer "), 0x0113u);
    EXPECT_EQ(ReadExcludedMessage(L"0x0401"), 0x0401u);
    EXPECT_EQ(ReadExcludedMessage(L"513"), 0x0201u);
    EXPECT_EQ(ReadExcludedMessage(L"em_setsel"), 0x00B1u);
    EXPECT_EQ(ExcludedMessageLabel(0x00B1), L"EM_SETSEL (0x00B1)");
    EXPECT_EQ(ReadExcludedMessage(L"LVM_INSERTITEMW"), 0x104Du);
    EXPECT_EQ(ExcludedMessageLabel(0x104D), L"LVM_INSERTITEMW (0x104D)") << "no other class names 0x104D";
    EXPECT_EQ(ReadExcludedMessage(L"WM_NOSUCH"), std::nullopt);
    EXPECT_EQ(ReadExcludedMessage(L""), std::nullopt);

    // Every name offered reads back to the message that is listed under it.
    const std::vector<std::wstring_view> names = orvex::WindowMessageNames();
    ASSERT_FALSE(names.empty());
    for (std::wstring_view name : names) {
        const std::optional<std::uint32_t> message = ReadExcludedMessage(name);
        ASSERT_TRUE(message.has_value()) << std::wstring(name).c_str();
        EXPECT_EQ(ExcludedMessageLabel(*message).rfind(name, 0), 0u) << std::wstring(name).c_str();
    }
}

} // namespace
