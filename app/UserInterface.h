// The user-interface operations of the main window. Positions and sizes are in units
// (one unit is one pixel at 96 DPI); the operations scale them to the screen's DPI.
#pragma once

#include <windows.h>

#include <string>

struct Catalogue;

enum ControlId {
    MainboardList = 0,
    GraphicsList = 2,
    OpenMainboardPageButton = 10,
    OpenGraphicsPageButton = 11,
    DetectSpecsButton = 12,
};

enum EventKind {
    IgnoredEvent,
    ControlEvent,
    CloseRequest,
};

// Start-up before any window exists: screen DPI, class icon and cursor, control font,
// Common Controls and COM. Shut-down gives back what start-up and the window took.
void StartUserInterface();
void ShutDownUserInterface();

bool OpenMainWindow(int x, int y, int clientWidth, int clientHeight, const wchar_t* caption,
                    bool systemMenu, bool centred);
void CreateMainControls();

// Each returns the new control, or null when creation failed; callers need not look.
HWND CreateLabel(int x, int y, int width, int height, const wchar_t* text);
HWND CreateDropDownList(int id, int x, int y, int width, int height);
HWND CreateButton(int id, int x, int y, int width, int height, const wchar_t* text);

void AppendListItem(int listId, const wchar_t* text);
void SelectListItem(int listId, int index);
void FillListFromCatalogue(int listId, Catalogue& catalogue);
// A drop-down list's selected item, or the empty text when nothing is selected.
std::wstring GetControlText(int controlId);

EventKind WaitEvent();
int EventControl();

int ScaleX(int units);
int ScaleY(int units);
