// LaunchProgram for real under Wine: a stand-in program, batch files and registry entries of
// the tests' own show which route was taken and what the started program received.
#include "launch/LaunchProgram.h"

#include "InProcess.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

static const wchar_t NzxtUrl[] =
    L"https://support.nzxt.com/hc/ko/articles/41497983048091-N9-X870E-%EB%8B%A4%EC%9A%B4%EB%A1%9C%EB%93%9C";

// This process's kernel handles, counted as the leak checks count them.
static DWORD OwnHandleCount()
{
    PROCESS_INFORMATION self = { GetCurrentProcess(), NULL, GetCurrentProcessId(), GetCurrentThreadId() };
    return CountResources(self).handles;
}

// The running processes that this process started, by file name (any name when null).
static std::vector<DWORD> StartedProcesses(const wchar_t* exeName)
{
    std::vector<DWORD> started;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == GetCurrentProcessId() && (!exeName || lstrcmpiW(entry.szExeFile, exeName) == 0))
            started.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return started;
}

static void EndProcesses(const std::vector<DWORD>& processIds)
{
    for (DWORD id : processIds) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}

// A batch file that appends the folder it runs in to where.txt beside itself.
static std::wstring StageWhereBatch(const std::wstring& folder)
{
    WriteBytesFile(folder + L"\\where.bat", "@cd >> \"%~dp0where.txt\"\r\n");
    return folder + L"\\where.bat";
}

// The folders where.bat ran in so far, waiting until there are at least count.
static std::vector<std::wstring> WhereBatchRan(const std::wstring& folder, size_t count)
{
    std::vector<std::wstring> lines;
    for (DWORD waited = 0; lines.size() < count && waited < 10000; waited += 20) {
        Sleep(20);
        std::wstring text = ReadTextFile(folder + L"\\where.txt");
        lines.clear();
        size_t start = 0;
        for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

static void SetRegistryText(HKEY root, const std::wstring& key, const std::wstring& value)
{
    HKEY opened = NULL;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, key.c_str(), 0, NULL, 0, KEY_SET_VALUE, NULL, &opened, NULL));
    RegSetValueExW(opened, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(opened);
}

static std::wstring UniqueName(const wchar_t* prefix)
{
    wchar_t name[64];
    wsprintfW(name, L"%s%lu", prefix, GetCurrentProcessId());
    return name;
}

// What a start of the stand-in staged in folder left behind. The stand-in sleeps on after it
// has recorded its command line.
struct StandInStart {
    bool launched;
    DWORD handlesBefore;
    DWORD handlesAfter;          // this process's handles right after LaunchProgram returned
    size_t running;              // stand-ins still running once the start is recorded
    std::vector<std::wstring> calls;
};

static StandInStart StartStandInTwice(const std::wstring& folder, const std::wstring& program, const char* route)
{
    WriteBytesFile(folder + L"\\explorer.exe.wait", "60000");
    // The first start lets Wine open what it keeps for every later one.
    LaunchProgram(program, L"first", L"");
    WaitForCalls(folder, L"explorer.exe", 1, 10000);

    StandInStart start = {};
    start.handlesBefore = OwnHandleCount();
    LARGE_INTEGER began;
    QueryPerformanceCounter(&began);
    start.launched = LaunchProgram(program, NzxtUrl, L"");
    printf("LaunchProgram returned after %.1f ms (%s)\n", MillisecondsSince(began), route);
    start.handlesAfter = OwnHandleCount();
    start.calls = WaitForCalls(folder, L"explorer.exe", 2, 10000);
    std::vector<DWORD> running = StartedProcesses(L"explorer.exe");
    start.running = running.size();
    EndProcesses(running);
    return start;
}

TEST(LaunchProgram, StartsTheProgramItselfAndReturnsWhileItStillRuns)
{
    std::wstring folder = StageStandIns(StandInFolder, { L"explorer.exe" });
    std::wstring program = folder + L"\\explorer.exe";
    StandInStart start = StartStandInTwice(folder, program, "CreateProcessW");
    EXPECT_TRUE(start.launched);
    // Both stand-ins have recorded their start and sleep on: nothing waited for them.
    EXPECT_EQ(2u, start.running);
    EXPECT_EQ(start.handlesBefore, start.handlesAfter) << "the process and thread handles are closed at once";
    ASSERT_EQ(2u, start.calls.size());
    EXPECT_EQ(L"\"" + program + L"\" " + NzxtUrl, start.calls[1]);
}

TEST(LaunchProgram, StartedProgramWorksInTheGivenFolderOrInTheCallersOwn)
{
    std::wstring folder = StageStandIns(StandInFolder, {});
    std::wstring other = StageStandIns(StandInFolder, {});
    std::wstring batch = StageWhereBatch(folder);
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);

    EXPECT_TRUE(LaunchProgram(batch, L"", L""));
    ASSERT_EQ(1u, WhereBatchRan(folder, 1).size());
    EXPECT_TRUE(LaunchProgram(batch, L"", other));
    std::vector<std::wstring> ran = WhereBatchRan(folder, 2);
    ASSERT_EQ(2u, ran.size());
    EXPECT_EQ(std::wstring(current), ran[0]);
    EXPECT_EQ(other, ran[1]);
}

