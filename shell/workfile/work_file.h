// Saving and loading the work file, and the helpers its dialogs share.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

// Reads the work file at workFilePath into the workspace, all or nothing: 0
// when loaded; -1 when the file is refused (short, damaged, of a version this
// reader does not take, or unreadable), the workspace left exactly as it was; 1
// when it cannot be opened. The handle is not used; `caption` captions the
// success message.
[[nodiscard]] int32_t LoadWorkFile(win::HWND owner, win::HFILE unused, const char* caption);

// The same from a file image already in memory: 0 loaded, -1 refused (the
// workspace unchanged; `why`, when given, receives the reason). No message is
// shown. `fileBytes`, when not 0, is the length of the file whose start the
// image holds (a file longer than the layout is read no further).
[[nodiscard]] int32_t LoadWorkFileImage(const std::vector<uint8_t>& image,
                                        std::string* why = nullptr, size_t fileBytes = 0);

// The message of a refused load: the reader's own words, the file (the work
// file path being loaded), why it was not read and that the workspace is as
// it was.
[[nodiscard]] std::string LoadRefusalText(const std::string& why);

// Rebuilds `in` as drive + folder + name + "." + `extension` into `out` (which
// holds kPathChars characters; input and output may be the same buffer). Returns 0.
int ChangeFileExtension(const char* in, char* out, const char* extension);

// Greys or enables "&Save File" and "Save File &As" as the menu state rules
// leave them: enabled while a water is entered (a multi-mix water too) or a
// multi-mix is done.
void SetSaveMenuItems();

// After a save or a load: every value of the surface, injection and formation
// analyses that is not a number, above 1e30 or below 1e-30 becomes 0, except the
// negative values of the elements where a negative value means something (pH
// -1 "predict it", the alkalinities, the companion pH, the acidity).
void CleanStoredAnalyses();

// Why the file Save would write of the workspace now would be refused on
// opening, or an empty text when it would open.
[[nodiscard]] std::string SavedWorkspaceFault();

// The boxes of a work file that cannot be saved at `path` (a read-only file, a
// folder or pipe of that name, a folder that takes no file) and of one that
// cannot be opened: the headline, then the file and the cause.
void ReportCannotSave(const char* path);
void ReportCannotOpen(const char* path, const char* caption);

inline constexpr const char* kCannotOpenText = "Error: Cannot open file";
inline constexpr const char* kCannotCreateText = "Error: Cannot create file";
inline constexpr const char* kFileCaption = "Open Tarvex File";
inline constexpr const char* kSaveCaption = "Save Tarvex File";
inline constexpr const char* kSaveFailedText =
    "Error encountered saving the file. Please check available disk space.";
inline constexpr const char* kLoadFailedText = "Error encountered loading the file.";
inline constexpr const char* kWarningCaption = "WARNING";
inline constexpr const char* kRestoredText = "FILE SUCCESSFULLY RESTORED!";
inline constexpr const char* kOpenDialogTitle = "OPEN WORK FILE";
inline constexpr const char* kWorkFileExtension = "KRV";
