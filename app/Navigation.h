// Keyboard navigation of the main window, which is not a dialog: Tab and Shift+Tab move the
// focus among the tab stops, the focus survives deactivation, and the focus cues appear
// only once the keyboard is used.
#pragma once

#include <windows.h>

#include <vector>

enum NavigationCommand {
    FocusNextCommand = 64001,
    FocusPreviousCommand = 64002,
};

// The accelerator table lives as long as the main window.
void CreateNavigationKeys();
void DestroyNavigationKeys();
// Offered each message before it is dispatched; true when it was a navigation key.
bool OfferNavigationKey(MSG& message);
void RunNavigationCommand(WORD command);
LRESULT OnActivate(HWND window, WORD state);

void FocusNextControl();
void FocusPreviousControl();
void ShowFocusCues(HWND window);
void HideFocusCues(HWND window);

// The focus order over the tab stops in creation order; null when nothing is to be focused.
HWND NextTabStop(const std::vector<HWND>& tabStops, HWND current);
HWND PreviousTabStop(const std::vector<HWND>& tabStops, HWND current);
