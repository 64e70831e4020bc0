// The open and save file-name dialogs. Headless (and whenever the script
// queued an answer) the answer is the script's; the checks a real dialog
// makes still apply: the default extension is added to a name without one, a
// must-exist file or folder that is missing is refused, and saving over an
// existing file with the overwrite prompt asks "replace?" in a message box.
#include <cstring>

#include "platform/dialogs/common_dialogs.h"
#include "platform/drivers/driver.h"
#include "platform/files/file_io.h"
#include "platform/dialogs/message_box.h"
#include "platform/drivers/script.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

bool TakeFileAnswer(std::string* path, bool* cancelled);
void RecordFileDialog(const FileDialogLogEntry& entry);
bool RunFileDialog(HWND owner, const std::string& title, const char* filter,
                   const std::string& initial, std::string* path);

namespace {

DWORD& LastDialogError() {
    static DWORD error = 0;
    return error;
}

std::size_t NameStart(const std::string& path) {
    std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? 0 : cut + 1;
}

std::string WithDefaultExtension(const std::string& path, const char* defExt) {
    if (defExt == nullptr || defExt[0] == '\0') return path;
    std::string name = path.substr(NameStart(path));
    if (name.find('.') != std::string::npos) return path;
    return path + "." + defExt;
}

bool FolderExists(const std::string& path) {
    std::string folder = path.substr(0, NameStart(path));
    if (folder.empty()) return true;
    DWORD a = GetFileAttributes(folder.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributes(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Fill(FileDialogRecord* r, const std::string& path) {
    if (r->file == nullptr || r->fileSize <= path.size()) {
        LastDialogError() = kDialogErrorBufferTooSmall;
        return false;
    }
    std::memcpy(r->file, path.c_str(), path.size() + 1);
    std::size_t nameAt = NameStart(path);
    r->fileOffset = static_cast<WORD>(nameAt);
    std::size_t dot = path.find('.', nameAt);
    r->fileExtension =
        dot == std::string::npos ? static_cast<WORD>(path.size()) : static_cast<WORD>(dot + 1);
    if (r->fileTitle != nullptr && r->fileTitleSize > 0) {
        std::string title = path.substr(nameAt);
        std::size_t n = std::min<std::size_t>(title.size(), r->fileTitleSize - 1);
        std::memcpy(r->fileTitle, title.data(), n);
        r->fileTitle[n] = '\0';
    }
    return true;
}

BOOL Run(FileDialogRecord* r, bool save) {
    LastDialogError() = 0;
    if (r == nullptr || r->structSize != sizeof(FileDialogRecord)) {
        LastDialogError() = kDialogErrorStructSize;
        return FALSE;
    }
    std::string title = r->title != nullptr ? r->title : (save ? "Save As" : "Open");
    for (;;) {
        std::string path;
        bool cancelled = false;
        if (!TakeFileAnswer(&path, &cancelled)) {
            if (!CurrentDriver().Interactive()) {
                ReportScriptFailure("Unexpected file dialog \"" + title +
                                    "\": no script answers it");
                RecordFileDialog(FileDialogLogEntry{save, title, ""});
                return FALSE;
            }
            cancelled = !RunFileDialog(r->owner, title, r->filter, r->file ? r->file : "", &path);
        }
        if (cancelled) {
            RecordFileDialog(FileDialogLogEntry{save, title, ""});
            return FALSE;
        }
        path = WithDefaultExtension(path, r->defExt);
        // A name longer than the program keeps is refused here, naming it, and
        // the dialog asks again, as after a name the user would not replace.
        if (r->file != nullptr && r->fileSize <= path.size()) {
            const std::string refusal = path + "\nThis file name is too long (" +
                                        std::to_string(path.size()) + " characters; at most " +
                                        std::to_string(r->fileSize - 1) +
                                        "). Please choose a shorter name.";
            (void)MessageBox(r->owner, refusal.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        if ((r->flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !FolderExists(path)) {
            ReportScriptFailure("File dialog \"" + title + "\": folder of " + path +
                                " does not exist");
            RecordFileDialog(FileDialogLogEntry{save, title, ""});
            return FALSE;
        }
        if ((r->flags & OFN_FILEMUSTEXIST) && !FileExists(path)) {
            ReportScriptFailure("File dialog \"" + title + "\": " + path + " does not exist");
            RecordFileDialog(FileDialogLogEntry{save, title, ""});
            return FALSE;
        }
        if (save && (r->flags & OFN_OVERWRITEPROMPT) && FileExists(path)) {
            std::string question = path + " already exists.\nDo you want to replace it?";
            if (MessageBox(r->owner, question.c_str(), title.c_str(),
                           MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
                continue;  // the dialog stays: the next answer chooses again
        }
        RecordFileDialog(FileDialogLogEntry{save, title, path});
        return Fill(r, path) ? TRUE : FALSE;
    }
}

}  // namespace
}  // namespace detail

BOOL GetOpenFileName(FileDialogRecord* record) {
    return detail::Run(record, false);
}
BOOL GetSaveFileName(FileDialogRecord* record) {
    return detail::Run(record, true);
}
DWORD CommDlgExtendedError() {
    return detail::LastDialogError();
}
void detail::SetCommDlgExtendedError(DWORD error) {
    detail::LastDialogError() = error;
}

}  // namespace win
