// Bounded reads of plain files (plain_file_read.h).
#include "platform/files/plain_file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

std::string GroupedBytes(std::size_t n) {
    std::string digits = std::to_string(n);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

bool ReadPlainFile(const std::string& path, std::size_t maxBytes, const std::string& kind,
                   std::string& text, std::string& why) {
    text.clear();
    // Opened without waiting: a pipe with no writer is then seen for what it is.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    auto fail = [&](const std::string& reason) {
        ::close(fd);
        text.clear();
        why = reason;
        return false;
    };
    struct stat st;
    if (::fstat(fd, &st) != 0) return fail(std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return fail("Is a directory");
    if (!S_ISREG(st.st_mode)) return fail("Not a regular file (a pipe, a device or a socket)");
    const std::string tooLarge =
        "larger than " + GroupedBytes(maxBytes) + " bytes, more than " + kind + " holds";
    if (st.st_size > static_cast<off_t>(maxBytes)) return fail(tooLarge);
    char buffer[4096];
    for (;;) {
        // One byte past the bound tells a file that grew since.
        const std::size_t room = maxBytes + 1 - text.size();
        if (room == 0) return fail(tooLarge);
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, room));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return fail(std::strerror(errno));
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}
