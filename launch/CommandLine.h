// The command line of a started program, shared by every way the program starts another.
#pragma once

#include <string>

// The program in double quotes (unless it already begins with one), then one blank and the
// parameters when there are any. Nothing else is quoted or escaped.
std::wstring ProgramCommandLine(const std::wstring& program, const std::wstring& parameters);
