// Starting another program with one parameter text, without waiting for it: first as a
// process of its own, and when that fails through the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

// Whether the program was started, by either route. An empty working directory means none:
// the program then works in the caller's current directory.
bool LaunchProgram(const std::wstring& program, const std::wstring& parameters, const std::wstring& workingDirectory);

// How the started program's first window is shown: normally, as the user would open it.
STARTUPINFOW LaunchStartupInfo();

// The shell route's working directory: the caller's, or else the program's folder with its
// closing backslash. A bare name, or one whose only backslash is its first character, has
// none (the empty text).
std::wstring ShellWorkingDirectory(const std::wstring& program, const std::wstring& workingDirectory);

// What the shell is asked to open. The strings stay the caller's and must outlive the call.
SHELLEXECUTEINFOW ShellLaunchInfo(const std::wstring& program, const std::wstring& parameters,
                                  const std::wstring& directory);
