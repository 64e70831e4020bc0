// CheckFileAccess: a missing file is created empty (hidden first, as the
// settings files are, then plainly), so that the readers after it meet an empty
// file rather than a missing one; a file left hidden or read-only is set back
// to normal attributes.
#include "shell/settings/check_file_access.h"

#include <string>

#include "platform/files/file_io.h"
#include "platform/dialogs/message_box.h"

namespace {
constexpr int kNormalAttribute = 0;
constexpr int kHiddenAttribute = 2;
}  // namespace

std::string FileAccessErrorText(const char* description) {
    return std::string(description) +
           " can not be opened or created. Please verify that you have administrator capabilities "
           "or that the program is 'Run As Administator'. Call tech support if needed.";
}

int CheckFileAccess(const char* path, const char* description) {
    win::HFILE file = win::_lopen(path, win::OF_READ);
    if (file == win::HFILE_ERROR) {
        file = win::_lcreat(path, kHiddenAttribute);
        if (file == win::HFILE_ERROR) file = win::_lcreat(path, kNormalAttribute);
        if (file == win::HFILE_ERROR) {
            const std::string caption = "Error # " + std::to_string(win::GetLastError());
            // The file and the cause below the words, which name neither.
            const std::string text =
                FileAccessErrorText(description) + "\n" + path + ": " + win::GetLastErrorText();
            win::MessageBox(nullptr, text.c_str(), caption.c_str(), win::MB_ICONINFORMATION);
            return -1;
        }
    }
    win::_lclose(file);
    if (win::GetFileAttributes(path) != win::FILE_ATTRIBUTE_NORMAL)
        win::SetFileAttributes(path, win::FILE_ATTRIBUTE_NORMAL);
    return 0;
}
