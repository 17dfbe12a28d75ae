#include "launch/CommandLine.h"

std::wstring ProgramCommandLine(const std::wstring& program, const std::wstring& parameters)
{
    std::wstring commandLine = !program.empty() && program[0] == L'"' ? program : L"\"" + program + L"\"";
    if (!parameters.empty())
        commandLine += L" " + parameters;
    return commandLine;
}
