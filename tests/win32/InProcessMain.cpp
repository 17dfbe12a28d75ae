#include "InProcess.h"

#include <gtest/gtest.h>

#include <thread>

std::wstring StandInFolder;
std::wstring ForegroundWindowExe; // MinimalWindow.exe, which comes up topmost and in front when asked

bool RunWatchingForMessageBox(DWORD milliseconds, const std::function<void()>& action,
                              const std::function<void(const MessageBoxInfo&)>& whileOpen)
{
    bool appeared = false;
    std::thread watcher([&]() {
        MessageBoxInfo box;
        appeared = WaitForMessageBox(GetCurrentProcessId(), milliseconds, box);
        if (appeared) {
            whileOpen(box);
            DismissMessageBox(box);
        }
    });
    action();
    watcher.join();
    return appeared;
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        fprintf(stderr, "usage: LaunchNoticeTests STANDIN_FOLDER FOREGROUND_WINDOW_EXE\n");
        return 2;
    }
    StandInFolder = WindowsPath(argv[1]);
    ForegroundWindowExe = WindowsPath(argv[2]);
    // As the program itself does at start-up: the shell route expects COM on the thread.
    CoInitialize(NULL);
    int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
