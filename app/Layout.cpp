#include "app/Layout.h"

int CentredOrigin(int windowSize, int screenSize)
{
    int size = windowSize < screenSize ? windowSize : screenSize;
    return (screenSize - size) / 2;
}

int DropDownCreationHeight(bool visualStylesInEffect, int closedHeight)
{
    return visualStylesInEffect ? closedHeight + 30 : 350;
}

bool VisualStylesInEffect(bool appThemed, unsigned long commonControlsVersion)
{
    return appThemed && commonControlsVersion > 0x5FFFF;
}

int SelectionFieldHeight(int closedHeight, int measuredHeight)
{
    return closedHeight - (measuredHeight - ProbeSelectionFieldHeight);
}
