#include "specs/WindowsVersion.h"

#include <gtest/gtest.h>

TEST(ClassifyWindowsVersion, EveryRowOfTheTable)
{
    const struct {
        DWORD major, minor;
        bool workstation;
        DWORD build;
        int expected;
    } table[] = {
        { 5, 2, true, 3790, 60 },
        { 5, 2, false, 3790, 65 },
        { 6, 0, true, 6002, 70 },
        { 6, 0, false, 6002, 75 },
        { 6, 1, true, 7601, 80 },
        { 6, 1, false, 7601, 85 },
        { 6, 2, true, 9200, 90 },
        { 6, 2, false, 9200, 95 },
        { 6, 3, true, 9600, 100 },
        { 6, 3, false, 9600, 105 },
        // 10.0: the build alone decides, servers alike.
        { 10, 0, true, 0, 110 },
        { 10, 0, true, 19045, 110 },
        { 10, 0, true, 21999, 110 },
        { 10, 0, true, 22000, 120 },
        { 10, 0, true, 26100, 120 },
        { 10, 0, false, 21999, 110 },
        { 10, 0, false, 22000, 120 },
        // The comparison is unsigned: the largest build is no negative number.
        { 10, 0, true, 0xFFFFFFFFu, 120 },
        { 10, 0, false, 0x80000000u, 120 },
        // Anything else.
        { 10, 1, true, 19045, 200 },
        { 10, 1, false, 22000, 200 },
        { 11, 0, true, 22000, 200 },
        { 11, 0, false, 0, 200 },
        { 6, 4, true, 9841, 200 },
        { 5, 1, true, 2600, 200 },
        { 5, 0, false, 2195, 200 },
        { 4, 0, true, 1381, 200 },
        { 0, 0, false, 0, 200 },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, ClassifyWindowsVersion(row.major, row.minor, row.workstation, row.build))
            << row.major << "." << row.minor << "." << row.build << (row.workstation ? " workstation" : " server");
}

static VersionAnswers FirstAnswer(DWORD platformId, DWORD major, DWORD minor)
{
    VersionAnswers answers = {};
    answers.firstAnswered = true;
    answers.platformId = platformId;
    answers.major = major;
    answers.minor = minor;
    return answers;
}

static VersionAnswers WithRtl(VersionAnswers answers, DWORD major, DWORD minor, DWORD build, BYTE productType)
{
    answers.rtlAnswered = true;
    answers.rtlMajor = major;
    answers.rtlMinor = minor;
    answers.rtlBuild = build;
    answers.rtlProductType = productType;
    return answers;
}

static VersionAnswers WithSecond(VersionAnswers answers, BYTE productType)
{
    answers.secondAnswered = true;
    answers.secondProductType = productType;
    return answers;
}

TEST(VersionCodeFromAnswers, RtlGetVersionFirstThenTheSecondQueryWithoutBuild)
{
    VersionAnswers failed = {};
    VersionAnswers notNt = WithRtl(FirstAnswer(1, 10, 0), 10, 0, 19045, VER_NT_WORKSTATION);
    VersionAnswers nt10 = FirstAnswer(VER_PLATFORM_WIN32_NT, 10, 0);
    VersionAnswers nt61 = FirstAnswer(VER_PLATFORM_WIN32_NT, 6, 1);
    // Without a manifest GetVersionExW says 6.2; RtlGetVersion tells the truth.
    VersionAnswers nt62 = FirstAnswer(VER_PLATFORM_WIN32_NT, 6, 2);
    // Not answered, the RtlGetVersion fields would be zero; a stray build must not count.
    VersionAnswers strayBuild = nt10;
    strayBuild.rtlBuild = 22631;
    const struct {
        const char* name;
        VersionAnswers answers;
        int expected;
    } table[] = {
        { "first query failed", failed, 200 },
        { "not the NT platform", notNt, 200 },
        { "RtlGetVersion: Windows 11", WithRtl(nt10, 10, 0, 22631, VER_NT_WORKSTATION), 120 },
        { "RtlGetVersion: Windows 10", WithRtl(nt10, 10, 0, 19045, VER_NT_WORKSTATION), 110 },
        { "RtlGetVersion over the first answer", WithRtl(nt62, 10, 0, 22000, VER_NT_WORKSTATION), 120 },
        { "RtlGetVersion: 2012 R2 server", WithRtl(nt62, 6, 3, 9600, VER_NT_SERVER), 105 },
        { "RtlGetVersion: domain controller", WithRtl(nt62, 6, 3, 9600, VER_NT_DOMAIN_CONTROLLER), 105 },
        { "second query: 10.0 is always 110", WithSecond(strayBuild, VER_NT_WORKSTATION), 110 },
        { "second query: 10.0 server is 110", WithSecond(nt10, VER_NT_SERVER), 110 },
        { "second query: 6.1 workstation", WithSecond(nt61, VER_NT_WORKSTATION), 80 },
        { "second query: 6.1 server", WithSecond(nt61, VER_NT_SERVER), 85 },
        { "second query failed", nt61, 200 },
        { "second query failed on 10.0", nt10, 200 },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, VersionCodeFromAnswers(row.answers)) << row.name;
}

TEST(VersionCodeText, OnlyTenAndElevenHaveNames)
{
    const struct {
        int code;
        const wchar_t* expected;
    } table[] = {
        { 110, L"Windows 10" },
        { 120, L"Windows 11" },
        { 100, L"Windows (\uBC84\uC804: 100)" },
        { 200, L"Windows (\uBC84\uC804: 200)" },
        { 60, L"Windows (\uBC84\uC804: 60)" },
        { 105, L"Windows (\uBC84\uC804: 105)" },
        { 0, L"Windows (\uBC84\uC804: 0)" },
        { -5, L"Windows (\uBC84\uC804: -5)" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, VersionCodeText(row.code)) << row.code;
}
