// The machine summary behind the wide button.
#pragma once

void ShowSystemSpecs();
