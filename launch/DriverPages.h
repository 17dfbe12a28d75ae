// The two open-page buttons: the selected vendor's driver page in the default browser.
#pragma once

void OpenMainboardPage();
void OpenGraphicsPage();
