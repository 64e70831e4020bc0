// Select Parameters from the main menu.
#include "shell/commands/whatif_settings_command.h"

#include <cstring>

#include "graphs/window/graph_slot.h"
#include "input/whatif/whatif_dialog.h"
#include "input/whatif/whatif_values.h"
#include "platform/window/window.h"
#include "shell/menu/menu_texts.h"

void SelectParameters(win::HWND mainWindow) {
    const WhatIfValues before = GatherWhatIfValues();
    OpenWhatIfDialog(mainWindow);
    // The dialog computed the results its changes touch again; the open graph
    // shows them, and its range, as the graph opened now shows them.
    const WhatIfValues after = GatherWhatIfValues();
    if (std::memcmp(&before, &after, sizeof before) != 0) RecalculateOpenGraph();
    UpdateMenuTexts();
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
