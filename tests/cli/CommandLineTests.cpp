// The command line run in this process on the helper target's windows: the listing it writes is
// the program's own, row for row, each outcome has its exit status, and --out writes whole or not
// at all.
#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/CliRun.h"
#include "common/Utf8Text.h"
#include "common/ValueFormat.h"
#include "core/RowCollector.h"
#include "harness/TargetClient.h"
#include "inspect/Listing.h"
#include "inspect/WindowFacts.h"
#include "inspect/ListingCapture.h"
#include "inspect/ListingExport.h"
#include "msglog/LogLineText.h"
#include "msglog/LogLines.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

using namespace orvex::cli;

using cli_test::CliRun;
using cli_test::HandleArgument;
using cli_test::RunCli;

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.IsRunning());
        frame = target.Create(harness::WindowRequest::Frame(L"cli frame", {60, 60, 360, 260}));
        ASSERT_TRUE(frame);
        edit = target.Create(
            harness::WindowRequest::Child(frame, L"Edit", L"tab\there", ES_MULTILINE, {5, 5, 200, 60}, 7));
        ASSERT_TRUE(edit);
    }
    harness::TargetProcess target;
    HWND frame = nullptr;
    HWND edit = nullptr;
};

// Without --more the further groups are left out; with it they come, the control's text asked for
// and waited for.
TEST_F(CommandLineTest, ListJsonIsTheProgramsListingRowForRow) {
    ASSERT_TRUE(::SetWindowTextW(edit, L"tab\there\r\n"));
    for (const bool more : {false, true}) {
        std::vector<std::wstring> arguments{L"--list", HandleArgument(edit), L"--json"};
        if (more)
            arguments.push_back(L"--more");
        const CliRun run = RunCli(arguments);
        ASSERT_EQ(run.status, kExitSuccess) << run.errors;
        RowCollector expected;
        ASSERT_TRUE(AddWindowListing(expected, edit, orvex::ViewMode::Detail, more));

        const auto json = nlohmann::json::parse(run.out);
        EXPECT_EQ(json["window"], orvex::Utf8FromWide(HandleArgument(edit)));
        const auto& rows = json["rows"];
        ASSERT_EQ(rows.size(), expected.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Row& row = expected.rows[i];
            EXPECT_EQ(rows[i]["group"], orvex::Utf8FromWide(orvex::GroupHeading(row.group))) << i;
            EXPECT_EQ(rows[i]["name"], orvex::Utf8FromWide(row.name)) << i;
            EXPECT_EQ(rows[i]["value"], orvex::Utf8FromWide(row.value)) << i;
            EXPECT_EQ(rows[i]["kind"], std::string(orvex::KindName(row.kind))) << i;
            EXPECT_EQ(rows[i]["indent"], orvex::KindIndent(row.kind)) << i;
        }
        const auto controlText = std::find_if(rows.begin(), rows.end(),
                                              [](const auto& row) { return row["name"] == "Control Text"; });
        EXPECT_EQ(controlText != rows.end(), more);
        if (controlText != rows.end()) {
            EXPECT_EQ((*controlText)["value"], "tab\\there\\r\\n");
        }
    }
    RowCollector summary;
    ASSERT_TRUE(AddWindowListing(summary, edit, orvex::ViewMode::Summary, false));
    const CliRun text = RunCli({L"--list", HandleArgument(edit), L"--summary"});
    ASSERT_EQ(text.status, kExitSuccess);
    EXPECT_EQ(text.out.rfind("Summary\n", 0), 0u);
    EXPECT_NE(
        text.out.find(orvex::Utf8FromWide(summary.rows.front().name + L": " + summary.rows.front().value)),
        std::string::npos);
}

