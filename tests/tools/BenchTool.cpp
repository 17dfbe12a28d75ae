// Measures the running program for the benchmark command (never for a test's verdict).
//   BenchTool startup N EXE...   starts each program N times in turn and prints, per program,
//                                the median time from process start to its first visible
//                                top-level window, in milliseconds
#include "Harness.h"

#include <algorithm>
#include <stdio.h>

static double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

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
    LARGE_INTEGER started, shown;
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, FolderOf(exe).c_str(), &startup, &process))
        return -1;
    VisibleSearch search = { process.dwProcessId, NULL };
    for (int polls = 0; !search.found && polls < 2000000; ++polls) {
        EnumWindows(MatchVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            Sleep(0);
    }
    QueryPerformanceCounter(&shown);
    if (search.found)
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return search.found ? Milliseconds(started, shown) : -1;
}

static double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
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
    fprintf(stderr, "usage: BenchTool startup N EXE...\n");
    return 2;
}
