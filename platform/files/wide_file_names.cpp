// The UTF-16-name forms of the file calls: the name becomes UTF-8 and takes
// the same path mapping as every other name.
#include "platform/files/file_io.h"
#include "platform/text/code_page.h"

namespace win {

HANDLE CreateFileW(const char16_t* path, DWORD access, DWORD share, void* security,
                   DWORD disposition, DWORD flags, HANDLE templateFile) {
    if (path == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string name = Utf16ToUtf8(path);
    return CreateFile(name.c_str(), access, share, security, disposition, flags, templateFile);
}

BOOL DeleteFileW(const char16_t* path) {
    if (path == nullptr) return FALSE;
    std::string name = Utf16ToUtf8(path);
    return DeleteFile(name.c_str());
}

}  // namespace win
