// Paths of the files the program keeps in its install folder.
#pragma once

#include <string>

// installDir followed by `name` ("\plunit.cnf", "\FILES\FTN01.BIN" ...).
[[nodiscard]] std::string InstallPath(const char* name);

// The program's title (string 1084), the caption of its own notices.
[[nodiscard]] std::string ProgramTitle();
