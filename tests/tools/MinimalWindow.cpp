// The smallest Win32 window program: the yardstick for Quorvel's start-up time, and the
// window of another program in tests. With --topmost it comes up in the topmost band and
// asks for the foreground.
#include <windows.h>

static LRESULT CALLBACK MinimalWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    bool topmost = lstrcmpW(commandLine, L"--topmost") == 0;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = MinimalWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"MinimalWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, L"MinimalWindow", L"Minimal", WS_CAPTION | WS_SYSMENU,
                                  CW_USEDEFAULT, 0, 595, 231, NULL, NULL, instance, NULL);
    ShowWindow(window, SW_SHOWNORMAL);
    if (topmost)
        SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