TEST_F(CommandLineTest, ExitStatusOfEachOutcome) {
    EXPECT_EQ(RunCli({L"--version"}).out, "Orvex 1.2.0\n");
    const CliRun usage = RunCli({L"--list"});
    EXPECT_EQ(usage.status, kExitUsage);
    EXPECT_NE(usage.errors.find("Usage:"), std::string::npos);

    EXPECT_EQ(RunCli({L"--list", L"0x1"}).status, kExitNoWindow) << "not a window";
    EXPECT_EQ(RunCli({L"--find", L"class=OrvexNoSuchClass"}).status, kExitNoWindow);
    ASSERT_TRUE(target.Create(harness::WindowRequest::Frame(L"cli second", {80, 80, 300, 200})));
    const CliRun several = RunCli({L"--list", L"class=OrvexTargetWindow"});
    EXPECT_EQ(several.status, kExitNoWindow);
    EXPECT_NE(several.errors.find(orvex::Utf8FromWide(HandleArgument(frame))), std::string::npos)
        << "the candidates are listed";
    const CliRun found = RunCli({L"--find", L"class=OrvexTargetWindow", L"--json"});
    ASSERT_EQ(found.status, kExitSuccess);
    EXPECT_EQ(nlohmann::json::parse(found.out).size(), 2u);

    const CliRun echo = RunCli({L"--send", HandleArgument(frame),
                                std::to_wstring(harness::kTargetEchoMessage), L"0", L"0xFFFFFFFF"});
    ASSERT_EQ(echo.status, kExitSuccess) << echo.errors;
    EXPECT_EQ(echo.out, "Signed: -1\nUnsigned: 18446744073709551615 (0xFFFFFFFFFFFFFFFF)\n")
        << "lParam goes sign-extended, the result comes back whole";
    EXPECT_EQ(RunCli({L"--send", HandleArgument(frame), L"WM_SETTEXT", L"0", L"12"}).status, kExitFailed)
        << "a number is never sent as a pointer into this process";

    ASSERT_TRUE(target.Hang(1500));
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(RunCli({L"--send", HandleArgument(frame), L"WM_NULL", L"--timeout", L"300"}).status,
              kExitTimedOut);
    EXPECT_LT(::GetTickCount() - start, 1200u);

    EXPECT_EQ(RunCli({L"--version", L"--out", L"x"}).status, kExitUsage);
    EXPECT_EQ(RunCli({L"--tree", L"--out", L"Z:\\no\\such\\folder\\tree.txt"}).status, kExitOutputFile);
}

