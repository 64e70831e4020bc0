// EXPORT TO CSV of the summary windows: the user names a file (the save
// dialog starts from the work file's path with the extension CSV), the data
// behind the page is written into it, and the user may open it. The one-page
// summary's export reads CalcWellLogProfile's stations, the well-log page's
// CalcWellLogProfile11's; both write the surface water's header, values and
// description set. A file that cannot be created, opened, written or closed
// gets "File could not be created. ..." and no open question.
#pragma once

#include "platform/window/win_types.h"

// 0 when a name was chosen and the file created (empty); 1 after Cancel (no
// message) or a failed creation (the message).
int ChooseCsvFile();

void ExportOnePageCsv();
void ExportWellLogPageCsv();

// How the export opens the created file for writing (_lopen with OF_WRITE
// unless a test installs another; null restores it).
using CsvFileOpener = win::HFILE (*)(const char* path);
void InstallCsvFileOpener(CsvFileOpener opener);

inline constexpr const char* kCsvCreateFailed =
    "File could not be created.  Please make sure the CSV is not already open and that you "
    "have permission to write to that location.";
