#include "specs/SpecReport.h"

#include "app/Notice.h"
#include "specs/GraphicsAdapter.h"
#include "specs/NumberText.h"
#include "specs/Probes.h"
#include "specs/WindowsVersion.h"

long long MemoryMegabytes(long long bytes)
{
    return bytes / 1024 / 1024;
}

std::wstring SpecReportText(const SpecValues& values)
{
    // Only the first emoji carries a variation selector.
    std::wstring report;
    report += L"\U0001F5A5\uFE0F 운영체제: " + values.windows + L"\n";
    report += L"\U0001F9E0 CPU: " + values.processor + L"\n";
    report += L"\U0001F4BE 메모리: " + NumberText(MemoryMegabytes(values.memoryBytes)) + L" MB\n";
    report += L"\U0001F4CA 화면 해상도: " + NumberText(values.width) + L" x " + NumberText(values.height) + L"\n";
    report += L"\U0001F3AE 그래픽카드: " + values.graphics + L"\n";
    return report;
}

std::wstring BuildSpecReport()
{
    // The PowerShell query waits for a child program, so it comes last.
    SpecValues values;
    values.windows = WindowsVersionText();
    values.processor = ProcessorName();
    values.memoryBytes = TotalPhysicalMemory();
    EnumerateDesktops();
    values.width = DesktopWidth(0);
    values.height = DesktopHeight(0);
    values.graphics = GraphicsAdapterName();
    return SpecReportText(values);
}

void ShowSystemSpecs()
{
    ShowNotice(L"시스템 사양", BuildSpecReport().c_str());
}
