// End-to-end harness: stages Quorvel.exe with stand-in programs in a folder of its own,
// starts it, and reads and drives its window from this process, as another program would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A Windows path for a path that the build gave in Unix form.
std::wstring WindowsPath(const std::string& path);
std::wstring FolderOf(const std::wstring& path);
std::string ReadBytesFile(const std::wstring& path);
std::wstring ReadTextFile(const std::wstring& path); // UTF-8 file as UTF-16
void WriteBytesFile(const std::wstring& path, const std::string& bytes);

// A fresh folder holding a copy of each stand-in named (explorer.exe, powershell.exe).
std::wstring StageStandIns(const std::wstring& standInFolder, const std::vector<std::wstring>& standIns);
// The same with a copy of Quorvel.exe beside them: Windows searches a program's own folder
// first for what it starts.
std::wstring StageQuorvel(const std::wstring& quorvelExe, const std::wstring& standInFolder,
                          const std::vector<std::wstring>& standIns);

struct RunningQuorvel {
    PROCESS_INFORMATION process = {};
    HWND window = NULL;
    std::wstring folder;
};

// Starts the staged program and waits until its window is visible with all seven controls.
bool StartQuorvel(const std::wstring& folder, RunningQuorvel& running);
// Waits for the process to end; its exit code, or STILL_ACTIVE after the time-out.
DWORD WaitForExit(RunningQuorvel& running, DWORD milliseconds);
// Ends the process if it still runs and closes the handles.
void StopQuorvel(RunningQuorvel& running);

struct ControlInfo {
    HWND handle;
    std::wstring className;
    int id;
    LONG_PTR style;
    LONG_PTR exStyle;
    RECT rect; // in the main window's client coordinates
    std::wstring text;
    std::vector<std::wstring> items; // drop-down lists only
    int selection;                   // drop-down lists only; -1 for none
};

std::vector<ControlInfo> ListControls(HWND window);
HWND ControlById(HWND window, int id);
RECT ClientRectOf(HWND window);

// Presses a button without waiting for its handler, as a click would.
void PressButton(HWND window, int id);
// Selects a list item and notifies the window as a user's choice would (CBN_SELCHANGE).
void ChooseListItem(HWND window, int id, int index);
// Returns once the window's thread is back in its message loop, so that whatever handler was
// running has ended; false when it did not come back in time.
bool WaitUntilHandled(HWND window, DWORD milliseconds);

struct MessageBoxInfo {
    HWND handle = NULL;
    HWND owner = NULL;
    std::wstring title;
    std::wstring text;
};

// The first visible message box of the process, waiting up to the time given; it looks
// again every pollMilliseconds.
bool WaitForMessageBox(DWORD processId, DWORD milliseconds, MessageBoxInfo& box, DWORD pollMilliseconds = 20);
// Presses a button whose handler shows a box, reads the box, closes it and waits until the
// handler is back in the event loop; false when no box came. With millisecondsToBox, looks
// for the box every millisecond and tells how long it took to come. The box may take up to
// waitMilliseconds to come.
bool PressForBox(const RunningQuorvel& running, int id, MessageBoxInfo& box, double* millisecondsToBox = NULL,
                 DWORD waitMilliseconds = 60000);
// True when no message box of the process appears within the time given.
bool NoMessageBoxWithin(DWORD processId, DWORD milliseconds);
void DismissMessageBox(const MessageBoxInfo& box);
bool WaitUntilGone(HWND window, DWORD milliseconds);

// The window with the keyboard focus in the thread of the given window, or null.
HWND FocusedWindow(HWND window);
// The id of the window's control that has the focus, or -1 when none of them has it.
int FocusedControlId(HWND window);
// Waits until the focused control is the one given (-1: none); the id it ends on.
int WaitForFocusedControl(HWND window, int id, DWORD milliseconds);
// Real keys through the X server, as xdotool names them ("Tab", "shift+Tab", "space").
bool PressKeys(const std::wstring& keys);
// Real mouse click at a point of the screen.
bool ClickAt(int x, int y);

// Lines a stand-in wrote to its record of calls, one command line each.
std::vector<std::wstring> RecordedCalls(const std::wstring& folder, const wchar_t* standIn);
// Waits until the record holds at least count lines.
std::vector<std::wstring> WaitForCalls(const std::wstring& folder, const wchar_t* standIn, size_t count,
                                       DWORD milliseconds);

// What a process holds, for leak checks. Windows answers GetProcessHandleCount and
// GetGuiResources; Wine 8 answers 0 to all three, so there the kernel handles are counted
// from the system's handle list, the GDI objects from the process's own GDI handle table,
// and the USER objects by the windows the process owns.
struct ResourceCounts {
    DWORD handles;
    DWORD userObjects;
    DWORD gdiObjects;
};
ResourceCounts CountResources(const PROCESS_INFORMATION& process);

double MillisecondsSince(const LARGE_INTEGER& start);
// Runs a program hidden, with no standard handles, to its end; how long that took.
double RunMilliseconds(const std::wstring& exe);

// Runs a shell command of the host (such as xdotool) and waits for it; its exit code, or
// STILL_ACTIVE when it did not end in time.
DWORD RunHostProgram(const std::wstring& commandLine, DWORD milliseconds);
// The X11 window behind a Wine top-level window, for xdotool.
unsigned long XWindowOf(HWND window);
