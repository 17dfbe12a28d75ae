// What the end-to-end tests share: where the built program and the stand-ins are.
#pragma once

#include "Harness.h"

#include <gtest/gtest.h>

extern std::wstring QuorvelExe;    // the built Quorvel.exe
extern std::wstring StandInFolder; // explorer.exe and powershell.exe stand-ins

// Stages Quorvel with the stand-ins named and starts it; stops it when the test ends.
class RunningQuorvelTest : public testing::Test {
protected:
    RunningQuorvel quorvel;
    void Start(const std::vector<std::wstring>& standIns = { L"explorer.exe", L"powershell.exe" })
    {
        std::wstring folder = StageQuorvel(QuorvelExe, StandInFolder, standIns);
        ASSERT_TRUE(StartQuorvel(folder, quorvel)) << "Quorvel's window did not appear";
    }
    void TearDown() override { StopQuorvel(quorvel); }
};
