// Select Parameters from the main menu.
#include "shell/commands/whatif_settings_command.h"

#include "input/whatif/whatif_dialog.h"
#include "platform/window/window.h"
#include "shell/menu/menu_texts.h"

void SelectParameters(win::HWND mainWindow) {
    OpenWhatIfDialog(mainWindow);
    UpdateMenuTexts();
    win::InvalidateRect(mainWindow, nullptr, win::TRUE);
}
