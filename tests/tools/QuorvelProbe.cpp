// Reads and drives a running Quorvel from the command line, for scripts and for a look by hand.
//   QuorvelProbe wait            waits for the window; prints its process id
//   QuorvelProbe window          the window's outer rectangle on the screen: x y width height
//   QuorvelProbe boxwindow       the same for the message box that is open
//   QuorvelProbe controls        one line per control: class, id, style, rectangle, text, items
//   QuorvelProbe press ID        presses a button without waiting for its handler
//   QuorvelProbe box [MS]        waits for a message box; prints its title and text
//   QuorvelProbe ok              dismisses the message box
//   QuorvelProbe focus           the id of the control with the focus, or "none"
//   QuorvelProbe close           asks the window to close
#include "Harness.h"

#include <stdio.h>

static HWND FindQuorvel(DWORD milliseconds)
{
    for (DWORD waited = 0;; waited += 50) {
        HWND window = FindWindowW(L"QuorvelMainWindow", NULL);
        if ((window && IsWindowVisible(window)) || waited >= milliseconds)
            return window;
        Sleep(50);
    }
}

static void Print(const std::wstring& text)
{
    // UTF-8 out, so that Korean text survives whatever reads it.
    int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), NULL, 0, NULL, NULL);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], length, NULL, NULL);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: QuorvelProbe wait|window|boxwindow|controls|press ID|box [MS]|ok|focus|close\n");
        return 2;
    }
    std::wstring command = argv[1];
    HWND window = FindQuorvel(command == L"wait" ? 20000 : 2000);
    if (!window) {
        fprintf(stderr, "no Quorvel window\n");
        return 1;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (command == L"wait") {
        printf("%lu\n", processId);
    } else if (command == L"window") {
        RECT rect;
        GetWindowRect(window, &rect);
        printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    } else if (command == L"controls") {
        for (const ControlInfo& control : ListControls(window)) {
            wchar_t line[256];
            wsprintfW(line, L"%s id=%d style=0x%08lX rect=%ld,%ld,%ld,%ld text=", control.className.c_str(), control.id,
                      static_cast<unsigned long>(control.style), control.rect.left, control.rect.top,
                      control.rect.right - control.rect.left, control.rect.bottom - control.rect.top);
            std::wstring text = line + control.text;
            for (const std::wstring& item : control.items)
                text += L" | " + item;
            Print(text + L"\n");
        }
    } else if (command == L"press" && argc > 2) {
        PressButton(window, _wtoi(argv[2]));
    } else if (command == L"boxwindow") {
        MessageBoxInfo box;
        if (!WaitForMessageBox(processId, 10000, box)) {
            fprintf(stderr, "no message box\n");
            return 1;
        }
        RECT rect;
        GetWindowRect(box.handle, &rect);
        printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    } else if (command == L"box" || command == L"ok") {
        MessageBoxInfo box;
        if (!WaitForMessageBox(processId, argc > 2 ? _wtoi(argv[2]) : 10000, box)) {
            fprintf(stderr, "no message box\n");
            return 1;
        }
        if (command == L"ok")
            DismissMessageBox(box);
        else
            Print(box.title + L"\n" + box.text + L"\n");
    } else if (command == L"focus") {
        int id = FocusedControlId(window);
        if (id >= 0)
            printf("%d\n", id);
        else
            printf("none\n");
    } else if (command == L"close") {
        PostMessageW(window, WM_CLOSE, 0, 0);
    } else {
        fprintf(stderr, "unknown command\n");
        return 2;
    }
    return 0;
}
