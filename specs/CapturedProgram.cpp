#include "specs/CapturedProgram.h"

#include "launch/CommandLine.h"
#include "specs/WideText.h"

CapturedStart CapturedStartSettings(bool pipeMade)
{
    CapturedStart settings;
    if (pipeMade) {
        CapturedStart withPipe = { STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES, true, TRUE, NORMAL_PRIORITY_CLASS };
        settings = withPipe;
    } else {
        // Nothing to hand on, so nothing is inherited; a console of its own keeps the
        // child's output off ours.
        CapturedStart withoutPipe = { STARTF_USESHOWWINDOW, false, FALSE, NORMAL_PRIORITY_CLASS | CREATE_NEW_CONSOLE };
        settings = withoutPipe;
    }
    return settings;
}

bool TakeLineByte(std::string& line, char byte)
{
    if (byte == '\n')
        return false;
    if (byte != '\r')
        line += byte;
    return true;
}

// Length of the UTF-8 sequence that starts at i, or 0 when none starts there. Overlong
// forms, surrogates and values above U+10FFFF are not UTF-8.
static size_t Utf8SequenceLength(const std::string& bytes, size_t i)
{
    unsigned char lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80)
        return 1;
    size_t length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(bytes[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

bool IsValidUtf8(const std::string& bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::wstring DecodeProgramLine(const std::string& bytes)
{
    std::string text = bytes.substr(0, bytes.find('\0'));
    return WideText(IsValidUtf8(text) ? CP_UTF8 : CP_OEMCP, text);
}

bool StartCapturedProgram(const std::wstring& program, const std::wstring& parameters,
                          const std::wstring& workingDirectory, CapturedProgram& started)
{
    started.process = NULL;
    started.output = NULL;
    SECURITY_ATTRIBUTES inheritable = { sizeof inheritable, NULL, TRUE };
    HANDLE readEnd = NULL, writeEnd = NULL;
    bool pipeMade = CreatePipe(&readEnd, &writeEnd, &inheritable, 0) != FALSE;
    if (pipeMade) {
        // The child must not hold the read end, or the output would never end for us.
        HANDLE ownReadEnd = NULL;
        if (DuplicateHandle(GetCurrentProcess(), readEnd, GetCurrentProcess(), &ownReadEnd, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            CloseHandle(readEnd);
            readEnd = ownReadEnd;
        }
    }

    CapturedStart settings = CapturedStartSettings(pipeMade);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = settings.startupFlags;
    startup.wShowWindow = SW_HIDE;
    if (settings.redirected) {
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = writeEnd;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    std::wstring commandLine = ProgramCommandLine(program, parameters);
    PROCESS_INFORMATION process = {};
    BOOL created = CreateProcessW(NULL, &commandLine[0], NULL, NULL, settings.inheritHandles, settings.creationFlags,
                                  NULL, workingDirectory.empty() ? NULL : workingDirectory.c_str(), &startup, &process);
    if (writeEnd)
        CloseHandle(writeEnd);
    if (!created) {
        if (readEnd)
            CloseHandle(readEnd);
        return false;
    }
    CloseHandle(process.hThread);
    started.process = process.hProcess;
    started.output = readEnd;
    return true;
}

bool ProgramRunning(const CapturedProgram& program)
{
    if (WaitForSingleObject(program.process, 0) != WAIT_OBJECT_0)
        return true;
    if (!program.output)
        return false;
    DWORD available = 0;
    return PeekNamedPipe(program.output, NULL, 0, NULL, &available, NULL) && available > 0;
}

std::wstring ReadProgramLine(const CapturedProgram& program)
{
    // One byte per read, so that the lines after this one stay in the pipe.
    std::string line;
    for (;;) {
        char byte = 0;
        DWORD got = 0;
        if (!program.output || !ReadFile(program.output, &byte, 1, &got, NULL) || got == 0)
            break;
        if (!TakeLineByte(line, byte))
            break;
    }
    return DecodeProgramLine(line);
}

void CloseProgram(CapturedProgram& program)
{
    CloseHandle(program.process);
    if (program.output)
        CloseHandle(program.output);
    program.process = NULL;
    program.output = NULL;
}
