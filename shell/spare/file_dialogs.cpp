// The spare file dialogs, on the platform's common file dialogs.
#include "shell/spare/file_dialogs.h"

#include <string>

#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "shell/records.h"

namespace {

// Description and pattern pairs, each ended by a zero, the list by two.
constexpr char kWorkspaceTypes[] = "Workspace Files (*.krv)\0*.krv\0";
constexpr char kGraphicsTypes[] =
    "JPG (*.jpg)\0*.jpg\0BMP (*.bmp)\0*.bmp\0PCX (*.pcx)\0*.pcx\0TIF (*.tif)\0*.tif\0"
    "All Files (*.*)\0*.*\0";
constexpr char kWorkFileTypes[] =
    "Workspace Files (*.krv)\0*.krv\0 Raw Data files (*.cor)\0*.cor\0"
    " Inhibitor files (*.inh)\0*.inh\0Chemistry files (*.chm)\0*.chm\0All Files (*.*)\0*.*\0";

int32_t RunDialog(win::HWND owner, bool save, const char* title, const char* types,
                  const char* extension) {
    char path[kPathChars] = {};
    win::FileDialogRecord record;
    record.owner = owner;
    record.filter = types;
    record.filterIndex = 1;
    record.file = path;
    record.fileSize = sizeof path;
    record.title = title;
    record.defExt = extension;
    const win::BOOL chosen = save ? win::GetSaveFileName(&record) : win::GetOpenFileName(&record);
    if (!chosen) return kFileDialogCancelled;
    if (!save) win::MessageBox(owner, path, "The selected file is", win::MB_OK);
    return kFileDialogDone;
}

}  // namespace

int32_t OpenWorkspaceDialog(win::HWND owner) {
    return RunDialog(owner, false, "Open A Workspace", kWorkspaceTypes, "krv");
}
int32_t OpenGraphicsDialog(win::HWND owner) {
    return RunDialog(owner, false, "Choose Graphics", kGraphicsTypes, "jpg");
}
int32_t SaveFileDialogA(win::HWND owner) {
    return RunDialog(owner, true, "Save a File", kWorkFileTypes, "krv");
}
int32_t SaveFileDialogB(win::HWND owner) {
    return RunDialog(owner, true, "Save a File", kWorkFileTypes, "bmp");
}
int32_t OpenFileDialog(win::HWND owner, const void*, const char* extension) {
    return RunDialog(owner, false, "Open File", kWorkspaceTypes, extension);
}
int32_t SaveFileDialogC(win::HWND owner, const void*, const char* extension) {
    return RunDialog(owner, true, "Save File", kWorkFileTypes, extension);
}

void ShowFileOpenError() {
    win::MessageBox(nullptr, "File Open Error", "File Error", win::MB_ICONSTOP);
}
