// The processor, memory and display probes of the report. Each asks the system afresh.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The processor's brand string as CPUID leaves 0x80000002 to 0x80000004 give it: EAX, EBX,
// ECX and EDX of each, low byte first. It has no room for a terminator.
struct BrandArea {
    char bytes[48];
};

// From the first byte that is neither blank nor tab up to the first NUL, or to the end of
// the area when it holds none. Trailing blanks stay.
std::string BrandBytes(const BrandArea& area);

std::wstring ProcessorName();
// Bytes of physical memory as Windows reports them; 0 when it cannot tell.
long long TotalPhysicalMemory();

// One display device as an enumeration of devices saw it.
struct DisplayDevice {
    DWORD stateFlags;
    bool modeRead; // its current mode could be read; only then width and height count
    int width;
    int height;
};

struct DesktopRecord {
    int width;
    int height;
};

// One record per device attached to the desktop; record 0 is the primary device's. A record
// that no device filled reads 0 x 0.
struct DesktopList {
    std::vector<DesktopRecord> records;
};

int CountAttachedDevices(const std::vector<DisplayDevice>& devices);
// Exactly count records from a second enumeration. Devices without a readable mode take
// none; when no room is left (no device was primary, or more are attached than counted),
// the devices enumerated last are left out.
DesktopList BuildDesktopList(int count, const std::vector<DisplayDevice>& devices);
// The record at index, or 0 x 0 outside the list.
DesktopRecord DesktopAt(const DesktopList& list, int index);

// Rebuilds the desktop list from the displays attached now; their count.
int EnumerateDesktops();
// Of the list that the last EnumerateDesktops built; 0 before the first one.
int DesktopWidth(int index);
int DesktopHeight(int index);