TEST(LaunchProgram, ShellStartsANameThatOnlyTheShellKnows)
{
    // An App Paths entry makes a bare name known to the shell; the command-line search of
    // CreateProcessW does not look there.
    std::wstring folder = StageStandIns(StandInFolder, { L"explorer.exe" });
    std::wstring name = UniqueName(L"quorvel-test-") + L".exe";
    std::wstring appPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name;
    SetRegistryText(HKEY_LOCAL_MACHINE, appPath, folder + L"\\explorer.exe");
    StandInStart start = StartStandInTwice(folder, name, "ShellExecuteExW");
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, appPath.c_str());

    EXPECT_TRUE(start.launched);
    EXPECT_EQ(2u, start.running);
    EXPECT_EQ(start.handlesBefore, start.handlesAfter) << "the shell's process handle is closed at once";
    ASSERT_EQ(2u, start.calls.size());
    // How the shell writes the program's path is its own business; the parameters are ours.
    const std::wstring& call = start.calls[1];
    std::wstring tail = std::wstring(L" ") + NzxtUrl;
    ASSERT_GT(call.size(), tail.size());
    EXPECT_EQ(tail, call.substr(call.size() - tail.size())) << testing::PrintToString(call);
}

TEST(LaunchProgram, ShellOpensADocumentInItsOwnFolderOrTheGivenOne)
{
    // A document type of the test's own, opened by where.bat: CreateProcessW cannot start a
    // document, the shell opens it with its type's program.
    std::wstring folder = StageStandIns(StandInFolder, {});
    std::wstring other = StageStandIns(StandInFolder, {});
    std::wstring batch = StageWhereBatch(folder);
    std::wstring extension = UniqueName(L".quorveltest");
    std::wstring type = UniqueName(L"QuorvelTest.Document");
    SetRegistryText(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + extension, type);
    SetRegistryText(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + type + L"\\shell\\open\\command", L"\"" + batch + L"\"");
    std::wstring document = folder + L"\\page" + extension;
    WriteBytesFile(document, "page");

    EXPECT_TRUE(LaunchProgram(document, L"", L""));
    ASSERT_EQ(1u, WhereBatchRan(folder, 1).size());
    EXPECT_TRUE(LaunchProgram(document, L"", other));
    std::vector<std::wstring> ran = WhereBatchRan(folder, 2);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + type).c_str());
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, (L"Software\\Classes\\" + extension).c_str());

    ASSERT_EQ(2u, ran.size());
    EXPECT_EQ(folder, ran[0]) << "the document's folder";
    EXPECT_EQ(other, ran[1]) << "the caller's folder";
}

static std::vector<HWND> VisibleTopLevelWindows()
{
    std::vector<HWND> windows;
    for (HWND window = GetTopWindow(NULL); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsWindowVisible(window))
            windows.push_back(window);
    }
    return windows;
}

TEST(LaunchProgram, FailsWithoutAWordWhenNeitherRouteCanStartTheProgram)
{
    const wchar_t* programs[] = {
        L"quorvel-no-such-program.exe",
        L"\"quorvel-no-such-program.exe\"",
        L"C:\\quorvel-no-such-folder\\explorer.exe",
    };
    std::vector<HWND> windowsBefore = VisibleTopLevelWindows();
    for (const wchar_t* program : programs) {
        bool launched = true;
        bool boxAppeared = RunWatchingForMessageBox(
            500, [&]() { launched = LaunchProgram(program, NzxtUrl, L""); }, [](const MessageBoxInfo&) {});
        EXPECT_FALSE(launched) << testing::PrintToString(std::wstring(program));
        EXPECT_FALSE(boxAppeared) << testing::PrintToString(std::wstring(program));
    }
    // No window of any program has come up, and nothing was started.
    for (HWND window : VisibleTopLevelWindows()) {
        bool wasThere = false;
        for (HWND before : windowsBefore)
            wasThere = wasThere || before == window;
        EXPECT_TRUE(wasThere) << "a new window " << window;
    }
    EXPECT_TRUE(StartedProcesses(nullptr).empty());
}
