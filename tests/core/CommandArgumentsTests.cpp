// Reading the command line: each command's arguments, messages by name or number, and what is
// refused as a usage error.
#include "cli/Arguments.h"
#include "msglog/LogCommandText.h"

#include <gtest/gtest.h>

namespace {

using namespace orvex::cli;

std::optional<Invocation> Read(std::vector<std::wstring> arguments) {
    auto parsed = ParseArguments(arguments);
    if (auto* invocation = std::get_if<Invocation>(&parsed))
        return *invocation;
    return std::nullopt;
}

TEST(CommandArguments, ReadsEachCommandWithItsOptionsInAnyOrder) {
    auto list = Read({L"--json", L"--list", L"class=Edit", L"--summary", L"--out", L"x.json"});
    ASSERT_TRUE(list);
    EXPECT_EQ(list->command, Command::List);
    EXPECT_EQ(list->target, L"class=Edit");
    EXPECT_TRUE(list->json && list->summary && !list->more);
    EXPECT_EQ(list->outPath, L"x.json");
    auto more = Read({L"--more", L"--list", L"0x1A2B"});
    ASSERT_TRUE(more);
    EXPECT_TRUE(more->more && !more->summary);

    auto tree = Read({L"--tree", L"--by-process"});
    ASSERT_TRUE(tree);
    EXPECT_TRUE(tree->byProcess && !tree->json);

    auto send = Read({L"--send", L"0x1A2B", L"wm_settext", L"0xFFFFFFFF", L"12", L"--timeout", L"250"});
    ASSERT_TRUE(send);
    EXPECT_EQ(send->message, (orvex::TypedMessage{0x000C, {}}));
    EXPECT_EQ(send->wParam, 0xFFFFFFFFu);
    EXPECT_EQ(send->lParam, 12u);
    EXPECT_EQ(send->timeoutMs, 250u);

    auto byNumber = Read({L"--send", L"0x1A2B", L"0x0400"});
    ASSERT_TRUE(byNumber);
    EXPECT_EQ(byNumber->message, (orvex::TypedMessage{0x0400, {}}));
    EXPECT_EQ(byNumber->timeoutMs, 5000u);
    EXPECT_EQ(byNumber->wParam, 0u);

    auto registered = Read({L"--send", L"0x1A2B", L"\"MyRegisteredMessage\""});
    ASSERT_TRUE(registered);
    EXPECT_EQ(registered->message.registeredName, L"MyRegisteredMessage");

    auto set = Read({L"--set", L"class=Notepad", L"text=a b", L"pos=-5,5", L"style=-WS_BORDER", L"--json"});
    ASSERT_TRUE(set);
    EXPECT_EQ(set->changes, (std::vector<std::wstring>{L"text=a b", L"pos=-5,5", L"style=-WS_BORDER"}));
    EXPECT_EQ(set->timeoutMs, 2000u) << "a change's own bound";
    EXPECT_TRUE(set->json);

    auto wait = Read({L"--gone", L"--wait", L"class=Notepad", L"--timeout", L"1500"});
    ASSERT_TRUE(wait);
    EXPECT_EQ(wait->command, Command::Wait);
    EXPECT_TRUE(wait->gone);
    EXPECT_EQ(wait->limitMs, 1500u);
    auto forever = Read({L"--wait", L"class=Notepad", L"--json"});
    ASSERT_TRUE(forever);
    EXPECT_FALSE(forever->limitMs) << "no time-out unless one is given";
    EXPECT_FALSE(forever->gone);
    EXPECT_FALSE(Read({L"--send", L"a", L"WM_NULL", L"--timeout", L"9"})->limitMs);

    auto name = Read({L"--name", L"0x1A2B"});
    ASSERT_TRUE(name);
    EXPECT_EQ(name->command, Command::Name);

    auto capture = Read({L"--client", L"--capture", L"class=Notepad", L"--out", L"n.png"});
    ASSERT_TRUE(capture);
    EXPECT_TRUE(capture->clientOnly);
    EXPECT_EQ(capture->outPath, L"n.png");
}

TEST(CommandArguments, ReadsALogsScopeFilterAndEnd) {
    auto log =
        Read({L"--log", L"class=Edit", L"--scope", L"children", L"--exclude",
              L"wm_paint,0x0118,\"Taskbar\",WM_PAINT", L"--for", L"2.25", L"--count", L"10", L"--json"});
    ASSERT_TRUE(log);
    EXPECT_EQ(log->command, Command::Log);
    EXPECT_EQ(log->scope, orvex::LogScope::WindowAndChildren);
    EXPECT_EQ(log->filterMessages,
              (std::vector<orvex::TypedMessage>{{0x000F, {}}, {0x0118, {}}, {0, L"Taskbar"}}))
        << "a message named twice is listed once";
    EXPECT_FALSE(log->showOnly);
    EXPECT_EQ(log->forMs, 2250u);
    EXPECT_EQ(log->count, 10u);
    EXPECT_TRUE(log->json);

    auto only = Read({L"--log", L"0x1A2B", L"--only", L"WM_CHAR", L"--scope", L"thread", L"--for", L".5"});
    ASSERT_TRUE(only);
    EXPECT_TRUE(only->showOnly);
    EXPECT_EQ(only->scope, orvex::LogScope::Thread);
    EXPECT_EQ(only->forMs, 500u);
    EXPECT_FALSE(only->count);

    auto watch = Read({L"--watch", L"0x1A2B", L"--interval", L"100", L"--for", L"3", L"--json"});
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->command, Command::Watch);
    EXPECT_EQ(watch->intervalMs, 100u);
    EXPECT_EQ(watch->forMs, 3000u);
    EXPECT_EQ(Read({L"--watch", L"a"})->intervalMs, 250u);

