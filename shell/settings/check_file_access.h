// The guard run before the first open of every settings, data, product and work
// file: make sure the file exists (creating it empty when it does not) and
// carries normal attributes.
#pragma once

#include <string>

// 0 when the file at `path` exists or could be created, -1 otherwise (after
// telling the user, with `description` naming the file).
[[nodiscard]] int CheckFileAccess(const char* path, const char* description);

// The message CheckFileAccess shows when a file can be neither opened nor created.
[[nodiscard]] std::string FileAccessErrorText(const char* description);
