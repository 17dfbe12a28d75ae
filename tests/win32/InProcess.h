// What the in-process launch and notice tests share: where the stand-ins and the helper
// window program are, and a second thread that deals with message boxes of this process.
#pragma once

#include "Harness.h"

#include <functional>
#include <string>

extern std::wstring StandInFolder;       // explorer.exe stand-in
extern std::wstring ForegroundWindowExe; // a window of another process that takes the foreground

// Runs action on this thread while another thread waits up to the time given for a message
// box of this process. When one appears, whileOpen looks at it and at whatever else it likes
// while the box is still open, then the box's OK button is pressed. Yields whether a box
// appeared; action has returned by then.
bool RunWatchingForMessageBox(DWORD milliseconds, const std::function<void()>& action,
                              const std::function<void(const MessageBoxInfo&)>& whileOpen);