    std::wstring many;
    for (int message = 1; message <= 63; ++message)
        many += (message > 1 ? L"," : L"") + std::to_wstring(message);
    EXPECT_FALSE(Read({L"--log", L"a", L"--exclude", many})) << "more than the hook has room for";
}

TEST(CommandArguments, RefusesWhatIsNotACompleteCommand) {
    const std::vector<std::vector<std::wstring>> refused = {
        {},
        {L"0x1A2B"},
        {L"--list"},
        {L"--list", L"a", L"b"},
        {L"--list", L"a", L"--find", L"b"},
        {L"--tree", L"--summary"},
        {L"--find", L"a", L"--more"},
        {L"--list", L"a", L"--more", L"--summary"},
        {L"--find", L"a", L"--timeout", L"5"},
        {L"--help", L"--out", L"f"},
        {L"--list", L"a", L"--out"},
        {L"--list", L"a", L"--colour"},
        {L"--send", L"a", L"WM_NOSUCHTHING"},
        {L"--send", L"a", L"WM_NULL", L"-1"},
        {L"--send", L"a", L"WM_NULL", L"--timeout", L"soon"},
        {L"--set", L"a"},
        {L"--set", L"a", L"show", L"--more"},
        {L"--wait"},
        {L"--wait", L"a", L"--timeout"},
        {L"--find", L"a", L"--gone"},
        {L"--name", L"a", L"--json"},
        {L"--capture", L"a"},
        {L"--list", L"a", L"--client"},
        {L"--log", L"a", L"--scope", L"process"},
        {L"--log", L"a", L"--exclude", L"WM_PAINT", L"--only", L"WM_CHAR"},
        {L"--log", L"a", L"--exclude", L"WM_PAINT,,WM_CHAR"},
        {L"--log", L"a", L"--for", L"0"},
        {L"--log", L"a", L"--for", L"1.5s"},
        {L"--log", L"a", L"--for", L"."},
        {L"--log", L"a", L"--count", L"0"},
        {L"--log", L"a", L"--out", L"f"},
        {L"--list", L"a", L"--scope", L"thread"},
        {L"--watch", L"a", L"--interval", L"0"},
        {L"--watch", L"a", L"--count", L"5"},
    };
    for (const auto& arguments : refused) {
        std::wstring line;
        for (const auto& argument : arguments)
            line += argument + L" ";
        EXPECT_FALSE(Read(arguments)) << std::string(line.begin(), line.end());
    }
}

// "Copy as Command" writes what --log reads back as the same scope and filter.
TEST(CommandArguments, ReadsBackTheLogWindowsCopiedCommand) {
    using orvex::CategoryBit;
    using orvex::MessageCategory;
    orvex::MessageFilter hide;
    hide.shownCategories =
        orvex::kAllCategories & ~(CategoryBit(MessageCategory::Mouse) | CategoryBit(MessageCategory::Timer));
    hide.excluded = {0x000F, 0x8005};
    orvex::MessageFilter only;
    only.mode = orvex::FilterMode::ShowOnly;
    only.shownCategories = CategoryBit(MessageCategory::Keyboard);
    only.excluded = {0x0102};

    const std::wstring hideText =
        orvex::LogCommandText(L"0x00010076", orvex::LogScope::WindowAndChildren, hide).value_or(L"");
    EXPECT_EQ(hideText,
              L"Orvex.com --log 0x00010076 --scope children --exclude mouse,timer,WM_PAINT,0x00008005");
    EXPECT_EQ(orvex::LogCommandText(L"0x1", orvex::LogScope::Window, {}), L"Orvex.com --log 0x1");
    // No filter on the command line shows nothing; without --only the line would log everything.
    orvex::MessageFilter nothing{0, {}, orvex::FilterMode::ShowOnly};
    EXPECT_EQ(orvex::LogCommandText(L"0x1", orvex::LogScope::Window, nothing), std::nullopt);

    for (const auto& [filter, scope] :
         {std::pair{hide, orvex::LogScope::WindowAndChildren}, std::pair{only, orvex::LogScope::Thread}}) {
        std::vector<std::wstring> arguments;
        std::wstring text = orvex::LogCommandText(L"0x1", scope, filter).value_or(L"");
        for (std::size_t at = 0, space = 0; at != std::wstring::npos;
             at = space == std::wstring::npos ? space : space + 1) {
            space = text.find(L' ', at);
            arguments.push_back(text.substr(at, space - at));
        }
        auto read = Read({arguments.begin() + 1, arguments.end()});
        ASSERT_TRUE(read);
        EXPECT_EQ(read->scope, scope);
        EXPECT_EQ(read->showOnly, filter.mode == orvex::FilterMode::ShowOnly);
        EXPECT_EQ(read->showOnly ? read->filterCategories : (orvex::kAllCategories & ~read->filterCategories),
                  filter.shownCategories);
        std::vector<std::uint32_t> numbers;
        for (const auto& message : read->filterMessages)
            numbers.push_back(message.number);
        EXPECT_EQ(numbers, filter.excluded);
    }
}

} // namespace
