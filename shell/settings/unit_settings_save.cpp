// The units file and the display configuration file written as one.
#include "shell/settings/unit_settings_save.h"

#include <cstddef>
#include <cstdint>

#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "shell/records.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/install_paths.h"
#include "shell/settings/units_file.h"

namespace {

constexpr int kHiddenAttribute = 2;

struct NewFile {
    std::string path;
    const uint8_t* bytes;
    std::size_t count;
    const char* heading;  // the first line of the message when this file fails
};

}  // namespace

bool SaveUnitsAndDisplayConfig(bool displayToo, std::string& failure) {
    uint8_t units[kUnitsFileBytes];
    EncodeUnitsFile(GatherUnitsSettings(), units);
    DisplayConfigRecord record = GatherDisplayConfig();
    record.version = kDataVersion;
    uint8_t display[kDisplayConfigBytes];
    EncodeDisplayConfig(record, display);
    const NewFile files[] = {
        {InstallPath(kUnitsFileName), units, sizeof units,
         "Error: Cannot open units file to update - call tech support"},
        {InstallPath(kDisplayConfigFileName), display, sizeof display,
         "Error: Cannot save the display settings"},
    };
    const std::size_t count = displayToo ? 2 : 1;
    win::HFILE handles[2] = {win::HFILE_ERROR, win::HFILE_ERROR};
    std::size_t failed = count;
    for (std::size_t i = 0; i < count && failed == count; ++i) {
        handles[i] = win::OpenReplacement(files[i].path.c_str(), kHiddenAttribute);
        const auto size = static_cast<win::UINT>(files[i].count);
        if (handles[i] == win::HFILE_ERROR ||
            win::_lwrite(handles[i], files[i].bytes, size) != size)
            failed = i;
    }
    if (failed == count) {
        if (win::CommitReplacements(handles, count, &failed) != win::FALSE) return true;
    } else {
        for (std::size_t i = 0; i < count; ++i)
            if (handles[i] != win::HFILE_ERROR) win::AbandonReplacement(handles[i]);
    }
    const NewFile& f = files[failed];
    failure = std::string(f.heading) + "\n\n" + win::FailedWriteText("Saving", f.path.c_str()) +
              (displayToo ? "\n\nThe units stay as they were, and so do both settings files."
                          : "\n\nThe units stay as they were.");
    return false;
}
