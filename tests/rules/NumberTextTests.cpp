#include "specs/NumberText.h"

#include <gtest/gtest.h>

#include <climits>

TEST(NumberText, SignedDecimalWithoutGroupingForEverySixtyFourBitValue)
{
    const struct {
        long long value;
        const wchar_t* expected;
    } table[] = {
        { 0, L"0" },
        { 7, L"7" },
        { 10, L"10" },
        { 100, L"100" },
        { 16384, L"16384" },
        { -1, L"-1" },
        { -10, L"-10" },
        { -200, L"-200" },
        { 1000000, L"1000000" },
        { LLONG_MAX, L"9223372036854775807" },
        { LLONG_MAX - 1, L"9223372036854775806" },
        { LLONG_MIN, L"-9223372036854775808" },
        { LLONG_MIN + 1, L"-9223372036854775807" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, NumberText(row.value)) << row.value;
}
