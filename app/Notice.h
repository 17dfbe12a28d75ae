// The notice box: a modal message box with one OK button. While it is open the calling
// thread's other windows are out of reach; afterwards they are exactly as they were.
#pragma once

#include <windows.h>

#include <vector>

// A visible top-level window of the calling thread, as the box found it.
struct AffectedWindow {
    HWND window;
    bool topmost;      // had WS_EX_TOPMOST
    bool disabledHere; // this box disabled it
};

// Shows the box and returns what MessageBoxW returned (IDOK, or 0 when it could not show).
int ShowNotice(const wchar_t* title, const wchar_t* text);

// The owner: the foreground window when it belongs to this process, else none.
HWND NoticeOwner(HWND foreground, DWORD foregroundProcessId, DWORD currentProcessId);
