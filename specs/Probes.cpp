#include "specs/Probes.h"

#include "specs/WideText.h"

#include <intrin.h>
#include <string.h>

std::string BrandBytes(const BrandArea& area)
{
    const size_t size = sizeof area.bytes;
    size_t start = 0;
    while (start < size && (area.bytes[start] == ' ' || area.bytes[start] == '\t'))
        ++start;
    size_t end = start;
    while (end < size && area.bytes[end] != '\0')
        ++end;
    return std::string(area.bytes + start, end - start);
}

std::wstring ProcessorName()
{
    // The highest extended leaf is not asked: the three leaves are always read.
    BrandArea area;
    for (unsigned leaf = 0; leaf < 3; ++leaf) {
        int registers[4];
        __cpuid(registers, static_cast<int>(0x80000002u + leaf));
        memcpy(area.bytes + 16 * leaf, registers, 16);
    }
    return WideText(CP_ACP, BrandBytes(area));
}

long long TotalPhysicalMemory()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = 64;
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    return static_cast<long long>(status.ullTotalPhys);
}

int CountAttachedDevices(const std::vector<DisplayDevice>& devices)
{
    int count = 0;
    for (const DisplayDevice& device : devices)
        count += (device.stateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) != 0;
    return count;
}

DesktopList BuildDesktopList(int count, const std::vector<DisplayDevice>& devices)
{
    DesktopList list;
    if (count <= 0)
        return list;
    DesktopRecord unfilled = { 0, 0 };
    list.records.assign(static_cast<size_t>(count), unfilled);
    size_t next = 1;
    for (const DisplayDevice& device : devices) {
        if (!(device.stateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) || !device.modeRead)
            continue;
        DesktopRecord record = { device.width, device.height };
        if (device.stateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)
            list.records[0] = record;
        else if (next < list.records.size())
            list.records[next++] = record;
    }
    return list;
}

DesktopRecord DesktopAt(const DesktopList& list, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= list.records.size()) {
        DesktopRecord none = { 0, 0 };
        return none;
    }
    return list.records[static_cast<size_t>(index)];
}

// The desktop list of the last enumeration, read by DesktopWidth and DesktopHeight.
static DesktopList Desktops;

static std::vector<DisplayDevice> ReadDisplayDevices(bool readModes)
{
    std::vector<DisplayDevice> devices;
    for (DWORD index = 0;; ++index) {
        DISPLAY_DEVICEW device = {};
        device.cb = 840;
        if (!EnumDisplayDevicesW(NULL, index, &device, 0))
            return devices;
        DisplayDevice seen = { device.StateFlags, false, 0, 0 };
        if (readModes && (device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)) {
            DEVMODEW mode = {};
            mode.dmSize = 220;
            mode.dmDriverExtra = 0;
            if (EnumDisplaySettingsW(device.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) {
                seen.modeRead = true;
                seen.width = static_cast<int>(mode.dmPelsWidth);
                seen.height = static_cast<int>(mode.dmPelsHeight);
            }
        }
        devices.push_back(seen);
    }
}

int EnumerateDesktops()
{
    Desktops = DesktopList();
    int count = CountAttachedDevices(ReadDisplayDevices(false));
    if (count == 0)
        return 0;
    // Devices may come and go between the passes: the first pass's count sizes the list.
    Desktops = BuildDesktopList(count, ReadDisplayDevices(true));
    return count;
}

int DesktopWidth(int index)
{
    return DesktopAt(Desktops, index).width;
}

int DesktopHeight(int index)
{
    return DesktopAt(Desktops, index).height;
}
