// The two data files that must open at start-up.
#pragma once

// Opens "\FILES\FTN01.BIN" and "\FILES\FTN02.BIN" (creating them empty, and
// their folder, when missing) and keeps them open. False after telling the user
// that a file is missing (the text below, then the file and the cause on the
// next line); the program then ends.
[[nodiscard]] bool OpenDataFiles();

inline constexpr const char* kDataFilesMissingText =
    "FILES CRITICAL TO OPERATION ARE MISSING!  CONTACT TECH SUPPORT.";
