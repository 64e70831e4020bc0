// tarvex-image: the command-line harness over the image library. It is test
// equipment: it converts pictures between PNM files and the library's formats
// through the library's readers and writers, and prints header queries.
#pragma once

#include <cstdint>
#include <string>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the library returned a failure status
inline constexpr int kExitUsage = 2;

int CmdConvert(int argc, char** argv);
int CmdInfo(int argc, char** argv);

// "IMG_BAD_RLE (-9)" for a status.
[[nodiscard]] std::string StatusText(int32_t status);
// The file name's ending in lower case, without the dot ("" when none).
[[nodiscard]] std::string Ending(const std::string& path);
// Prints "tarvex-image: what" to standard error; returns `code`.
int Fail(int code, const std::string& what);
// Sets up the platform: the path root is "/", the current folder the shell's.
void SetUpPaths();
