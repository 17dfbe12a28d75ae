// The wide button "🧾 사양 자동 감지" of the real Quorvel.exe, with the powershell stand-in
// beside it printing what each test puts into powershell.exe.out.
#include "EndToEnd.h"
#include "harness/AdapterNames.h"

#include <intrin.h>

#include <cstring>

static const wchar_t ReportTitle[] = L"\uC2DC\uC2A4\uD15C \uC0AC\uC591"; // 시스템 사양

// The processor's brand string as this machine's processor gives it, leading blanks and
// tabs left out.
static std::wstring ProcessorBrand()
{
    char area[49] = {};
    for (int leaf = 0; leaf < 3; ++leaf) {
        int registers[4];
        __cpuid(registers, static_cast<int>(0x80000002u + leaf));
        memcpy(area + 16 * leaf, registers, 16);
    }
    const char* brand = area;
    while (*brand == ' ' || *brand == '\t')
        ++brand;
    return std::wstring(brand, brand + strlen(brand)); // ASCII
}

static std::wstring Megabytes()
{
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    return std::to_wstring(status.ullTotalPhys / 1048576);
}

// The report this machine gives under the bench (Windows 10 setting, a 1920 x 1080 screen).
static std::wstring ExpectedReport(const std::wstring& adapter)
{
    return L"\U0001F5A5\uFE0F \uC6B4\uC601\uCCB4\uC81C: Windows 10\n"
           L"\U0001F9E0 CPU: " + ProcessorBrand() + L"\n"
           L"\U0001F4BE \uBA54\uBAA8\uB9AC: " + Megabytes() + L" MB\n"
           L"\U0001F4CA \uD654\uBA74 \uD574\uC0C1\uB3C4: 1920 x 1080\n"
           L"\U0001F3AE \uADF8\uB798\uD53D\uCE74\uB4DC: " + adapter + L"\n";
}

class SpecReportTest : public RunningQuorvelTest {
protected:
    void SetOutput(const std::string& bytes) { WriteBytesFile(quorvel.folder + L"\\powershell.exe.out", bytes); }

    // Presses the wide button and reads its box, which it then closes.
    MessageBoxInfo PressAndDismiss()
    {
        MessageBoxInfo box;
        EXPECT_TRUE(PressForBox(quorvel, 12, box));
        return box;
    }
};

TEST_F(SpecReportTest, ReportShowsThisMachineAndChangesNothing)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    // A blank line first, then the Korean basic display adapter in the console's code page.
    SetOutput(std::string("\r\n  ") + Cp949Adapter + "\r\nSecond adapter\r\n");
    MessageBoxInfo box = PressAndDismiss();
    ASSERT_TRUE(box.handle) << "no box appeared";
    EXPECT_EQ(ReportTitle, box.title);
    EXPECT_EQ(ExpectedReport(KoreanAdapter), box.text);

    std::vector<std::wstring> calls = RecordedCalls(quorvel.folder, L"powershell.exe");
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(L"\"powershell\" -Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"",
              calls[0]);
    // No driver page opened, and neither list follows the detected hardware.
    EXPECT_TRUE(RecordedCalls(quorvel.folder, L"explorer.exe").empty());
    std::vector<ControlInfo> controls = ListControls(quorvel.window);
    EXPECT_EQ(L"HP", controls[1].text);
    EXPECT_EQ(L"NVIDIA", controls[4].text);
}

TEST_F(SpecReportTest, EveryPressAsksAfresh)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    const struct {
        std::string output;
        std::wstring adapter;
    } presses[] = {
        { "NVIDIA GeForce RTX 4070\r\n", L"NVIDIA GeForce RTX 4070" },
        { "AMD Radeon RX 7800 XT\r\n", L"AMD Radeon RX 7800 XT" },
        { "", L"\uAC10\uC9C0 \uC2E4\uD328" }, // 감지 실패
        { "  \r\n\r\n", L"\uAC10\uC9C0 \uC2E4\uD328" },
    };
    for (const auto& press : presses) {
        SetOutput(press.output);
        MessageBoxInfo box = PressAndDismiss();
        ASSERT_TRUE(box.handle) << "no box appeared";
        EXPECT_EQ(ReportTitle, box.title);
        EXPECT_EQ(ExpectedReport(press.adapter), box.text);
    }
    EXPECT_EQ(4u, RecordedCalls(quorvel.folder, L"powershell.exe").size());
}

TEST_F(SpecReportTest, HundredPressesLeaveNothingBehind)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    SetOutput("NVIDIA GeForce RTX 4070\r\n");
    ASSERT_TRUE(PressAndDismiss().handle);
    ResourceCounts first = CountResources(quorvel.process);
    ASSERT_TRUE(PressAndDismiss().handle);
    ResourceCounts second = CountResources(quorvel.process);
    for (int press = 3; press <= 100; ++press)
        ASSERT_TRUE(PressAndDismiss().handle) << "press " << press;
    ResourceCounts last = CountResources(quorvel.process);
    printf("handles, USER, GDI after press 1: %lu %lu %lu; press 2: %lu %lu %lu; press 100: %lu %lu %lu\n",
           first.handles, first.userObjects, first.gdiObjects, second.handles, second.userObjects, second.gdiObjects,
           last.handles, last.userObjects, last.gdiObjects);
    EXPECT_EQ(first.handles, last.handles);
    EXPECT_EQ(first.userObjects, last.userObjects);
    // Wine's message box keeps one GDI object of its own from the second box on (a memory DC
    // it caches); from there the count stays put.
    EXPECT_LE(second.gdiObjects, first.gdiObjects + 1);
    EXPECT_EQ(second.gdiObjects, last.gdiObjects);
    EXPECT_EQ(100u, RecordedCalls(quorvel.folder, L"powershell.exe").size());
}
