// Quorvel: one fixed window that opens vendors' driver pages and shows a summary of the machine.
#include "app/EventLoop.h"
#include "app/UserInterface.h"
#include "catalogue/Catalogue.h"

#include <clocale>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    setlocale(LC_ALL, "");
    setlocale(LC_NUMERIC, "C");
    StartUserInterface();
    BuildCatalogues();
    if (OpenMainWindow(0, 0, 580, 200, L"Quorvel", true, true)) {
        CreateMainControls();
        RunEventLoop();
    }
    ShutDownUserInterface();
    ExitProcess(0);
}
