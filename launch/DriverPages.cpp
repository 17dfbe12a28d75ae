#include "launch/DriverPages.h"

void OpenMainboardPage()
{
}

void OpenGraphicsPage()
{
}
