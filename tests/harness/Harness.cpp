#include "Harness.h"

#include <winternl.h>

#include <stdio.h>

static std::wstring Widen(const std::string& bytes)
{
    if (bytes.empty())
        return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), NULL, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
    return text;
}

std::wstring WindowsPath(const std::string& path)
{
    std::wstring wide = Widen(path);
    if (!wide.empty() && wide[0] == L'/')
        wide = L"Z:" + wide;
    for (wchar_t& c : wide) {
        if (c == L'/')
            c = L'\\';
    }
    return wide;
}

std::wstring FolderOf(const std::wstring& path)
{
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

std::string ReadBytesFile(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::wstring ReadTextFile(const std::wstring& path)
{
    return Widen(ReadBytesFile(path));
}

void WriteBytesFile(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(file);
}

std::wstring StageStandIns(const std::wstring& standInFolder, const std::vector<std::wstring>& standIns)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static unsigned counter;
    wchar_t folder[MAX_PATH];
    wsprintfW(folder, L"%squorvel-e2e-%lu-%lu-%u", temp, GetCurrentProcessId(), GetTickCount(), ++counter);
    CreateDirectoryW(folder, NULL);
    std::wstring staged(folder);
    for (const std::wstring& name : standIns)
        CopyFileW((standInFolder + L"\\" + name).c_str(), (staged + L"\\" + name).c_str(), FALSE);
    return staged;
}

std::wstring StageQuorvel(const std::wstring& quorvelExe, const std::wstring& standInFolder,
                          const std::vector<std::wstring>& standIns)
{
    std::wstring staged = StageStandIns(standInFolder, standIns);
    CopyFileW(quorvelExe.c_str(), (staged + L"\\Quorvel.exe").c_str(), FALSE);
    return staged;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

static BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (processId == search->processId && IsWindowVisible(window) && lstrcmpW(className, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

static HWND FindTopLevel(DWORD processId, const wchar_t* className)
{
    WindowSearch search = { processId, className, NULL };
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool StartQuorvel(const std::wstring& folder, RunningQuorvel& running)
{
    // The pointer rests away from the window: a button under it is drawn hot whenever Wine
    // first notices, and from then on Wine keeps one GDI object more for that.
    RunHostProgram(L"/usr/bin/xdotool mousemove 0 0", 10000);
    running.folder = folder;
    std::wstring commandLine = L"\"" + folder + L"\\Quorvel.exe\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &startup,
                        &running.process))
        return false;
    for (int waited = 0; waited < 30000; waited += 20) {
        HWND window = FindTopLevel(running.process.dwProcessId, L"QuorvelMainWindow");
        if (window && ControlById(window, 12)) {
            // Creation ends with the last control; give its creation and painting a moment.
            WaitForInputIdle(running.process.hProcess, 5000);
            running.window = window;
            return true;
        }
        if (WaitForSingleObject(running.process.hProcess, 20) == WAIT_OBJECT_0) {
            fprintf(stderr, "Quorvel ended before its window appeared\n");
            return false;
        }
    }
    fprintf(stderr, "Quorvel's window did not appear within 30 s (window %s)\n",
            FindTopLevel(running.process.dwProcessId, L"QuorvelMainWindow") ? "found, controls missing" : "not found");
    return false;
}

DWORD WaitForExit(RunningQuorvel& running, DWORD milliseconds)
{
    DWORD exitCode = STILL_ACTIVE;
    if (WaitForSingleObject(running.process.hProcess, milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(running.process.hProcess, &exitCode);
    return exitCode;
}

void StopQuorvel(RunningQuorvel& running)
{
    if (running.process.hProcess) {
        if (WaitForSingleObject(running.process.hProcess, 0) != WAIT_OBJECT_0) {
            TerminateProcess(running.process.hProcess, 1);
            WaitForSingleObject(running.process.hProcess, 5000);
        }
        CloseHandle(running.process.hProcess);
        CloseHandle(running.process.hThread);
    }
    running.process = PROCESS_INFORMATION();
    running.window = NULL;
}

static std::wstring WindowText(HWND window)
{
    // WM_GETTEXT, unlike GetWindowTextW, reads the text of another process's window; a
    // window that does not answer within seconds reads as empty.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(static_cast<size_t>(copied));
    return text;
}

static BOOL CALLBACK CollectChild(HWND child, LPARAM context)
{
    std::vector<HWND>* children = reinterpret_cast<std::vector<HWND>*>(context);
    children->push_back(child);
    return TRUE;
}

std::vector<ControlInfo> ListControls(HWND window)
{
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<ControlInfo> controls;
    for (HWND child : children) {
        if (GetParent(child) != window)
            continue; // the edit or list parts inside a combo box
        ControlInfo info;
        info.handle = child;
        wchar_t className[64] = L"";
        GetClassNameW(child, className, 64);
        info.className = className;
        info.id = static_cast<int>(GetWindowLongPtrW(child, GWLP_ID));
        info.style = GetWindowLongPtrW(child, GWL_STYLE);
        info.exStyle = GetWindowLongPtrW(child, GWL_EXSTYLE);
        GetWindowRect(child, &info.rect);
        MapWindowPoints(NULL, window, reinterpret_cast<POINT*>(&info.rect), 2);
        info.text = WindowText(child);
        info.selection = -1;
        if (lstrcmpiW(className, L"ComboBox") == 0) {
            LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                LRESULT length = SendMessageW(child, CB_GETLBTEXTLEN, i, 0);
                std::wstring item(static_cast<size_t>(length) + 1, L'\0');
                SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
                item.resize(static_cast<size_t>(length));
                info.items.push_back(item);
            }
            info.selection = static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0));
        }
        controls.push_back(info);
    }
    return controls;
}

HWND ControlById(HWND window, int id)
{
    // GetDlgItem would take a label's automatic id of 0 too; only direct children count.
    for (const ControlInfo& control : ListControls(window)) {
        if (control.id == id)
            return control.handle;
    }
    return NULL;
}

RECT ClientRectOf(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

void PressButton(HWND window, int id)
{
    PostMessageW(ControlById(window, id), BM_CLICK, 0, 0);
}

void ChooseListItem(HWND window, int id, int index)
{
    HWND list = ControlById(window, id);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

bool WaitUntilHandled(HWND window, DWORD milliseconds)
{
    // A sent message is taken only when the thread next asks for a message.
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}

bool WaitForMessageBox(DWORD processId, DWORD milliseconds, MessageBoxInfo& box, DWORD pollMilliseconds)
{
    for (DWORD waited = 0;; waited += pollMilliseconds) {
        HWND found = FindTopLevel(processId, L"#32770");
        if (found) {
            box.handle = found;
            box.owner = GetWindow(found, GW_OWNER);
            box.title = WindowText(found);
            // The message text is the static control with the id 0xFFFF.
            box.text = WindowText(GetDlgItem(found, 0xFFFF));
            return true;
        }
        if (waited >= milliseconds)
            return false;
        Sleep(pollMilliseconds);
    }
}

double MillisecondsSince(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool PressForBox(const RunningQuorvel& running, int id, MessageBoxInfo& box, double* millisecondsToBox,
                 DWORD waitMilliseconds)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    PressButton(running.window, id);
    if (!WaitForMessageBox(running.process.dwProcessId, waitMilliseconds, box, millisecondsToBox ? 1 : 20))
        return false;
    if (millisecondsToBox)
        *millisecondsToBox = MillisecondsSince(start);
    DismissMessageBox(box);
    return WaitUntilGone(box.handle, 10000) && WaitUntilHandled(running.window, 10000);
}

double RunMilliseconds(const std::wstring& exe)
{
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    double elapsed = MillisecondsSince(start);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return elapsed;
}

bool NoMessageBoxWithin(DWORD processId, DWORD milliseconds)
{
    MessageBoxInfo box;
    return !WaitForMessageBox(processId, milliseconds, box);
}

void DismissMessageBox(const MessageBoxInfo& box)
{
    PostMessageW(GetDlgItem(box.handle, IDOK), BM_CLICK, 0, 0);
}

bool WaitUntilGone(HWND window, DWORD milliseconds)
{
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        if (!IsWindow(window) || !IsWindowVisible(window))
            return true;
        Sleep(20);
    }
    return false;
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

int FocusedControlId(HWND window)
{
    HWND focus = FocusedWindow(window);
    return focus && GetParent(focus) == window ? static_cast<int>(GetWindowLongPtrW(focus, GWLP_ID)) : -1;
}

int WaitForFocusedControl(HWND window, int id, DWORD milliseconds)
{
    for (DWORD waited = 0;; waited += 20) {
        int focused = FocusedControlId(window);
        if (focused == id || waited >= milliseconds)
            return focused;
        Sleep(20);
    }
}

bool PressKeys(const std::wstring& keys)
{
    return RunHostProgram(L"/usr/bin/xdotool key --delay 40 " + keys, 10000) == 0;
}

bool ClickAt(int x, int y)
{
    wchar_t command[96];
    wsprintfW(command, L"/usr/bin/xdotool mousemove %d %d click 1", x, y);
    return RunHostProgram(command, 10000) == 0;
}

std::vector<std::wstring> RecordedCalls(const std::wstring& folder, const wchar_t* standIn)
{
    std::wstring text = ReadTextFile(folder + L"\\" + standIn + L".calls");
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::vector<std::wstring> WaitForCalls(const std::wstring& folder, const wchar_t* standIn, size_t count,
                                       DWORD milliseconds)
{
    for (DWORD waited = 0;; waited += 20) {
        std::vector<std::wstring> calls = RecordedCalls(folder, standIn);
        if (calls.size() >= count || waited >= milliseconds)
            return calls;
        Sleep(20);
    }
}

DWORD RunHostProgram(const std::wstring& commandLine, DWORD milliseconds)
{
    // Wine starts a program of the host but cannot wait for it or read its exit code: a
    // shell runs it and leaves the code in a file that this side watches for.
    static unsigned counter;
    wchar_t name[64];
    wsprintfW(name, L"/tmp/quorvel-host-%lu-%u", GetCurrentProcessId(), ++counter);
    std::wstring statusFile = name;
    std::wstring line = L"/bin/sh -c \"" + commandLine + L"; echo $? > " + statusFile + L".part && mv " + statusFile
                        + L".part " + statusFile + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return static_cast<DWORD>(-1);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    std::wstring windowsStatusFile = WindowsPath(std::string(statusFile.begin(), statusFile.end()));
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        std::wstring status = ReadTextFile(windowsStatusFile);
        if (!status.empty()) {
            DeleteFileW(windowsStatusFile.c_str());
            return static_cast<DWORD>(_wtoi(status.c_str()));
        }
        Sleep(20);
    }
    return STILL_ACTIVE;
}

unsigned long XWindowOf(HWND window)
{
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(GetPropW(window, L"__wine_x11_whole_window")));
}

// The layouts below are those of ntdll's SystemExtendedHandleInformation (64) and of the
// GDI handle table that the PEB points to at GdiSharedHandleTable (offset 0xF8 on x64).
struct SystemHandleEntry {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT backTraceIndex;
    USHORT typeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct SystemHandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    SystemHandleEntry handles[1];
};

#pragma pack(push, 4)
struct GdiHandleEntry {
    ULONG64 object;
    ULONG owner;
    UCHAR type;
    UCHAR flags;
    USHORT unique;
    ULONG64 userPointer;
};
#pragma pack(pop)

typedef NTSTATUS(NTAPI* QuerySystemInformation)(ULONG, PVOID, ULONG, PULONG);
typedef NTSTATUS(NTAPI* QueryInformationProcess)(HANDLE, ULONG, PVOID, ULONG, PULONG);

template <typename Function> static Function NtdllFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

static DWORD CountKernelHandles(DWORD processId)
{
    QuerySystemInformation query = NtdllFunction<QuerySystemInformation>("NtQuerySystemInformation");
    std::vector<char> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        NTSTATUS status = query(64, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == static_cast<NTSTATUS>(0xC0000004L)) { // STATUS_INFO_LENGTH_MISMATCH
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != 0)
            return 0;
        const SystemHandleList* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
        DWORD count = 0;
        for (ULONG_PTR i = 0; i < list->count; ++i)
            count += list->handles[i].processId == processId;
        return count;
    }
}

static DWORD CountGdiObjects(HANDLE process)
{
    QueryInformationProcess query = NtdllFunction<QueryInformationProcess>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic = {};
    if (query(process, 0, &basic, sizeof basic, NULL) != 0 || !basic.PebBaseAddress)
        return 0;
    ULONG64 table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + 0xF8, &table, sizeof table, &read)
        || !table)
        return 0;
    std::vector<GdiHandleEntry> entries(0x10000);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), &read))
        return 0;
    DWORD count = 0;
    for (const GdiHandleEntry& entry : entries)
        count += entry.type != 0;
    return count;
}

struct WindowCount {
    DWORD processId;
    DWORD count;
};

static BOOL CALLBACK CountChild(HWND, LPARAM context)
{
    ++reinterpret_cast<WindowCount*>(context)->count;
    return TRUE;
}

static BOOL CALLBACK CountTopLevel(HWND window, LPARAM context)
{
    WindowCount* windows = reinterpret_cast<WindowCount*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == windows->processId) {
        ++windows->count;
        EnumChildWindows(window, CountChild, context);
    }
    return TRUE;
}

ResourceCounts CountResources(const PROCESS_INFORMATION& process)
{
    ResourceCounts counts = {};
    GetProcessHandleCount(process.hProcess, &counts.handles);
    counts.userObjects = GetGuiResources(process.hProcess, GR_USEROBJECTS);
    counts.gdiObjects = GetGuiResources(process.hProcess, GR_GDIOBJECTS);
    if (!counts.handles)
        counts.handles = CountKernelHandles(process.dwProcessId);
    if (!counts.userObjects) {
        WindowCount windows = { process.dwProcessId, 0 };
        EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&windows));
        counts.userObjects = windows.count;
    }
    if (!counts.gdiObjects)
        counts.gdiObjects = CountGdiObjects(process.hProcess);
    return counts;
}
