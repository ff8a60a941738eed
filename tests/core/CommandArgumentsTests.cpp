// Reading the command line: each command's arguments, messages by name or number, and what is
// refused as a usage error.
#include "cli/Arguments.h"

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
    };
    for (const auto& arguments : refused) {
        std::wstring line;
        for (const auto& argument : arguments)
            line += argument + L" ";
        EXPECT_FALSE(Read(arguments)) << std::string(line.begin(), line.end());
    }
}

} // namespace
