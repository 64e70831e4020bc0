// The Save As and Open dialogs of the work file and the extension rule they share.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/window/window.h"
#include "shell/commands/work_file_commands.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "shell/workfile/work_file.h"

namespace {

constexpr int kTitleChars = 256;

// The work-file filter as the main window prepared it, or the same pairs when
// no main window made them.
const char* WorkFileFilter() {
    const char* prepared = mainWindowExtras.fileFilters[FileFilter::kWorkFile];
    return prepared[0] != '\0' ? prepared : "Work files (*.krv)\0*.krv\0";
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/' || c == ':';
}

}  // namespace

void ReportCannotOpen(const char* path, const char* caption) {
    const std::string text =
        std::string(kCannotOpenText) + "\n\n" + path + ": " + win::GetLastErrorText() + ".";
    win::MessageBox(nullptr, text.c_str(), caption, win::MB_ICONINFORMATION);
}

void ReportCannotSave(const char* path) {
    const std::string text =
        std::string(kCannotCreateText) + "\n\n" + win::FailedWriteText("Saving", path);
    win::MessageBox(nullptr, text.c_str(), kSaveCaption, win::MB_ICONINFORMATION);
}

int ChangeFileExtension(const char* in, char* out, const char* extension) {
    std::string path = in != nullptr ? in : "";
    size_t nameStart = 0;
    for (size_t i = 0; i < path.size(); ++i)
        if (IsSeparator(path[i])) nameStart = i + 1;
    const size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot >= nameStart) path.resize(dot);
    const std::string tail = std::string(".") + extension;
    // Keep the new extension whole; a name too long for the buffer loses its end.
    const size_t room = static_cast<size_t>(kPathChars - 1);
    if (path.size() + tail.size() > room) path.resize(room > tail.size() ? room - tail.size() : 0);
    path += tail;
    path.resize(std::min(path.size(), room));
    std::memcpy(out, path.c_str(), path.size() + 1);
    return 0;
}

namespace {

// The length of `path` once its extension is the work file's.
size_t LengthWithWorkFileExtension(const char* path) {
    const std::string name = path;
    size_t nameStart = 0;
    for (size_t i = 0; i < name.size(); ++i)
        if (IsSeparator(name[i])) nameStart = i + 1;
    const size_t dot = name.rfind('.');
    const size_t stem = dot != std::string::npos && dot >= nameStart ? dot : name.size();
    return stem + 1 + std::strlen(kWorkFileExtension);
}

}  // namespace

int ShowSaveAsDialog(win::HWND owner) {
    char title[kTitleChars] = {};
    char* path = mainWindowState.workFilePath;
    ChangeFileExtension(path, path, kWorkFileExtension);
    char previous[kPathChars];
    std::memcpy(previous, path, sizeof previous);
    win::FileDialogRecord record;
    record.owner = owner;
    record.filter = WorkFileFilter();
    record.file = path;
    record.fileSize = kPathChars;
    record.fileTitle = title;
    record.fileTitleSize = sizeof title;
    record.flags = win::OFN_OVERWRITEPROMPT | win::OFN_HIDEREADONLY | win::OFN_PATHMUSTEXIST;
    if (!win::GetSaveFileName(&record)) return 1;
    // The name the dialog took may not hold the work file's extension too:
    // refused, naming it, rather than cut.
    const size_t length = LengthWithWorkFileExtension(path);
    if (length >= static_cast<size_t>(kPathChars)) {
        const std::string text = std::string(path) + "\nThis file name is too long (" +
                                 std::to_string(length) + " characters with the extension ." +
                                 kWorkFileExtension + "; at most " +
                                 std::to_string(kPathChars - 1) + "). Please choose a shorter name.";
        win::MessageBox(owner, text.c_str(), kSaveCaption, win::MB_ICONINFORMATION);
        std::memcpy(path, previous, sizeof previous);
        return 1;
    }
    ChangeFileExtension(path, path, kWorkFileExtension);
    // The file is written by the save that follows; here only its place is tried,
    // so an existing file stays as it is until the new one replaces it whole.
    if (!win::CanReplaceFile(path)) {
        ReportCannotSave(path);
        return 1;
    }
    win::InvalidateRect(owner, nullptr, win::TRUE);
    return 0;
}

int OpenWorkFileDlg(win::HWND owner) {
    char title[kTitleChars] = {};
    char previous[kPathChars];
    std::memcpy(previous, mainWindowState.workFilePath, sizeof previous);
    win::FileDialogRecord record;
    record.filter = WorkFileFilter();
    record.file = mainWindowState.workFilePath;
    record.fileSize = kPathChars;
    record.fileTitle = title;
    record.fileTitleSize = sizeof title;
    record.title = kOpenDialogTitle;
    record.defExt = kWorkFileExtension;
    record.flags = win::OFN_PATHMUSTEXIST | win::OFN_FILEMUSTEXIST;
    if (!win::GetOpenFileName(&record)) return 1;
    // The chosen file is opened read-only: loading never creates or changes it.
    const win::HFILE file = win::_lopen(mainWindowState.workFilePath, win::OF_READ);
    if (file == win::HFILE_ERROR) {
        ReportCannotOpen(mainWindowState.workFilePath, kFileCaption);
        std::memcpy(mainWindowState.workFilePath, previous, sizeof previous);
        return 1;
    }
    win::_lclose(file);
    const int result = LoadWorkFile(owner, file, mainWindowState.workFilePath);
    // A file that was not loaded does not become the one Save File writes to.
    if (result != 0) std::memcpy(mainWindowState.workFilePath, previous, sizeof previous);
    return result;
}
