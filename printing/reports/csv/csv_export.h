// EXPORT TO CSV of the summary windows: the user names a file (the save
// dialog starts from the work file's path with the extension CSV), the data
// behind the page is written into it, and the user may open it. The one-page
// summary's export reads CalcWellLogProfile's stations, the well-log page's
// CalcWellLogProfile11's; both write the surface water's header, values and
// description set. The file is written whole beside the chosen one and
// renamed over it when complete, so a failed export keeps the old file as it
// was. A file that cannot be created gets "File could not be created. ...", one
// that cannot be written "The CSV file could not be written. ...", each with
// the file and the cause, and no open question.
#pragma once

#include "platform/window/win_types.h"

// 0 when a name was chosen where a file can be written (nothing is written
// yet); 1 after Cancel (no message) or when no file can be written there (the
// message).
int ChooseCsvFile();

void ExportOnePageCsv();
void ExportWellLogPageCsv();

// How the export opens the file it writes (a replacement of the chosen file
// unless a test installs another; null restores it).
using CsvFileOpener = win::HFILE (*)(const char* path);
void InstallCsvFileOpener(CsvFileOpener opener);

inline constexpr const char* kCsvCreateFailed =
    "File could not be created.  Please make sure the CSV is not already open and that you "
    "have permission to write to that location.";
inline constexpr const char* kCsvWriteFailed = "The CSV file could not be written.";
