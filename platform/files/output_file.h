// Files a run writes line by line as it goes (its log, its text check): opened
// without waiting on a pipe no program reads, every line written through, and
// every failure (a full disk, the file-size limit, a device that takes
// nothing) told with its reason.
#pragma once

#include <cstdio>
#include <string>

// Opens `path` for writing, emptied or (`append`) at its end. Null, with `why`
// (the system's reason, or "a pipe no program reads"), when it cannot be.
[[nodiscard]] std::FILE* OpenOutputFile(const std::string& path, bool append, std::string& why);

// Writes `line` and a line end through to the file; false with `why` when the
// bytes did not all reach it.
[[nodiscard]] bool WriteOutputLine(std::FILE* file, const std::string& line, std::string& why);

// Closes the file; false with `why` when its last bytes could not be written.
[[nodiscard]] bool CloseOutputFile(std::FILE* file, std::string& why);
