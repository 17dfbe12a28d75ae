// Measures the running program for the benchmark command (never for a test's verdict).
//   BenchTool startup N EXE...          starts each program N times in turn; per program the
//                                       median time from process start to its first visible
//                                       top-level window
//   BenchTool report N QUORVEL STANDINS the time from a press of the wide button to its box,
//                                       beside the stand-in PowerShell's own run time
//   BenchTool resources QUORVEL STANDINS working set, handles, USER and GDI objects after
//                                       start-up and after 100 presses of each button
//   BenchTool hostile QUORVEL STANDINS  the time to the box for the floods of output too
//                                       large for the tests
// QUORVEL is the built Quorvel.exe and STANDINS the folder of the stand-in programs, both as
// Windows paths.
#include "Harness.h"
#include "app/UserInterface.h"

#include <psapi.h>

#include <algorithm>
#include <stdio.h>

struct VisibleSearch {
    DWORD processId;
    HWND found;
};

static BOOL CALLBACK MatchVisible(HWND window, LPARAM context)
{
    VisibleSearch* search = reinterpret_cast<VisibleSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Start to visible window, in milliseconds; negative when the window never showed.
static double TimeStartUp(const std::wstring& exe)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER started;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, FolderOf(exe).c_str(), &startup, &process))
        return -1;
    VisibleSearch search = { process.dwProcessId, NULL };
    for (int polls = 0; !search.found && polls < 2000000; ++polls) {
        EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(0);
    }
    double elapsed = MillisecondsSince(started);
    if (search.found)
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return search.found ? elapsed : -1;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

static void PrintSpread(const char* what, const std::vector<double>& samples)
{
    printf("%s: median %.1f ms, min %.1f, max %.1f over %u\n", what, Median(samples),
           *std::min_element(samples.begin(), samples.end()), *std::max_element(samples.begin(), samples.end()),
           static_cast<unsigned>(samples.size()));
}

static bool StartStaged(const wchar_t* quorvelExe, const wchar_t* standIns, RunningQuorvel& quorvel)
{
    std::wstring folder = StageQuorvel(quorvelExe, standIns, { L"explorer.exe", L"powershell.exe" });
    WriteBytesFile(folder + L"\\powershell.exe.out", "NVIDIA GeForce RTX 4070\r\n");
    if (StartQuorvel(folder, quorvel))
        return true;
    fprintf(stderr, "Quorvel did not start\n");
    return false;
}

static int MeasureReport(int runs, const wchar_t* quorvelExe, const wchar_t* standIns)
{
    RunningQuorvel quorvel;
    if (!StartStaged(quorvelExe, standIns, quorvel))
        return 1;
    MessageBoxInfo box;
    PressForBox(quorvel, DetectSpecsButton, box); // the first press loads what later ones reuse
    std::vector<double> toBox, standIn;
    for (int run = 0; run < runs; ++run) {
        double milliseconds = 0;
        if (!PressForBox(quorvel, DetectSpecsButton, box, &milliseconds))
            return 1;
        toBox.push_back(milliseconds);
        standIn.push_back(RunMilliseconds(quorvel.folder + L"\\powershell.exe"));
    }
    StopQuorvel(quorvel);
    PrintSpread("press to box", toBox);
    PrintSpread("the stand-in PowerShell alone", standIn);
    return 0;
}

static void PrintCounts(const char* when, const RunningQuorvel& quorvel)
{
    WaitUntilHandled(quorvel.window, 10000);
    ResourceCounts counts = CountResources(quorvel.process);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(quorvel.process.hProcess, &memory, sizeof memory);
    printf("%s: working set %lu KiB, %lu handles, %lu USER, %lu GDI\n", when,
           static_cast<unsigned long>(memory.WorkingSetSize / 1024), counts.handles, counts.userObjects,
           counts.gdiObjects);
}

static int MeasureResources(const wchar_t* quorvelExe, const wchar_t* standIns)
{
    RunningQuorvel quorvel;
    if (!StartStaged(quorvelExe, standIns, quorvel))
        return 1;
    PrintCounts("after start-up", quorvel);
    MessageBoxInfo box;
    for (int press = 1; press <= 100; ++press) {
        PressButton(quorvel.window, OpenMainboardPageButton);
        PressButton(quorvel.window, OpenGraphicsPageButton);
        WaitForCalls(quorvel.folder, L"explorer.exe", 2 * static_cast<size_t>(press), 10000);
        if (!PressForBox(quorvel, DetectSpecsButton, box))
            return 1;
        if (press == 1)
            PrintCounts("after the first press of each button", quorvel);
    }
    PrintCounts("after 100 presses of each button", quorvel);
    StopQuorvel(quorvel);
    return 0;
}

static int MeasureHostile(const wchar_t* quorvelExe, const wchar_t* standIns)
{
    std::string blankLines;
    for (int i = 0; i < 100000; ++i)
        blankLines += "\r\n";
    const struct {
        const char* what;
        std::string output;
    } floods[] = {
        { "100,000 blank lines, then the name", blankLines + "NVIDIA GeForce RTX 4070\r\n" },
        { "10 MiB without a line feed", std::string(10 << 20, 'x') },
    };
    for (const auto& flood : floods) {
        RunningQuorvel quorvel;
        if (!StartStaged(quorvelExe, standIns, quorvel))
            return 1;
        WriteBytesFile(quorvel.folder + L"\\powershell.exe.out", flood.output);
        MessageBoxInfo box;
        double milliseconds = 0;
        bool shown = PressForBox(quorvel, DetectSpecsButton, box, &milliseconds, 3600000);
        bool running = WaitForExit(quorvel, 0) == STILL_ACTIVE;
        printf("%s: %s after %.0f ms; the program %s\n", flood.what, shown ? "box" : "NO BOX", milliseconds,
               running ? "runs on" : "ENDED");
        StopQuorvel(quorvel);
    }
    return 0;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 4 && lstrcmpW(argv[1], L"startup") == 0) {
        int runs = _wtoi(argv[2]);
        std::vector<std::vector<double>> times(static_cast<size_t>(argc - 3));
        for (int run = 0; run < runs; ++run) {
            for (int program = 3; program < argc; ++program)
                times[static_cast<size_t>(program - 3)].push_back(TimeStartUp(argv[program]));
        }
        for (int program = 3; program < argc; ++program) {
            const std::vector<double>& samples = times[static_cast<size_t>(program - 3)];
            wprintf(L"%ls: median %.1f ms, min %.1f, max %.1f over %d runs\n", argv[program], Median(samples),
                    *std::min_element(samples.begin(), samples.end()),
                    *std::max_element(samples.begin(), samples.end()), runs);
        }
        if (argc == 5)
            wprintf(L"ratio of the medians, first to second: %.2f\n", Median(times[0]) / Median(times[1]));
        return 0;
    }
    if (argc == 5 && lstrcmpW(argv[1], L"report") == 0)
        return MeasureReport(_wtoi(argv[2]), argv[3], argv[4]);
    if (argc == 4 && lstrcmpW(argv[1], L"resources") == 0)
        return MeasureResources(argv[2], argv[3]);
    if (argc == 4 && lstrcmpW(argv[1], L"hostile") == 0)
        return MeasureHostile(argv[2], argv[3]);
    fprintf(stderr, "usage: BenchTool startup N EXE... | report N QUORVEL STANDINS | resources QUORVEL STANDINS"
                    " | hostile QUORVEL STANDINS\n");
    return 2;
}
