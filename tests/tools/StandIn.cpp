// Stands in for a program that Quorvel starts (explorer.exe, powershell.exe) when it is
// placed beside Quorvel.exe. Files beside the stand-in, named after it, steer it:
//   NAME.calls  each start appends its command line here, as one UTF-8 line;
//   NAME.startup  each start appends how it was asked to start: "flags=0x101 show=0";
//   NAME.out    if present, its bytes are written to standard output, unchanged;
//   NAME.repeat if present, its bytes are then written again and again, until a write fails
//               (the reader has closed its end), as a program that never finishes would;
//   NAME.wait   if present, the number of milliseconds to keep running afterwards.
#include <windows.h>

#include <string>

static std::string ReadFileBytes(const std::wstring& path, bool& found)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    found = file != INVALID_HANDLE_VALUE;
    if (!found)
        return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

static void AppendToFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS, 0,
                              NULL);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(file);
}

int wmain()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(NULL, self, MAX_PATH);
    std::wstring base(self);

    const wchar_t* commandLine = GetCommandLineW();
    int length = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, NULL, 0, NULL, NULL);
    std::string record(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, &record[0], length, NULL, NULL);
    record.back() = '\n';
    AppendToFile(base + L".calls", record);

    STARTUPINFOW startup = {};
    GetStartupInfoW(&startup);
    char line[64];
    int lineLength = wsprintfA(line, "flags=0x%lx show=%u\n", startup.dwFlags, startup.wShowWindow);
    AppendToFile(base + L".startup", std::string(line, static_cast<size_t>(lineLength)));

    bool found = false;
    std::string output = ReadFileBytes(base + L".out", found);
    DWORD written = 0;
    if (found && !output.empty())
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), static_cast<DWORD>(output.size()), &written, NULL);

    std::string repeat = ReadFileBytes(base + L".repeat", found);
    while (found && !repeat.empty()
           && WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), repeat.data(), static_cast<DWORD>(repeat.size()), &written, NULL))
        ;

    std::string wait = ReadFileBytes(base + L".wait", found);
    if (found)
        Sleep(static_cast<DWORD>(atol(wait.c_str())));
    return 0;
}
