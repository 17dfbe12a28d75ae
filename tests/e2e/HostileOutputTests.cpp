// The wide button while the program in place of PowerShell misbehaves: the summary still
// comes with its five lines, and the program keeps nothing of it. Each byte is read on its
// own, about a tenth of a millisecond apiece under Wine, so the floods here are kept to
// thousands of bytes; the benchmark times the full-size ones (100,000 blank lines, 10 MiB
// without a line feed).
#include "EndToEnd.h"

#include <string>

static const wchar_t Failed[] = L"\uAC10\uC9C0 \uC2E4\uD328"; // 감지 실패

// The fifth line's value, and how many line feeds the report holds.
static std::wstring AdapterLine(const std::wstring& report, size_t& lineFeeds)
{
    lineFeeds = 0;
    for (wchar_t c : report)
        lineFeeds += c == L'\n';
    const std::wstring label = L"\U0001F3AE \uADF8\uB798\uD53D\uCE74\uB4DC: ";
    size_t start = report.find(label);
    if (start == std::wstring::npos || report.empty() || report.back() != L'\n')
        return std::wstring();
    start += label.size();
    return report.substr(start, report.size() - 1 - start);
}

TEST_F(RunningQuorvelTest, HostileChildOutputStillGivesFiveLinesAndLeavesNothingBehind)
{
    std::string blankLines;
    for (int i = 0; i < 2000; ++i)
        blankLines += "\r\n";
    const struct {
        const char* what;
        std::string output;
        std::string repeat;
        std::wstring adapter;
    } table[] = {
        { "a name", "Test Adapter\r\n", "", L"Test Adapter" },
        { "2,000 blank lines before the name", blankLines + "Late Adapter\r\n", "", L"Late Adapter" },
        { "a name in invalid UTF-8", "Bad \xff\xfe Name\r\n", "", L"" },
        { "a NUL in the middle of the name", std::string("Cut\0Off\r\n", 9), "", L"Cut" },
        { "only carriage returns", std::string(5000, '\r'), "", Failed },
        { "20,000 bytes without a line feed", std::string(20000, 'x'), "", std::wstring(20000, L'x') },
        { "nothing, and an exit at once", "", "", Failed },
        { "a name, then an endless stream", "Endless Adapter\r\n", "more output that never ends\r\n",
          L"Endless Adapter" },
        { "a name again, afterwards", "Test Adapter\r\n", "", L"Test Adapter" },
    };
    ASSERT_NO_FATAL_FAILURE(Start({ L"powershell.exe" }));
    ResourceCounts first = {};
    for (size_t i = 0; i < sizeof table / sizeof table[0]; ++i) {
        const auto& row = table[i];
        WriteBytesFile(quorvel.folder + L"\\powershell.exe.out", row.output);
        std::wstring repeatFile = quorvel.folder + L"\\powershell.exe.repeat";
        if (row.repeat.empty())
            DeleteFileW(repeatFile.c_str());
        else
            WriteBytesFile(repeatFile, row.repeat);

        MessageBoxInfo box;
        ASSERT_TRUE(PressForBox(quorvel, 12, box)) << row.what;
        size_t lineFeeds = 0;
        std::wstring adapter = AdapterLine(box.text, lineFeeds);
        EXPECT_EQ(5u, lineFeeds) << row.what;
        if (row.adapter.empty())
            EXPECT_FALSE(adapter.empty()) << row.what; // decoded somehow, never dropped
        else
            EXPECT_EQ(row.adapter, adapter) << row.what;
        EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), WaitForExit(quorvel, 0)) << row.what;
        if (i == 0)
            first = CountResources(quorvel.process);
    }
    // Two boxes in, Wine's message box has cached what it keeps; a third name shows the rest.
    ResourceCounts last = CountResources(quorvel.process);
    EXPECT_EQ(first.handles, last.handles);
    EXPECT_EQ(first.userObjects, last.userObjects);
    EXPECT_LE(last.gdiObjects, first.gdiObjects + 1);
}
