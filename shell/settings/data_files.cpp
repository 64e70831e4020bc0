// The data files of the install folder's FILES folder. Their contents are not
// read; they must only exist (or be creatable) and open.
#include "shell/settings/data_files.h"

#include <string>

#include "platform/files/directories.h"
#include "platform/files/file_io.h"
#include "platform/dialogs/message_box.h"
#include "shell/settings/check_file_access.h"
#include "shell/settings/install_paths.h"
#include "shell/startup/startup_records.h"

namespace {

struct DataFile {
    const char* name;
    const char* description;
};
constexpr DataFile kDataFiles[2] = {
    {"\\FILES\\FTN01.BIN", "The Solubility Data File 01 "},
    {"\\FILES\\FTN02.BIN", "The Thermodynamic Data File 02 "},
};

}  // namespace

bool OpenDataFiles() {
    // A new install folder has no FILES folder yet; the files cannot be made
    // without it.
    const std::string folder = InstallPath("\\FILES");
    if (win::GetFileAttributes(folder.c_str()) == win::INVALID_FILE_ATTRIBUTES)
        (void)win::CreateDirectory(folder.c_str(), nullptr);  // failure shows below
    for (int i = 0; i < 2; ++i) {
        const std::string path = InstallPath(kDataFiles[i].name);
        (void)CheckFileAccess(path.c_str(), kDataFiles[i].description);
        dataFiles[i] = win::_lopen(path.c_str(), win::OF_READ);
        if (dataFiles[i] == win::HFILE_ERROR) {
            const std::string text =
                std::string(kDataFilesMissingText) + "\n" + path + ": " + win::GetLastErrorText();
            win::MessageBox(nullptr, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
            return false;
        }
    }
    return true;
}
