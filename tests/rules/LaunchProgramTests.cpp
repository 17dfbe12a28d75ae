#include "launch/LaunchProgram.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ShellWorkingDirectory, ComesFromTheCallerOrFromTheProgramsFolder)
{
    const struct {
        const wchar_t* program;
        const wchar_t* workingDirectory;
        const wchar_t* expected;
    } table[] = {
        // The caller's directory wins, whatever the program text holds.
        { L"C:\\Tools\\app.exe", L"D:\\Work", L"D:\\Work" },
        { L"explorer.exe", L"D:\\Work\\", L"D:\\Work\\" },
        // Without one: the folder part with its closing backslash.
        { L"C:\\Tools\\app.exe", L"", L"C:\\Tools\\" },
        { L"C:\\app.exe", L"", L"C:\\" },
        { L"\\\\server\\share\\app.exe", L"", L"\\\\server\\share\\" },
        { L"C:\\Tools\\", L"", L"C:\\Tools\\" },
        { L"Tools\\Sub\\app", L"", L"Tools\\Sub\\" },
        // A quoted program keeps its opening quote in the folder part: the text is used as it is.
        { L"\"C:\\Tools\\app.exe\"", L"", L"\"C:\\Tools\\" },
        // Forward slashes are no folder separators here.
        { L"C:/Tools/app.exe", L"", L"" },
        // A bare name, or a backslash only at the first position: none.
        { L"explorer.exe", L"", L"" },
        { L"\\app.exe", L"", L"" },
        { L"\\", L"", L"" },
        { L"", L"", L"" },
    };
    for (const auto& row : table) {
        EXPECT_EQ(std::wstring(row.expected), ShellWorkingDirectory(row.program, row.workingDirectory))
            << testing::PrintToString(std::wstring(row.program)) << " "
            << testing::PrintToString(std::wstring(row.workingDirectory));
    }
}

TEST(LaunchStartupInfo, AllZeroButSizeAndNormalShow)
{
    STARTUPINFOW startup = LaunchStartupInfo();
    EXPECT_EQ(104u, startup.cb);
    EXPECT_EQ(static_cast<DWORD>(STARTF_USESHOWWINDOW), startup.dwFlags);
    EXPECT_EQ(1u, startup.dwFlags);
    EXPECT_EQ(SW_SHOWNORMAL, startup.wShowWindow);
    EXPECT_EQ(1, startup.wShowWindow);
    startup.cb = 0;
    startup.dwFlags = 0;
    startup.wShowWindow = 0;
    STARTUPINFOW zero;
    std::memset(&zero, 0, sizeof zero);
    EXPECT_EQ(0, std::memcmp(&zero, &startup, sizeof startup));
}

TEST(ShellLaunchInfo, AllZeroButTheFieldsTheShellNeeds)
{
    const struct {
        const wchar_t* program;
        const wchar_t* parameters;
        const wchar_t* directory;
    } table[] = {
        { L"explorer.exe", L"https://support.hp.com/kr-ko/drivers", L"" },
        { L"C:\\Tools\\app.exe", L"", L"C:\\Tools\\" },
        { L"\"C:\\Tools\\app.exe\"", L"-x \"a b\"", L"D:\\Work" },
    };
    for (const auto& row : table) {
        std::wstring program = row.program, parameters = row.parameters, directory = row.directory;
        SHELLEXECUTEINFOW shell = ShellLaunchInfo(program, parameters, directory);
        SCOPED_TRACE(testing::PrintToString(program));
        EXPECT_EQ(112u, shell.cbSize);
        EXPECT_EQ(0x540u, shell.fMask);
        EXPECT_EQ(static_cast<ULONG>(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI), shell.fMask);
        EXPECT_EQ(NULL, shell.hwnd);
        EXPECT_EQ(nullptr, shell.lpVerb);
        // The caller's own texts: the program unquoted by this side, the parameters even when
        // empty, the directory only when there is one.
        EXPECT_EQ(program.c_str(), shell.lpFile);
        EXPECT_EQ(parameters.c_str(), shell.lpParameters);
        EXPECT_EQ(directory.empty() ? nullptr : directory.c_str(), shell.lpDirectory);
        EXPECT_EQ(SW_SHOWNORMAL, shell.nShow);
        shell.cbSize = 0;
        shell.fMask = 0;
        shell.lpFile = nullptr;
        shell.lpParameters = nullptr;
        shell.lpDirectory = nullptr;
        shell.nShow = 0;
        SHELLEXECUTEINFOW zero;
        std::memset(&zero, 0, sizeof zero);
        EXPECT_EQ(0, std::memcmp(&zero, &shell, sizeof shell));
    }
}
