// The listing and deletion the browse dialogs share.
#include "shell/workfile/browser/browse_common.h"

#include <cstring>

#include "platform/controls/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "resources/dialog_ids.h"
#include "shell/workfile/browser/browse_dialogs.h"

namespace browse {

namespace B = BrowseControl;

constexpr int kNameChars = 262;

void ListFiles(win::HWND dialog, char* pathPattern) {
    win::SendDlgItemMessage(dialog, B::kList, win::LB_RESETCONTENT, 0, 0);
    (void)win::DlgDirList(dialog, pathPattern, B::kList, B::kFolder, win::DDL_READWRITE);
    // "Directory:" names the folder where the files really are.
    win::SetDlgItemText(dialog, B::kFolder, RealPath(CurrentFolder()).c_str());
}

std::string CurrentFolder() {
    char folder[win::MAX_PATH] = {};
    win::GetCurrentDirectory(sizeof folder, folder);
    return folder;
}

std::string RealPath(const std::string& programPath) {
    return win::MapPath(programPath);
}

void ShowPattern(win::HWND dialog, const char* pattern) {
    std::string text = CurrentFolder();
    if (text.empty() || text.back() != '\\') text += '\\';
    text += pattern;
    win::SetDlgItemText(dialog, B::kPattern, text.c_str());
}

std::string PickedName(win::HWND dialog) {
    char name[kNameChars] = {};
    // The answer tells a folder from a file; the name is empty without a pick.
    (void)win::DlgDirSelectEx(dialog, name, sizeof name, B::kList);
    return name;
}

bool DeletePicked(const std::string& name) {
    const std::string question = "Do you really want to delete " + name + " ??";
    const int answer = win::MessageBox(nullptr, question.c_str(), kDeleteQuestionCaption,
                                       win::MB_YESNOCANCEL | win::MB_ICONINFORMATION);
    if (answer != win::IDYES) {
        const std::string kept = name + " not deleted at your request!";
        win::MessageBox(nullptr, kept.c_str(), kNotDeletedCaption, win::MB_ICONINFORMATION);
        return false;
    }
    if (!win::DeleteFile(name.c_str())) {
        const std::string refused = name + " could not be deleted!";
        win::MessageBox(nullptr, refused.c_str(), kNotDeletedCaption, win::MB_ICONINFORMATION);
        return false;
    }
    const std::string done = name + " deleted at your request!";
    win::MessageBox(nullptr, done.c_str(), kDeletedCaption, win::MB_ICONINFORMATION);
    return true;
}

void Blank(win::HWND dialog, int id, int count) {
    win::SetDlgItemText(dialog, id, std::string(static_cast<size_t>(count), ' ').c_str());
}

}  // namespace browse
