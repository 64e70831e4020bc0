// The CSV export's file names: the chosen path and the chosen file's name.
#pragma once

constexpr int kCsvNameChars = 256;

struct CsvExportState {
    char csvPath[kCsvNameChars];   // the save dialog's full path
    char csvTitle[kCsvNameChars];  // the chosen file's name without its folder
};
extern CsvExportState csvExportState;

void ResetCsvExportRecords();
