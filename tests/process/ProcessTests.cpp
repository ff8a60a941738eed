// Process records of real processes: the helper target, this test, and processes that cannot be
// opened.
#include "harness/ExternalProcess.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "process/ProcessList.h"

#include <gtest/gtest.h>

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

TEST(ProcessList, HoldsEveryOpenableProcessOnceKeyedByItsId) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    CProcessList list;
    for (int refresh = 0; refresh < 2; ++refresh) { // a second refresh replaces, never adds
        ASSERT_TRUE(list.Refresh());
        size_t walked = 0;
        for (const auto& [id, process] : list) {
            EXPECT_EQ(process->m_dwProcessId, id);
            ++walked;
        }
        EXPECT_EQ(walked, list.GetCount());
        EXPECT_FALSE(list.m_mapProcesses.count(0)) << "the idle process cannot be opened";
        ASSERT_TRUE(list.m_mapProcesses.count(target.ProcessId()));
        EXPECT_TRUE(SamePath(list.m_mapProcesses.at(target.ProcessId())->m_strName, L"orvex_target.exe"));
        ASSERT_TRUE(list.m_mapProcesses.count(::GetCurrentProcessId()));
    }
    list.RemoveAll();
    EXPECT_EQ(list.begin(), list.end());
}

} // namespace
