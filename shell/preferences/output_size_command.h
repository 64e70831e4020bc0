// The main menu's "Output Size on Screen" (1008): the printout size dialog,
// then every open result page it concerns destroyed and created again at its
// home with the new page font.
#pragma once

#include "platform/window/win_types.h"

void OutputSizeOnScreen(win::HWND mainWindow);

// The re-creation alone: for each entered water in the order surface,
// injection, formation (currentWater set to it) the one-water chemistry and
// indicators pages with that water's titles, then the temperature pages, the
// pH pages and, while the mixing profile is done, the mixing pages. Only
// pages that are open are re-created; currentWater is put back afterwards.
// False when a page could not be created (the pages made so far stay).
bool RecreateOpenPages(win::HWND mainWindow);
