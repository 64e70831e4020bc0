// Install-folder paths and the program title of its own notices.
#include "shell/settings/install_paths.h"

#include "platform/files/file_io.h"
#include "platform/system/system.h"
#include "resources/resource_ids.h"
#include "shell/records.h"

std::string InstallPath(const char* name) {
    return std::string(mainWindowState.installDir) + name;
}

std::string ProgramTitle() {
    char title[40] = {};
    if (win::LoadString(mainWindowState.instance, StringId::kMainTitle, title, sizeof title) == 0)
        return "Tarvex";
    return title;
}
