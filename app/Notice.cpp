#include "app/Notice.h"

HWND NoticeOwner(HWND foreground, DWORD foregroundProcessId, DWORD currentProcessId)
{
    return foreground && foregroundProcessId == currentProcessId ? foreground : NULL;
}

static BOOL CALLBACK DisableThreadWindow(HWND window, LPARAM context)
{
    std::vector<AffectedWindow>* affected = reinterpret_cast<std::vector<AffectedWindow>*>(context);
    if (GetWindowThreadProcessId(window, NULL) != GetCurrentThreadId() || !IsWindowVisible(window))
        return TRUE;
    AffectedWindow entry = { window, (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, false };
    // The foreground is asked afresh for each window; it is never disabled.
    if (window != GetForegroundWindow() && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        entry.disabledHere = true;
    }
    affected->push_back(entry);
    return TRUE;
}

int ShowNotice(const wchar_t* title, const wchar_t* text)
{
    HWND foreground = GetForegroundWindow();
    DWORD foregroundProcessId = 0;
    if (foreground)
        GetWindowThreadProcessId(foreground, &foregroundProcessId);
    HWND owner = NoticeOwner(foreground, foregroundProcessId, GetCurrentProcessId());

    std::vector<AffectedWindow> affected;
    EnumWindows(DisableThreadWindow, reinterpret_cast<LPARAM>(&affected));
    // Out of the topmost band while the box is open, last enumerated first.
    for (size_t i = affected.size(); i-- > 0;) {
        if (affected[i].topmost)
            SetWindowPos(affected[i].window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    int result = MessageBoxW(owner, text, title, MB_OK);

    for (size_t i = affected.size(); i-- > 0;) {
        if (affected[i].disabledHere)
            EnableWindow(affected[i].window, TRUE);
        if (affected[i].topmost)
            SetWindowPos(affected[i].window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return result;
}
