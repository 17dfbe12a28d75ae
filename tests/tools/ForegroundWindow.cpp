// A window of another process for the notice-box tests: it comes up in the foreground and in
// the topmost band, and stays until it is closed.
#include <windows.h>

static LRESULT CALLBACK ForegroundWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ForegroundWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(NULL, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"QuorvelTestForeground";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Another program",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 400, 400, 200, NULL, NULL, instance, NULL);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
