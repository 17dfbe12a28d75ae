// What the app's own files share about the main window beyond the user-interface operations.
#pragma once

#include "app/UserInterface.h"

extern HWND MainWindow;

// Asked of uxtheme and Common Controls once, on first use.
bool VisualStylesAreInEffect();
// A drop-down list sized for the given answer of the visual-styles test.
HWND CreateSizedDropDownList(int id, int x, int y, int width, int height, bool visualStyles);
