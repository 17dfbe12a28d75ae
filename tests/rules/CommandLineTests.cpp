#include "launch/CommandLine.h"

#include <gtest/gtest.h>

TEST(ProgramCommandLine, QuotesTheProgramAndAppendsTheParametersUnchanged)
{
    const struct {
        const wchar_t* program;
        const wchar_t* parameters;
        const wchar_t* expected;
    } table[] = {
        { L"explorer.exe", L"https://support.hp.com/kr-ko/drivers", L"\"explorer.exe\" https://support.hp.com/kr-ko/drivers" },
        { L"explorer.exe", L"http://www.foxconnchannel.com/Product/Motherboards/",
          L"\"explorer.exe\" http://www.foxconnchannel.com/Product/Motherboards/" },
        // Percent escapes are the URL's own: passed on as they are, as one argument.
        { L"explorer.exe",
          L"https://support.nzxt.com/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C",
          L"\"explorer.exe\" "
          L"https://support.nzxt.com/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C" },
        { L"powershell", L"-NoProfile -Command \"x y\"", L"\"powershell\" -NoProfile -Command \"x y\"" },
        // A program that already begins with a quote is taken as it is, even half quoted.
        { L"\"C:\\Program Files\\App\\app.exe\"", L"-x", L"\"C:\\Program Files\\App\\app.exe\" -x" },
        { L"\"explorer.exe", L"a", L"\"explorer.exe a" },
        // A quote later in the name is no reason to leave the name unquoted.
        { L"C:\\Odd\"Name.exe", L"", L"\"C:\\Odd\"Name.exe\"" },
        // No parameters: no blank.
        { L"explorer.exe", L"", L"\"explorer.exe\"" },
        { L"\"explorer.exe\"", L"", L"\"explorer.exe\"" },
        // Blanks inside the parameters and at their ends stay; blanks in the name are quoted.
        { L"C:\\Program Files\\App\\app.exe", L" a  b ", L"\"C:\\Program Files\\App\\app.exe\"  a  b " },
        { L"", L"", L"\"\"" },
        { L"", L"x", L"\"\" x" },
    };
    for (const auto& row : table) {
        EXPECT_EQ(std::wstring(row.expected), ProgramCommandLine(row.program, row.parameters))
            << testing::PrintToString(std::wstring(row.program)) << " "
            << testing::PrintToString(std::wstring(row.parameters));
    }
}

TEST(ProgramCommandLine, GraphicsQueryLineIsNinetyEightCharacters)
{
    std::wstring line = ProgramCommandLine(
        L"powershell", L"-Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"");
    EXPECT_EQ(98u, line.size());
    EXPECT_EQ(L"\"powershell\" -Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"",
              line);
}
