// Line-by-line output files (output_file.h).
#include "platform/files/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files/file_table.h"

std::FILE* OpenOutputFile(const std::string& path, bool append, std::string& why) {
    // Past the file-size limit a write fails with its reason rather than
    // ending the run by its signal.
    win::detail::IgnoreFileSizeSignal();
    const int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) {
        const int cause = errno;
        struct stat st;
        why = cause == ENXIO && ::stat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode)
                  ? "a pipe no program reads"
                  : std::strerror(cause);
        return nullptr;
    }
    // A pipe with its reader is written as a file is: waiting for room.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, append ? "a" : "w");
    if (file == nullptr) {
        why = std::strerror(errno);
        ::close(fd);
    }
    return file;
}

bool WriteOutputLine(std::FILE* file, const std::string& line, std::string& why) {
    errno = 0;
    if (std::fputs(line.c_str(), file) >= 0 && std::fputc('\n', file) != EOF &&
        std::fflush(file) == 0)
        return true;
    why = std::strerror(errno != 0 ? errno : EIO);
    std::clearerr(file);
    return false;
}

bool CloseOutputFile(std::FILE* file, std::string& why) {
    errno = 0;
    const bool failed = std::ferror(file) != 0;
    if (std::fclose(file) == 0 && !failed) return true;
    why = std::strerror(errno != 0 ? errno : EIO);
    return false;
}
