// CreateDirectory over mkdir, with the Linux error turned into the platform's
// error numbers.
#include "platform/files/directories.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/files/file_io.h"

namespace win {

BOOL CreateDirectory(const char* path, void*) {
    if (path == nullptr) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    const std::string target = MapPath(path);
    if (::mkdir(target.c_str(), 0777) == 0) return TRUE;
    switch (errno) {
        case EEXIST:
            SetLastError(ERROR_ALREADY_EXISTS);
            break;
        case ENOENT:
        case ENOTDIR:
            SetLastError(ERROR_PATH_NOT_FOUND);
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            SetLastError(ERROR_ACCESS_DENIED);
            break;
        default:
            SetLastError(ERROR_GEN_FAILURE);
            break;
    }
    return FALSE;
}

}  // namespace win
