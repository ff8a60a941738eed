// Process records of real processes: the helper target, this test, and processes that cannot be
// opened.
#include "harness/ExternalProcess.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "process/ProcessList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::_wcsicmp(a.c_str(), b.c_str()) == 0;
}

TEST(Process, RecordOfAnotherProcessHasItsNameAndImagePath) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    CProcess process;
    ASSERT_TRUE(process.Initialize(target.ProcessId()));
    EXPECT_EQ(process.m_dwProcessId, target.ProcessId());
    EXPECT_TRUE(SamePath(process.m_strName, L"orvex_target.exe"));
    EXPECT_TRUE(SamePath(process.m_strImagePath, harness::BinaryDirectory() + L"orvex_target.exe"));
}

TEST(Process, ProcessesThatCannotBeOpenedGetNoRecord) {
    CProcess idle;
    EXPECT_FALSE(idle.Initialize(0));
    EXPECT_EQ(idle.m_strName, L"System Idle Process");
    EXPECT_TRUE(idle.m_strImagePath.empty());

    DWORD endedId = 0;
    {
        harness::TargetProcess target;
        ASSERT_TRUE(target.IsRunning());
        endedId = target.ProcessId();
    }
    ASSERT_TRUE(harness::WaitUntil([&] { return !CProcess().Initialize(endedId); }));
    CProcess ended;
    EXPECT_FALSE(ended.Initialize(endedId));
    EXPECT_EQ(ended.m_dwProcessId, endedId);
    EXPECT_TRUE(ended.m_strName.empty() && ended.m_strImagePath.empty());
}

// The ids of the records, in walking order, each checked against its record.
std::vector<DWORD> RecordIds(const CProcessList& list) {
    std::vector<DWORD> ids;
    for (const auto& [id, process] : list) {
        EXPECT_EQ(process->m_dwProcessId, id);
        ids.push_back(id);
    }
    return ids;
}

TEST(ProcessList, HoldsEveryOpenableProcessOnceAndASecondRefreshReplacesTheFirst) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    CProcessList list;
    ASSERT_TRUE(list.Refresh());
    std::vector<DWORD> first = RecordIds(list);
    ASSERT_TRUE(list.Refresh());
    std::vector<DWORD> second = RecordIds(list);

    EXPECT_EQ(second.size(), list.GetCount());
    std::sort(first.begin(), first.end());
    std::sort(second.begin(), second.end());
    EXPECT_EQ(std::adjacent_find(second.begin(), second.end()), second.end()) << "an id listed twice";
    EXPECT_EQ(second, first) << "the same processes, each once, after the second refresh";

    EXPECT_FALSE(std::binary_search(second.begin(), second.end(), DWORD{0}))
        << "the idle process cannot be opened";
    ASSERT_TRUE(std::binary_search(second.begin(), second.end(), target.ProcessId()));
    EXPECT_TRUE(SamePath(list.m_mapProcesses.at(target.ProcessId())->m_strName, L"orvex_target.exe"));
    EXPECT_TRUE(std::binary_search(second.begin(), second.end(), ::GetCurrentProcessId()));
    list.RemoveAll();
    EXPECT_EQ(list.begin(), list.end());
}

} // namespace
