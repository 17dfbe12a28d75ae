#include "launch/LaunchProgram.h"

#include "launch/CommandLine.h"

STARTUPINFOW LaunchStartupInfo()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    return startup;
}

std::wstring ShellWorkingDirectory(const std::wstring& program, const std::wstring& workingDirectory)
{
    if (!workingDirectory.empty())
        return workingDirectory;
    size_t backslash = program.rfind(L'\\');
    if (backslash == std::wstring::npos || backslash == 0)
        return std::wstring();
    return program.substr(0, backslash + 1);
}

SHELLEXECUTEINFOW ShellLaunchInfo(const std::wstring& program, const std::wstring& parameters,
                                  const std::wstring& directory)
{
    SHELLEXECUTEINFOW shell = {};
    shell.cbSize = sizeof shell;
    // The shell hands back the process handle (if there is a process), finishes its work
    // before it returns, and shows no error box of its own.
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    shell.lpFile = program.c_str();
    shell.lpParameters = parameters.c_str();
    shell.lpDirectory = directory.empty() ? NULL : directory.c_str();
    shell.nShow = SW_SHOWNORMAL;
    return shell;
}

bool LaunchProgram(const std::wstring& program, const std::wstring& parameters, const std::wstring& workingDirectory)
{
    // CreateProcessW may write into the command line: it gets a copy of its own.
    std::wstring commandLine = ProgramCommandLine(program, parameters);
    STARTUPINFOW startup = LaunchStartupInfo();
    PROCESS_INFORMATION process = {};
    // No application name: Windows takes the first token of the line and searches for it.
    if (CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, NORMAL_PRIORITY_CLASS, NULL,
                       workingDirectory.empty() ? NULL : workingDirectory.c_str(), &startup, &process)) {
        // The program runs on by itself; nothing here waits for it.
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }
    // Whatever the command-line search cannot start, the shell may still open.
    std::wstring directory = ShellWorkingDirectory(program, workingDirectory);
    SHELLEXECUTEINFOW shell = ShellLaunchInfo(program, parameters, directory);
    if (!ShellExecuteExW(&shell))
        return false;
    if (shell.hProcess)
        CloseHandle(shell.hProcess);
    return true;
}
