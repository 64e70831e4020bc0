// What the three browse-and-delete dialogs share: the listing, the pattern
// shown, the picked name and the deletion with its confirmation.
#pragma once

#include <string>

#include "platform/window/win_types.h"

namespace browse {

// Lists the files matching `pathPattern` into the list, the folder (as the
// system names it, RealPath) into its static; the folder becomes current and
// only the pattern stays in the buffer.
void ListFiles(win::HWND dialog, char* pathPattern);
// The current folder as the program names it ("C:\..."), and a program path
// as the system names the file (the folder that really holds it).
[[nodiscard]] std::string CurrentFolder();
[[nodiscard]] std::string RealPath(const std::string& programPath);
// The pattern edit: the current folder, one "\" and `pattern`.
void ShowPattern(win::HWND dialog, const char* pattern);
// The picked file's name, or empty without a pick.
[[nodiscard]] std::string PickedName(win::HWND dialog);
// Asks, deletes and says what happened; true when the file was deleted.
[[nodiscard]] bool DeletePicked(const std::string& name);
// Sets control `id` to `count` blanks.
void Blank(win::HWND dialog, int id, int count);

}  // namespace browse
