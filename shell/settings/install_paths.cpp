// Install-folder paths and the open-or-create step every settings writer shares.
#include "shell/settings/install_paths.h"

#include "platform/files/file_io.h"
#include "platform/system/system.h"
#include "resources/resource_ids.h"
#include "shell/records.h"

std::string InstallPath(const char* name) {
    return std::string(mainWindowState.installDir) + name;
}

int OpenOrCreateForUpdate(const std::string& path) {
    constexpr int kHiddenAttribute = 2;
    win::HFILE file = win::_lopen(path.c_str(), win::OF_READWRITE);
    if (file == win::HFILE_ERROR) file = win::_lcreat(path.c_str(), kHiddenAttribute);
    return file;
}

std::string ProgramTitle() {
    char title[40] = {};
    if (win::LoadString(mainWindowState.instance, StringId::kMainTitle, title, sizeof title) == 0)
        return "Tarvex";
    return title;
}
