#include "specs/GraphicsAdapter.h"

#include "specs/CapturedProgram.h"

const wchar_t GraphicsQueryProgram[] = L"powershell";
const wchar_t GraphicsQueryParameters[] =
    L"-Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"";

std::wstring TrimBlanks(const std::wstring& line)
{
    size_t start = line.find_first_not_of(L' ');
    if (start == std::wstring::npos)
        return std::wstring();
    return line.substr(start, line.find_last_not_of(L' ') - start + 1);
}

std::wstring FirstOutputLine(const std::wstring& program, const std::wstring& parameters)
{
    std::wstring result;
    CapturedProgram child;
    if (!StartCapturedProgram(program, parameters, std::wstring(), child))
        return result;
    while (ProgramRunning(child)) {
        result = TrimBlanks(ReadProgramLine(child));
        if (!result.empty())
            break;
    }
    CloseProgram(child);
    return result;
}

std::wstring GraphicsAdapterName()
{
    std::wstring name = FirstOutputLine(GraphicsQueryProgram, GraphicsQueryParameters);
    return name.empty() ? std::wstring(L"감지 실패") : name;
}
