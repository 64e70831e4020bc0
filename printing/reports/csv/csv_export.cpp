// Choosing, writing and opening the summary CSV file.
#include "printing/reports/csv/csv_export.h"

#include <cstring>
#include <string>

#include "engine/records.h"
#include "input/description_records.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/shell_execute.h"
#include "printing/reports/csv/csv_export_records.h"
#include "printing/reports/csv/csv_rows.h"
#include "scenarios/wells/well_records.h"
#include "shell/records.h"
#include "shell/workfile/work_file.h"

namespace {

// The save dialog's filter: one entry "*.CSV" with an empty pattern.
constexpr char kCsvFilter[] = "*.CSV\0\0";

// A new file that replaces the chosen one only when complete.
win::HFILE OpenForWriting(const char* path) {
    return win::OpenReplacement(path);
}

CsvFileOpener fileOpener = OpenForWriting;

void CreateFailed(const char* path) {
    const std::string text =
        std::string(kCsvCreateFailed) + "\n\n" + win::FailedWriteText("Creating", path);
    (void)win::MessageBox(nullptr, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
}

void WriteFailed(const char* path) {
    const std::string text =
        std::string(kCsvWriteFailed) + "\n\n" + win::FailedWriteText("Writing", path);
    (void)win::MessageBox(nullptr, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
}

// The name of the work file the workspace was last saved to or opened from,
// without its folder; empty while it has none (the path is still the start-up
// pattern "...\*.KRV").
std::string WorkspaceName() {
    const char* path = mainWindowState.workFilePath;
    const std::string whole(path, strnlen(path, sizeof mainWindowState.workFilePath));
    const std::size_t cut = whole.find_last_of("\\/:");
    const std::string name = cut == std::string::npos ? whole : whole.substr(cut + 1);
    if (name.find_first_of("*?") != std::string::npos) return std::string();
    return name;
}

// Writes the whole text and closes the file; false when any step failed, the
// file that was there then as it was.
bool WriteAll(const char* path, const std::string& text) {
    const win::HFILE file = fileOpener(path);
    if (file == win::HFILE_ERROR) return false;
    const win::UINT n = static_cast<win::UINT>(text.size());
    bool ok = win::_lwrite(file, text.data(), n) == n;
    if (win::IsReplacement(file)) {
        if (!ok) {
            win::AbandonReplacement(file);
            return false;
        }
        return win::CommitReplacement(file) != win::FALSE;
    }
    // Another opener's file keeps its old length: cut it to what is written.
    ok = ok && win::_lwrite(file, "", 0) != win::kReadWriteError;
    return win::_lclose(file) != win::HFILE_ERROR && ok;
}

void Export(const WellLogTable& stations, bool wellLogPage) {
    if (ChooseCsvFile() != 0) return;
    CsvSource src;
    src.water = &surfaceWater;
    src.texts = &waterDescriptions[0];
    src.stations = &stations;
    src.workspaceName = WorkspaceName();
    src.wellLogPage = wellLogPage;
    src.precipitationShow = PrecipitationQuantity();
    if (!WriteAll(csvExportState.csvPath, BuildSummaryCsv(src))) {
        WriteFailed(csvExportState.csvPath);
        return;
    }
    if (win::MessageBox(nullptr, "Would you like to open the CSV file now?", "Open CSV",
                        win::MB_YESNO | win::MB_ICONQUESTION) != win::IDYES)
        return;
    const win::HINSTANCE result =
        win::ShellExecuteA(nullptr, "open", csvExportState.csvPath, nullptr, nullptr, win::SW_SHOW);
    if (reinterpret_cast<std::intptr_t>(result) <= 32)
        (void)win::MessageBox(mainWindowState.mainWindow, "CSV failed to open.", "WARNING",
                              win::MB_ICONINFORMATION);
}

}  // namespace

void InstallCsvFileOpener(CsvFileOpener opener) {
    fileOpener = opener != nullptr ? opener : OpenForWriting;
}

int ChooseCsvFile() {
    CsvExportState& s = csvExportState;
    ChangeFileExtension(mainWindowState.workFilePath, s.csvPath, "CSV");
    s.csvTitle[0] = '\0';
    win::FileDialogRecord ofn{};
    ofn.owner = mainWindowState.mainWindow;
    ofn.filter = kCsvFilter;
    ofn.file = s.csvPath;
    ofn.fileSize = kCsvNameChars;
    ofn.fileTitle = s.csvTitle;
    ofn.fileTitleSize = kCsvNameChars;
    ofn.flags = win::OFN_OVERWRITEPROMPT | win::OFN_HIDEREADONLY | win::OFN_PATHMUSTEXIST;
    ofn.defExt = "CSV";  // a name typed without an extension is a CSV file all the same
    if (!win::GetSaveFileName(&ofn)) return 1;
    // Only tried here: a file of that name keeps its bytes until the export
    // has written the new ones whole.
    if (!win::CanReplaceFile(s.csvPath)) {
        CreateFailed(s.csvPath);
        return 1;
    }
    return 0;
}

void ExportOnePageCsv() {
    Export(wellProfiles.wellLog, false);
}

void ExportWellLogPageCsv() {
    Export(wellProfiles.flash11, true);
}
