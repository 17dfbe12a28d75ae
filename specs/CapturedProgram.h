// A child program whose standard output is read line by line. The child is never ended by
// this side and never waited for once it is closed: it runs on by itself.
#pragma once

#include <windows.h>

#include <string>

struct CapturedProgram {
    HANDLE process;
    HANDLE output; // read end of the output pipe, not inheritable; null when no pipe was made
};

// How the child is started, with or without a pipe for its output.
struct CapturedStart {
    DWORD startupFlags;
    bool redirected; // standard output to the pipe, input and error as this process has them
    BOOL inheritHandles;
    DWORD creationFlags;
};
CapturedStart CapturedStartSettings(bool pipeMade);

// Adds one byte read from the output to the line; false when the byte ends the line (LF).
// CR is dropped wherever it stands.
bool TakeLineByte(std::string& line, char byte);
bool IsValidUtf8(const std::string& bytes);
// The line's text up to its first NUL: as UTF-8 when the bytes are valid UTF-8, else in the
// OEM code page, in which a console program such as Windows PowerShell writes to a pipe.
std::wstring DecodeProgramLine(const std::string& bytes);

// Starts the program hidden, its standard output into a pipe; false when it did not start.
bool StartCapturedProgram(const std::wstring& program, const std::wstring& parameters,
                          const std::wstring& workingDirectory, CapturedProgram& started);
// Yes while the child runs or unread output waits in the pipe. Never blocks.
bool ProgramRunning(const CapturedProgram& program);
// The next line, without its LF; blocks until a whole line or the end of the output.
std::wstring ReadProgramLine(const CapturedProgram& program);
void CloseProgram(CapturedProgram& program);
