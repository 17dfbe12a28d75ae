#include "specs/SpecReport.h"

void ShowSystemSpecs()
{
}
