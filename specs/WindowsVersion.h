// The running Windows release as a version code (60 to 120, 200 for anything else) and as
// the text of the report's first line.
#pragma once

#include <windows.h>

#include <string>

enum { UnknownWindowsVersion = 200 };

// What Windows answered to the version queries, as far as they were asked.
struct VersionAnswers {
    bool firstAnswered; // GetVersionExW with the 276-byte OSVERSIONINFOW
    DWORD platformId;
    DWORD major;
    DWORD minor;
    bool rtlAnswered; // RtlGetVersion was found and returned STATUS_SUCCESS
    DWORD rtlMajor;
    DWORD rtlMinor;
    DWORD rtlBuild;
    BYTE rtlProductType;
    bool secondAnswered; // GetVersionExW with the 284-byte OSVERSIONINFOEXW
    BYTE secondProductType;
};

int ClassifyWindowsVersion(DWORD major, DWORD minor, bool workstation, DWORD build);
int VersionCodeFromAnswers(const VersionAnswers& answers);
// "Windows 10", "Windows 11", or the code itself in brackets.
std::wstring VersionCodeText(int code);

// Ask Windows afresh on every call.
int WindowsVersionCode();
std::wstring WindowsVersionText();
