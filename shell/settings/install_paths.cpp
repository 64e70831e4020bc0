// Install-folder paths and the program title of its own notices.
#include "shell/settings/install_paths.h"

#include <cstring>

#include "platform/files/file_io.h"
#include "platform/system/system.h"
#include "resources/resource_ids.h"
#include "shell/records.h"

std::string InstallPath(const char* name) {
    std::string path(mainWindowState.installDir,
                     strnlen(mainWindowState.installDir, sizeof mainWindowState.installDir));
    // A folder at the top of a drive ("C:\") ends in the separator the name
    // starts with: one of them is enough.
    if (!path.empty() && path.back() == '\\' && name[0] == '\\') path.pop_back();
    return path + name;
}

std::string ProgramTitle() {
    char title[40] = {};
    if (win::LoadString(mainWindowState.instance, StringId::kMainTitle, title, sizeof title) == 0)
        return "Tarvex";
    return title;
}
