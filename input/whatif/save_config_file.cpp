// Make Default: the display configuration file rewritten whole.
#include "input/whatif/save_config_file.h"

#include <cstring>
#include <string>

#include "platform/dialogs/message_box.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/settings/check_file_access.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/install_paths.h"

void SaveConfigFile() {
    const std::string path = InstallPath(kDisplayConfigFileName);
    if (CheckFileAccess(path.c_str(), "The ZORIN configuration File ") != 0) return;
    // The user's print mode is kept as it is.
    std::memset(displaySettings.reserved, 0, sizeof displaySettings.reserved);
    if (!WriteDisplayConfigFile())
        win::MessageBox(nullptr, DisplayConfigWriteFailedText().c_str(), "WARNING",
                        win::MB_ICONINFORMATION);
}
