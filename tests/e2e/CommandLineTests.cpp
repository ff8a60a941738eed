// Orvex.com as a person at a prompt would run it, its output read through a pipe: the listing of
// Notepad's edit control as JSON.
#include "common/ValueFormat.h"
#include "e2e/NotepadWindow.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace {

TEST(CommandLine, ConsoleTwinListsNotepadsEditAsJsonThroughAPipe) {
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad);
    ASSERT_TRUE(edit);
    const std::wstring handle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(edit));
    const harness::ProcessResult run = harness::RunAndWait(L"\"" + harness::BinaryDirectory() +
                                                           L"\\Orvex.com\" --list " + handle + L" --json");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    const auto json = nlohmann::json::parse(run.output);
    EXPECT_EQ(json["format"], "orvex-listing/1");
    EXPECT_EQ(json["window"], std::string(handle.begin(), handle.end()));
    bool classRow = false;
    for (const auto& row : json["rows"])
        classRow = classRow || (row["kind"] == "class-name" && row["value"] == "Edit");
    EXPECT_TRUE(classRow) << run.output;
}

} // namespace
