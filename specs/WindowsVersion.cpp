#include "specs/WindowsVersion.h"

#include "specs/NumberText.h"

#ifdef _MSC_VER
#pragma warning(disable : 4996) // GetVersionExW is deprecated, and asked on purpose
#endif

struct VersionRow {
    DWORD major;
    DWORD minor;
    int workstationCode;
    int serverCode;
};

static const VersionRow VersionRows[] = {
    { 5, 2, 60, 65 },  // Windows XP x64 / Server 2003
    { 6, 0, 70, 75 },  // Vista / Server 2008
    { 6, 1, 80, 85 },  // 7 / Server 2008 R2
    { 6, 2, 90, 95 },  // 8 / Server 2012
    { 6, 3, 100, 105 }, // 8.1 / Server 2012 R2
};

int ClassifyWindowsVersion(DWORD major, DWORD minor, bool workstation, DWORD build)
{
    // 10.0 covers both 10 and 11, told apart by the build alone, servers included.
    if (major == 10 && minor == 0)
        return build >= 22000u ? 120 : 110;
    for (const VersionRow& row : VersionRows) {
        if (row.major == major && row.minor == minor)
            return workstation ? row.workstationCode : row.serverCode;
    }
    return UnknownWindowsVersion;
}

int VersionCodeFromAnswers(const VersionAnswers& answers)
{
    if (!answers.firstAnswered || answers.platformId != VER_PLATFORM_WIN32_NT)
        return UnknownWindowsVersion;
    if (answers.rtlAnswered)
        return ClassifyWindowsVersion(answers.rtlMajor, answers.rtlMinor, answers.rtlProductType == VER_NT_WORKSTATION,
                                      answers.rtlBuild);
    if (!answers.secondAnswered)
        return UnknownWindowsVersion;
    // Without RtlGetVersion the build is not trusted: 10.0 then always reads as Windows 10.
    return ClassifyWindowsVersion(answers.major, answers.minor, answers.secondProductType == VER_NT_WORKSTATION, 0);
}

std::wstring VersionCodeText(int code)
{
    if (code == 110)
        return L"Windows 10";
    if (code == 120)
        return L"Windows 11";
    return L"Windows (버전: " + NumberText(code) + L")";
}

typedef LONG(WINAPI* RtlGetVersionFunction)(RTL_OSVERSIONINFOEXW*);

int WindowsVersionCode()
{
    VersionAnswers answers = {};
    OSVERSIONINFOW first = {};
    first.dwOSVersionInfoSize = 276;
    answers.firstAnswered = GetVersionExW(&first) != FALSE;
    if (!answers.firstAnswered || first.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return VersionCodeFromAnswers(answers);
    answers.platformId = first.dwPlatformId;
    answers.major = first.dwMajorVersion;
    answers.minor = first.dwMinorVersion;

    RTL_OSVERSIONINFOEXW rtl = {};
    rtl.dwOSVersionInfoSize = 284;
    // Only an ntdll that is already loaded is asked; nothing is loaded for this.
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    RtlGetVersionFunction rtlGetVersion =
        ntdll ? reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
              : NULL;
    answers.rtlAnswered = rtlGetVersion && rtlGetVersion(&rtl) == 0;
    if (answers.rtlAnswered) {
        answers.rtlMajor = rtl.dwMajorVersion;
        answers.rtlMinor = rtl.dwMinorVersion;
        answers.rtlBuild = rtl.dwBuildNumber;
        answers.rtlProductType = rtl.wProductType;
        return VersionCodeFromAnswers(answers);
    }

    OSVERSIONINFOEXW second = {};
    second.dwOSVersionInfoSize = 284;
    answers.secondAnswered = GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&second)) != FALSE;
    answers.secondProductType = second.wProductType;
    return VersionCodeFromAnswers(answers);
}

std::wstring WindowsVersionText()
{
    return VersionCodeText(WindowsVersionCode());
}
