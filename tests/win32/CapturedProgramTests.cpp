// The captured child program on a real pipe under Wine: the powershell stand-in, staged in
// a folder of its own, writes what each test puts into powershell.exe.out.
#include "specs/CapturedProgram.h"
#include "specs/GraphicsAdapter.h"
#include "harness/AdapterNames.h"

#include "Harness.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

static std::wstring StandInFolder;

static const int NoWait = -1;

// A folder with the stand-in that writes the output and then runs on for the time given.
static std::wstring StageStandIn(const std::string& output, int waitMilliseconds = NoWait)
{
    std::wstring folder = StageStandIns(StandInFolder, { L"powershell.exe" });
    WriteBytesFile(folder + L"\\powershell.exe.out", output);
    if (waitMilliseconds != NoWait)
        WriteBytesFile(folder + L"\\powershell.exe.wait", std::to_string(waitMilliseconds));
    return folder;
}

static std::wstring StandInProgram(const std::wstring& folder)
{
    return L"\"" + folder + L"\\powershell.exe\"";
}

// The stand-ins this process started that still run.
static std::vector<HANDLE> RunningChildren()
{
    std::vector<HANDLE> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID != GetCurrentProcessId() || lstrcmpiW(entry.szExeFile, L"powershell.exe") != 0)
            continue;
        HANDLE child = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
        if (child && WaitForSingleObject(child, 0) == WAIT_TIMEOUT)
            children.push_back(child);
        else if (child)
            CloseHandle(child);
    }
    CloseHandle(snapshot);
    return children;
}

static void EndChildren(const std::vector<HANDLE>& children)
{
    for (HANDLE child : children) {
        TerminateProcess(child, 1);
        WaitForSingleObject(child, 5000);
        CloseHandle(child);
    }
}

TEST(ReadProgramLine, TakesLinesFromTheChildsOutputAsWritten)
{
    ASSERT_EQ(949u, GetOEMCP()) << "the bench runs with the Korean OEM code page";
    const struct {
        std::string output;
        std::vector<std::wstring> expected;
    } table[] = {
        { "NVIDIA GeForce RTX 4070\r\n", { L"NVIDIA GeForce RTX 4070" } },
        { "Na\rme\r\n\r\n   \r\n\t\r\nlast without LF", { L"Name", L"", L"   ", L"\t", L"last without LF" } },
        { std::string("AMD\0Radeon\r\nIntel\r\n", 19), { L"AMD", L"Intel" } },
        { std::string(Cp949Adapter) + "\r\n" + Utf8Adapter + "\r\n", { KoreanAdapter, KoreanAdapter } },
        // Bytes that are neither UTF-8 nor CP949 reach the decoding all the same.
        { "Caf\xE9\r\n", { DecodeProgramLine("Caf\xE9") } },
        { "", {} },
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::PrintToString(row.output));
        CapturedProgram child;
        ASSERT_TRUE(StartCapturedProgram(StandInProgram(StageStandIn(row.output)), L"", L"", child));
        for (const std::wstring& line : row.expected) {
            EXPECT_TRUE(ProgramRunning(child));
            EXPECT_EQ(line, ReadProgramLine(child));
        }
        // Once the child has ended and its output is drained, it no longer counts as running.
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.process, 10000));
        EXPECT_FALSE(ProgramRunning(child));
        CloseProgram(child);
    }
}

TEST(ReadProgramLine, OutputOfAnEndedChildIsStillReadAndLaterLinesStayInThePipe)
{
    CapturedProgram child;
    ASSERT_TRUE(StartCapturedProgram(StandInProgram(StageStandIn("First\r\nSecond\r\n")), L"", L"", child));
    DWORD flags = 0;
    ASSERT_TRUE(GetHandleInformation(child.output, &flags));
    EXPECT_EQ(0u, flags & HANDLE_FLAG_INHERIT) << "the child must not get the read end";

    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.process, 10000));
    EXPECT_TRUE(ProgramRunning(child));
    EXPECT_EQ(L"First", ReadProgramLine(child));
    DWORD available = 0;
    ASSERT_TRUE(PeekNamedPipe(child.output, NULL, 0, NULL, &available, NULL));
    EXPECT_EQ(8u, available) << "the second line is left unread";
    EXPECT_TRUE(ProgramRunning(child));
    EXPECT_EQ(L"Second", ReadProgramLine(child));
    EXPECT_FALSE(ProgramRunning(child));
    CloseProgram(child);
}

