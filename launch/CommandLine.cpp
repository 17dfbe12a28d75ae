#include "launch/CommandLine.h"

std::wstring ProgramCommandLine(const std::wstring& program, const std::wstring& parameters)
{
    std::wstring line;
    if (!program.empty() && program[0] == L'"')
        line = program;
    else
        line = L"\"" + program + L"\"";
    if (!parameters.empty())
        line += L" " + parameters;
    return line;
}
