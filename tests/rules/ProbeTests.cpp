#include "specs/Probes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

static BrandArea Area(const std::string& bytes)
{
    BrandArea area;
    memset(area.bytes, 0, sizeof area.bytes);
    memcpy(area.bytes, bytes.data(), bytes.size() < 48 ? bytes.size() : 48);
    return area;
}

TEST(BrandBytes, SkipsLeadingBlanksAndTabsAndKeepsTrailingBlanks)
{
    const struct {
        std::string area;
        std::string expected;
    } table[] = {
        { "AMD EPYC 7B13 64-Core Processor", "AMD EPYC 7B13 64-Core Processor" },
        { "       Intel(R) Xeon(R) CPU E5-2680 0 @ 2.70GHz", "Intel(R) Xeon(R) CPU E5-2680 0 @ 2.70GHz" },
        { "\t \tAMD Ryzen 7", "AMD Ryzen 7" },
        { "AMD Ryzen 5 3600 6-Core Processor             ", "AMD Ryzen 5 3600 6-Core Processor             " },
        { "  Inside  blanks  ", "Inside  blanks  " },
        { " \t \t  ", "" },
        { "", "" },
        { std::string("\0AMD", 4), "" },
        { std::string("AMD\0EPYC", 8), "AMD" },
        { std::string(" \0AMD", 5), "" },
        // Other white space is no blank.
        { "\nAMD", "\nAMD" },
        // 48 bytes and no NUL: the string ends with the area.
        { std::string(48, 'x'), std::string(48, 'x') },
        { "  " + std::string(46, 'y'), std::string(46, 'y') },
        { std::string(48, ' '), "" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, BrandBytes(Area(row.area))) << "\"" << row.area << "\"";
}

TEST(BrandBytes, ReadsNothingBeyondTheFortyEightBytes)
{
    struct {
        BrandArea area;
        char after[8];
    } memory;
    memset(memory.area.bytes, 'Z', sizeof memory.area.bytes);
    memcpy(memory.after, "OUTSIDE", 8);
    EXPECT_EQ(std::string(48, 'Z'), BrandBytes(memory.area));
    memset(memory.area.bytes, ' ', sizeof memory.area.bytes);
    EXPECT_EQ("", BrandBytes(memory.area));
}

static bool operator==(const DesktopRecord& a, const DesktopRecord& b)
{
    return a.width == b.width && a.height == b.height;
}

static std::ostream& operator<<(std::ostream& out, const DesktopRecord& record)
{
    return out << record.width << " x " << record.height;
}

static const DWORD Attached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
static const DWORD Primary = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE;

static DisplayDevice Device(DWORD flags, int width, int height)
{
    DisplayDevice device = { flags, true, width, height };
    return device;
}

static DisplayDevice Unreadable(DWORD flags)
{
    DisplayDevice device = { flags, false, 0, 0 };
    return device;
}

TEST(CountAttachedDevices, CountsOnlyDevicesOnTheDesktop)
{
    std::vector<DisplayDevice> devices = {
        Device(Primary, 1920, 1080),
        Unreadable(0),
        Unreadable(DISPLAY_DEVICE_MIRRORING_DRIVER),
        Unreadable(DISPLAY_DEVICE_PRIMARY_DEVICE), // primary, yet not on the desktop
        Unreadable(Attached),
        Device(Attached | DISPLAY_DEVICE_VGA_COMPATIBLE, 800, 600),
    };
    EXPECT_EQ(3, CountAttachedDevices(devices));
    EXPECT_EQ(0, CountAttachedDevices(std::vector<DisplayDevice>()));
}

TEST(BuildDesktopList, PrimaryFirstThenTheOthersInEnumerationOrder)
{
    const DesktopRecord none = { 0, 0 };
    const DesktopRecord fullHd = { 1920, 1080 }, sxga = { 1280, 1024 }, svga = { 800, 600 }, xga = { 1024, 768 };
    const struct {
        const char* name;
        int count;
        std::vector<DisplayDevice> devices;
        std::vector<DesktopRecord> expected;
    } table[] = {
        { "one primary display", 1, { Device(Primary, 1920, 1080) }, { fullHd } },
        { "primary enumerated second", 2, { Device(Attached, 1280, 1024), Device(Primary, 1920, 1080) },
          { fullHd, sxga } },
        { "primary enumerated last of three", 3,
          { Device(Attached, 1280, 1024), Device(Attached, 800, 600), Device(Primary, 1920, 1080) },
          { fullHd, sxga, svga } },
        { "a device off the desktop", 2,
          { Device(0, 640, 480), Device(Primary, 1920, 1080), Device(Attached, 800, 600) }, { fullHd, svga } },
        { "primary mode unreadable", 2, { Unreadable(Primary), Device(Attached, 800, 600) }, { none, svga } },
        { "other mode unreadable", 3,
          { Device(Primary, 1920, 1080), Unreadable(Attached), Device(Attached, 1024, 768) }, { fullHd, xga, none } },
        // No primary device: record 0 stays empty and the last device finds no room.
        { "no primary device", 2, { Device(Attached, 800, 600), Device(Attached, 1024, 768) }, { none, svga } },
        { "no primary device, one display", 1, { Device(Attached, 800, 600) }, { none } },
        // Devices that came between the passes: never more records than counted.
        { "more devices than counted", 1, { Device(Attached, 800, 600), Device(Primary, 1920, 1080) }, { fullHd } },
        { "fewer devices than counted", 2, { Device(Primary, 1920, 1080) }, { fullHd, none } },
        { "none counted", 0, { Device(Primary, 1920, 1080) }, {} },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, BuildDesktopList(row.count, row.devices).records) << row.name;
}

TEST(DesktopAt, OutsideTheListReadsZero)
{
    DesktopList list = BuildDesktopList(2, { Device(Attached, 1280, 1024), Device(Primary, 1920, 1080) });
    const struct {
        int index, width, height;
    } table[] = {
        { 0, 1920, 1080 }, { 1, 1280, 1024 }, { 2, 0, 0 }, { -1, 0, 0 }, { INT_MIN, 0, 0 }, { INT_MAX, 0, 0 },
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.width, DesktopAt(list, row.index).width) << row.index;
        EXPECT_EQ(row.height, DesktopAt(list, row.index).height) << row.index;
    }
    // Before the first enumeration the list is empty.
    DesktopList empty;
    EXPECT_EQ(0, DesktopAt(empty, 0).width);
    EXPECT_EQ(0, DesktopAt(empty, 0).height);
}