TEST(CloseProgram, LeavesAChildThatRunsOnRunning)
{
    CapturedProgram child;
    ASSERT_TRUE(StartCapturedProgram(StandInProgram(StageStandIn("Name\r\n", 60000)), L"", L"", child));
    EXPECT_EQ(L"Name", ReadProgramLine(child));
    // Still running with nothing in the pipe: the answer comes without waiting for output.
    EXPECT_TRUE(ProgramRunning(child));
    HANDLE process = NULL;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), child.process, GetCurrentProcess(), &process, 0, FALSE,
                                DUPLICATE_SAME_ACCESS));
    CloseProgram(child);
    EXPECT_EQ(NULL, child.process);
    EXPECT_EQ(NULL, child.output);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(process, 0));
    EndChildren({ process });
}

TEST(FirstOutputLine, ReturnsTheFirstNonBlankLineWhileTheChildRunsOn)
{
    std::wstring folder = StageStandIn("\r\n   \r\n\n  NVIDIA GeForce  RTX 4070  \r\nSecond\r\n", 60000);
    EXPECT_EQ(L"NVIDIA GeForce  RTX 4070", FirstOutputLine(StandInProgram(folder), L""));
    std::vector<HANDLE> children = RunningChildren();
    EXPECT_EQ(1u, children.size()) << "the query neither waited for the child nor ended it";
    EndChildren(children);
}

TEST(FirstOutputLine, BlankOnlyOrNoOutputOrNoProgramGiveNothing)
{
    const struct {
        const char* name;
        std::wstring program;
        std::wstring expected;
    } table[] = {
        { "a tab is no blank", StandInProgram(StageStandIn("  \r\n\t\r\nName\r\n")), L"\t" },
        { "blank lines only", StandInProgram(StageStandIn("\r\n    \r\n\n  ")), L"" },
        { "no output", StandInProgram(StageStandIn("")), L"" },
        { "no such program", L"quorvel-no-such-program", L"" },
        { "no such file", StandInProgram(StageStandIns(StandInFolder, {})), L"" },
    };
    for (const auto& row : table)
        EXPECT_EQ(row.expected, FirstOutputLine(row.program, L"")) << row.name;

    CapturedProgram child;
    EXPECT_FALSE(StartCapturedProgram(L"quorvel-no-such-program", L"-x", L"", child));
}

// The query run from the folder: Windows searches the current folder for the program
// before the system's, where Wine keeps a powershell.exe of its own.
static std::wstring GraphicsAdapterNameIn(const std::wstring& folder)
{
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder.c_str());
    std::wstring name = GraphicsAdapterName();
    SetCurrentDirectoryW(previous);
    return name;
}

TEST(GraphicsAdapterName, StartsPowerShellHiddenWithTheExactCommandLine)
{
    std::wstring folder = StageStandIn("\r\n  " + std::string(Cp949Adapter) + "  \r\nSecond adapter\r\n");
    EXPECT_EQ(KoreanAdapter, GraphicsAdapterNameIn(folder));
    std::vector<std::wstring> calls = RecordedCalls(folder, L"powershell.exe");
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(L"\"powershell\" -Command \"Get-CimInstance Win32_VideoController | Select-Object -ExpandProperty Name\"",
              calls[0]);
    EXPECT_EQ(98u, calls[0].size());
    // Standard handles given and the window hidden.
    EXPECT_EQ(L"flags=0x101 show=0\n", ReadTextFile(folder + L"\\powershell.exe.startup"));
}

TEST(GraphicsAdapterName, FallsBackWhenNothingIsWritten)
{
    std::wstring folder = StageStandIn("   \r\n");
    EXPECT_EQ(L"\uAC10\uC9C0 \uC2E4\uD328", GraphicsAdapterNameIn(folder));
    EXPECT_EQ(1u, RecordedCalls(folder, L"powershell.exe").size());
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        fprintf(stderr, "usage: CapturedProgramTests STANDIN_FOLDER\n");
        return 2;
    }
    StandInFolder = WindowsPath(argv[1]);
    return RUN_ALL_TESTS();
}
