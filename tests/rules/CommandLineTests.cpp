#include "launch/CommandLine.h"

#include <gtest/gtest.h>

TEST(ProgramCommandLine, QuotesTheProgramAndAddsParametersOnlyWhenThereAreAny)
{
    const struct {
        const wchar_t* program;
        const wchar_t* parameters;
        const wchar_t* expected;
    } table[] = {
        { L"explorer.exe", L"https://www.asus.com/", L"\"explorer.exe\" https://www.asus.com/" },
        { L"explorer.exe", L"", L"\"explorer.exe\"" },
        { L"C:\\Program Files\\A b.exe", L"-x", L"\"C:\\Program Files\\A b.exe\" -x" },
        // Already begins with a quote: taken as it is, even without a closing one.
        { L"\"C:\\Tools\\p.exe\"", L"-x", L"\"C:\\Tools\\p.exe\" -x" },
        { L"\"unclosed", L"", L"\"unclosed" },
        // A quote later in the name does not count.
        { L"a\"b", L"", L"\"a\"b\"" },
        { L"", L"", L"\"\"" },
        { L"p", L" ", L"\"p\"  " }, // a blank is a parameter like any other
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, ProgramCommandLine(row.program, row.parameters)) << row.program;
}

TEST(ProgramCommandLine, GraphicsQueryLineIsNinetyEightCharacters)
{
    std::wstring line = ProgramCommandLine(
        L"powershell", L"-Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"");
    EXPECT_EQ(98u, line.size());
    EXPECT_EQ(L"\"powershell\" -Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"",
              line);
}
