// The name of the first video controller, as Windows PowerShell lists them.
#pragma once

#include <string>

extern const wchar_t GraphicsQueryProgram[];
extern const wchar_t GraphicsQueryParameters[];

// The line without blanks (U+0020 only) at either end; tabs stay.
std::wstring TrimBlanks(const std::wstring& line);
// The first line the program writes that is not blank, trimmed; empty when there is none.
// Returns as soon as it has the line, while the program may still run on.
std::wstring FirstOutputLine(const std::wstring& program, const std::wstring& parameters);
// The adapter's name, or "감지 실패".
std::wstring GraphicsAdapterName();
