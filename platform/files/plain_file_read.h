// Reading a small text file the user names at the start (a printer file, a
// script) whole, as long as it is a plain file of at most a given size: a
// pipe would hold the start until a writer came, a device or a sparse file of
// gigabytes would take the memory and the time of its size.
#pragma once

#include <cstddef>
#include <string>

// 1048576 as "1,048,576".
[[nodiscard]] std::string GroupedBytes(std::size_t n);

// Reads `path` whole into `text`. False, with `why` saying so ("Is a
// directory", "Not a regular file (a pipe, a device or a socket)", "larger
// than 1,048,576 bytes, more than KIND holds", the system's reason), when it
// is not a plain file of at most `maxBytes` bytes or cannot be read; `kind`
// names what the file should be ("a printer file").
[[nodiscard]] bool ReadPlainFile(const std::string& path, std::size_t maxBytes,
                                 const std::string& kind, std::string& text, std::string& why);