// Each change in order with its value before and after; a typing mistake changes nothing; the first
// change not made ends the run with its status, and the output still tells what was made.
TEST_F(CommandLineTest, SetChangesInOrderAndTellsWhatWasBefore) {
    const std::wstring handle = HandleArgument(frame);
    const CliRun text = RunCli({L"--set", handle, L"text=new title", L"size=250,150"});
    ASSERT_EQ(text.status, kExitSuccess) << text.errors;
    EXPECT_EQ(text.out, "text=new title: \"cli frame\" -> \"new title\"\nsize=250,150: 300,200 -> 250,150\n");

    const CliRun json = RunCli({L"--set", handle, L"--json", L"text=cli frame", L"size=300,200", L"hide"});
    ASSERT_EQ(json.status, kExitSuccess) << json.errors;
    const auto document = nlohmann::json::parse(json.out);
    EXPECT_EQ(document["format"], "orvex-change/1");
    EXPECT_EQ(document["window"], orvex::Utf8FromWide(handle));
    ASSERT_EQ(document["changes"].size(), 3u);
    EXPECT_EQ(document["changes"][0]["before"], "new title");
    EXPECT_EQ(document["changes"][0]["restore"], "text=new title");
    EXPECT_EQ(document["changes"][1]["after"], "300,200");
    EXPECT_EQ(document["changes"][2]["restore"], "show");
    EXPECT_FALSE(::IsWindowVisible(frame));

    const auto editText = WindowTextAnswer(edit, 100, 1000);
    const CliRun mistake = RunCli({L"--set", HandleArgument(edit), L"text=changed", L"style=+BS_FLAT"});
    EXPECT_EQ(mistake.status, kExitUsage);
    EXPECT_NE(
        mistake.errors.find("change 2 'style=+BS_FLAT': unknown style name 'BS_FLAT' for class Edit at 7"),
        std::string::npos)
        << mistake.errors;
    EXPECT_EQ(WindowTextAnswer(edit, 100, 1000), editText) << "nothing was changed";

    ASSERT_TRUE(target.Create(harness::WindowRequest::Frame(L"cli second", {80, 80, 300, 200})));
    const CliRun several = RunCli({L"--set", L"class=OrvexTargetWindow", L"show"});
    EXPECT_EQ(several.status, kExitNoWindow);
    EXPECT_NE(several.errors.find("2 windows match"), std::string::npos) << several.errors;

    HWND own =
        ::CreateWindowExW(0, L"STATIC", L"own", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    const CliRun refused = RunCli({L"--set", HandleArgument(own), L"text=x", L"show"});
    EXPECT_EQ(refused.status, kExitFailed);
    EXPECT_EQ(refused.out, "text=x: refused: Orvex does not change its own windows.\n");
    EXPECT_NE(refused.errors.find("the changes after it were not tried"), std::string::npos);
    ::DestroyWindow(own);

    ASSERT_TRUE(target.Hang(1500));
    const DWORD start = ::GetTickCount();
    const CliRun late = RunCli({L"--set", handle, L"show", L"style=+WS_BORDER", L"--timeout", L"300"});
    EXPECT_EQ(late.status, kExitTimedOut) << late.out;
    EXPECT_LT(::GetTickCount() - start, 1200u);
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST_F(CommandLineTest, OutWritesTheWholeOutputOrLeavesTheFileThatWasThere) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"OrvexOutTest";
    std::filesystem::remove_all(folder);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::filesystem::path path = folder / L"listing.json";
    std::ofstream(path, std::ios::binary) << "an older file";

    const CliRun shown = RunCli({L"--list", HandleArgument(edit), L"--json"});
    ASSERT_EQ(shown.status, kExitSuccess);
    const CliRun written = RunCli({L"--list", HandleArgument(edit), L"--json", L"--out", path.wstring()});
    ASSERT_EQ(written.status, kExitSuccess) << written.errors;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(FileBytes(path), shown.out);

    {
        // Held by a program that lets nobody else at it: the new output cannot take its place.
        fw::UniqueFileHandle held(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_EQ(RunCli({L"--list", HandleArgument(frame), L"--out", path.wstring()}).status,
                  kExitOutputFile);
    }
    EXPECT_EQ(FileBytes(path), shown.out) << "a failed write leaves the file as it was";
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
        << "and nothing beside it";
    std::filesystem::remove_all(folder);
}

// Written to by the log's thread while the test reads how far it got.
class SharedCapture final : public TextStream {
public:
    bool Write(std::string_view utf8) override {
        const std::lock_guard lock(m_mutex);
        m_text += utf8;
        return true;
    }
    std::string Text() {
        const std::lock_guard lock(m_mutex);
        return m_text;
    }

private:
    std::mutex m_mutex;
    std::string m_text;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

// The log window's texts for a message the test posted, by the pure functions the window uses:
// each --log line must show the record the hook saw exactly as the window would.
std::string ExpectedCell(HWND window, char type, std::uint32_t message, int column) {
    orvex::MessageRecord record;
    record.kind = static_cast<orvex::MessageKind>(type);
    record.message = message;
    record.window = reinterpret_cast<UINT_PTR>(window);
    record.wParam = 7;
    record.lParam = 0x5678;
    orvex::LogLines lines;
    lines.AddMessage(record);
    return orvex::Utf8FromWide(orvex::LogCellText(lines, lines[0], column, {}));
}

// Probes are posted until the log has printed what it needs, as it starts on a thread of its own.
TEST_F(CommandLineTest, LogPrintsTheMessagesAsTheLogWindowShowsThemUntilTheWindowGoes) {
    constexpr UINT kProbe = WM_APP + 5;
    HWND child =
        target.Create(harness::WindowRequest::Child(frame, L"Static", L"log me", 0, {5, 70, 100, 90}, 9));
    ASSERT_TRUE(child);
    for (const bool json : {false, true}) {
        SharedCapture out, errors;
        std::vector<std::wstring> arguments{L"--log", HandleArgument(child), L"--only", L"0x8005"};
        if (json)
            arguments.push_back(L"--json");
        else
            arguments.insert(arguments.end(), {L"--count", L"3"});
        std::atomic<int> status = -1;
        std::thread log([&] { status = RunCommandLine(arguments, out, errors); });
        for (int i = 0; i < 500 && status == -1 && Split(out.Text(), '\n').size() < 3; ++i) {
            ::PostMessageW(child, kProbe, 7, 0x5678);
            ::Sleep(10);
        }
        if (json) {
            EXPECT_TRUE(target.Destroy(child));
        }
        log.join();
        ASSERT_EQ(status, kExitSuccess) << errors.Text();
        const std::vector<std::string> lines = Split(out.Text(), '\n');
        ASSERT_GE(lines.size(), 3u);
        if (!json) {
            EXPECT_EQ(lines.size(), 3u) << "--count 3";
        }
        EXPECT_EQ(errors.Text(), std::to_string(lines.size()) + " messages, 0 lost\n");
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::vector<std::string> cells;
            if (json) {
                const auto item = nlohmann::json::parse(lines[i]);
                EXPECT_EQ(item["format"], "orvex-message/1");
                EXPECT_EQ(item["number"], i + 1);
                EXPECT_EQ(item["message"], kProbe);
                cells = {std::to_string(i + 1), item["time"],   item["window"], item["type"],
                         item["name"],          item["wParam"], item["lParam"], item.value("result", ""),
                         item["details"]};
            } else {
                cells = Split(lines[i], '\t');
                cells.resize(orvex::kLogColumnCount);
            }
            ASSERT_EQ(cells[orvex::kColumnType].size(), 1u) << lines[i];
            EXPECT_EQ(cells[orvex::kColumnNumber], std::to_string(i + 1));
            for (int column = orvex::kColumnWindow; column < orvex::kLogColumnCount; ++column) {
                if (column == orvex::kColumnResult)
                    continue; // whatever the window procedure returned
                EXPECT_EQ(cells[static_cast<std::size_t>(column)],
                          ExpectedCell(child, cells[orvex::kColumnType][0], kProbe, column))
                    << lines[i] << " column " << column;
            }
        }
    }
}

// The rows are compared with the listing read here after the changes: --watch must report the very
// values the listing shows, and end when the window goes.
TEST_F(CommandLineTest, WatchSeesAChangedTextAndRectangleAndEndsWhenTheWindowGoes) {
    HWND child =
        target.Create(harness::WindowRequest::Child(frame, L"Static", L"watch me", 0, {5, 70, 100, 90}, 10));
    ASSERT_TRUE(child);
    SharedCapture out, errors;
    std::atomic<int> status = -1;
    std::thread watch([&] {
        status = RunCommandLine(
            {L"--watch", HandleArgument(child), L"--interval", L"20", L"--json", L"--for", L"20"}, out,
            errors);
    });
    for (int i = 0; i < 500 && out.Text().empty(); ++i)
        ::Sleep(10);
    EXPECT_TRUE(target.SetText(child, L"changed"));
    EXPECT_TRUE(::MoveWindow(child, 7, 72, 120, 30, TRUE));
    std::vector<orvex::ListingRow> rows;
    ASSERT_TRUE(CaptureWindowListing(child, orvex::ViewMode::Detail, false, rows));
    const auto rect =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.name == L"Window Rect"; });
    ASSERT_NE(rect, rows.end());
    const auto changesSeen = [&] {
        const std::string text = out.Text();
        return text.find("Window Rect", text.find('\n')) != std::string::npos;
    };
    for (int i = 0; i < 500 && !changesSeen(); ++i)
        ::Sleep(10);
    EXPECT_TRUE(target.Destroy(child));
    watch.join();
    ASSERT_EQ(status, kExitSuccess) << errors.Text();

    const std::vector<std::string> lines = Split(out.Text(), '\n');
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(nlohmann::json::parse(lines[0])["format"], "orvex-listing/1");
    bool textSeen = false, rectSeen = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto item = nlohmann::json::parse(lines[i]);
        EXPECT_EQ(item["format"], "orvex-change-seen/1");
        if (item["name"] == "Text" && item["after"] == "changed")
            textSeen = item["before"] == "watch me";
        if (item["name"] == "Window Rect" && item["after"] == orvex::Utf8FromWide(rect->value))
            rectSeen = item["before"] != item["after"];
    }
    EXPECT_TRUE(textSeen) << out.Text();
    EXPECT_TRUE(rectSeen) << out.Text();
}

} // namespace
