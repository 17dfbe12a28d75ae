// Layout rules of the main window, free of Windows calls so that tables can test them.
#pragma once

// Origin that centres a window on a screen along one axis; a window larger than the screen
// starts at 0, never before the screen's edge. The half pixel is dropped.
int CentredOrigin(int windowSize, int screenSize);

// A combo box's creation height includes its drop-down part.
int DropDownCreationHeight(bool visualStylesInEffect, int closedHeight);

// Visual styles are in effect when the app is themed and Common Controls is 6.0 or later
// (major version in the high word).
bool VisualStylesInEffect(bool appThemed, unsigned long commonControlsVersion);

// The selection field height that makes a list whose window measured measuredHeight with a
// 15-pixel field exactly closedHeight tall.
int SelectionFieldHeight(int closedHeight, int measuredHeight);

// The height given to the selection field before measuring.
const int ProbeSelectionFieldHeight = 15;
