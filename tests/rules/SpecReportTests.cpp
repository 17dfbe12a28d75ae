#include "specs/SpecReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

TEST(MemoryMegabytes, WholeMegabytesWithTheRemainderDropped)
{
    const struct {
        long long bytes, expected;
    } table[] = {
        { 17179869184LL, 16384 },
        { 1048575, 0 },
        { 17180917759LL, 16384 }, // one byte short of 16385 megabytes
        { 17180917760LL, 16385 },
        { 1048576, 1 },
        { 0, 0 },
        { -1, 0 },                // signed division rounds towards zero
        { -1048576, -1 },
        { LLONG_MAX, 8796093022207LL },
        { LLONG_MIN, -8796093022208LL },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, MemoryMegabytes(row.bytes)) << row.bytes;
}

TEST(SpecReportText, FiveLabelledLinesExactly)
{
    SpecValues values = { L"Windows 10", L"AMD Ryzen 5 3600 6-Core Processor  ", 17179869184LL, 1920, 1080,
                          L"NVIDIA GeForce RTX 4070" };
    EXPECT_EQ(L"\U0001F5A5\uFE0F \uC6B4\uC601\uCCB4\uC81C: Windows 10\n"
              L"\U0001F9E0 CPU: AMD Ryzen 5 3600 6-Core Processor  \n"
              L"\U0001F4BE \uBA54\uBAA8\uB9AC: 16384 MB\n"
              L"\U0001F4CA \uD654\uBA74 \uD574\uC0C1\uB3C4: 1920 x 1080\n"
              L"\U0001F3AE \uADF8\uB798\uD53D\uCE74\uB4DC: NVIDIA GeForce RTX 4070\n",
              SpecReportText(values));
}

TEST(SpecReportText, FallbacksStillMakeFiveLines)
{
    SpecValues values = { L"Windows (\uBC84\uC804: 200)", L"", 1048575, 0, 0, L"\uAC10\uC9C0 \uC2E4\uD328" };
    std::wstring report = SpecReportText(values);
    EXPECT_EQ(L"\U0001F5A5\uFE0F \uC6B4\uC601\uCCB4\uC81C: Windows (\uBC84\uC804: 200)\n"
              L"\U0001F9E0 CPU: \n"
              L"\U0001F4BE \uBA54\uBAA8\uB9AC: 0 MB\n"
              L"\U0001F4CA \uD654\uBA74 \uD574\uC0C1\uB3C4: 0 x 0\n"
              L"\U0001F3AE \uADF8\uB798\uD53D\uCE74\uB4DC: \uAC10\uC9C0 \uC2E4\uD328\n",
              report);
    EXPECT_EQ(5, std::count(report.begin(), report.end(), L'\n'));
    EXPECT_EQ(std::wstring::npos, report.find(L'\r'));
    EXPECT_EQ(L'\n', report.back());
    // Only the first label has the variation selector, right after its emoji.
    EXPECT_EQ(1, std::count(report.begin(), report.end(), L'\uFE0F'));
    EXPECT_EQ(2u, report.find(L'\uFE0F'));
}
