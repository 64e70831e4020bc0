// ExportGraphData: the save dialog, the lines of the graph data file and the
// messages of the export.
#include "graphs/datafile/graph_data_file.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "input/description_records.h"
#include "platform/win.h"

namespace {

constexpr int kIdentificationTexts = 5;
constexpr int kNameChars = 256;
constexpr char kFilter[] = "DATA files (*.dat)\0*.dat\0";  // a second NUL ends the list
constexpr char kWarningCaption[] = "WARNING";

void AppendQuoted(std::string& out, const char* text, size_t limit) {
    if (text == nullptr || limit == 0 || text[0] == '\0') return;
    out += '"';
    for (size_t i = 0; i < limit && text[i] != '\0'; ++i) {
        if (text[i] == '"') out += '"';
        out += text[i];
    }
    out += "\"\n";
}

// A value not calculated (no number, or the engine's mark of one) is written
// as the CSV exports write it.
void AppendNumber(std::string& out, double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 1.0e37) {
        out += "N/A";
        return;
    }
    const int n = std::snprintf(nullptr, 0, "%f", v);
    if (n <= 0) return;
    std::string text(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%f", v);
    text.resize(static_cast<size_t>(n));
    out += text;
}

// Writes all of `text`; false when a write or the close fails.
// Writes the text into the replacement and puts it in place; false (the file
// that was there kept as it was) when any step fails.
bool WriteAndCommit(win::HFILE file, const std::string& text) {
    bool ok = true;
    constexpr size_t kChunk = 4096;
    for (size_t at = 0; ok && at < text.size(); at += kChunk) {
        const size_t n = std::min(kChunk, text.size() - at);
        ok = win::_lwrite(file, text.data() + at, static_cast<win::UINT>(n)) == n;
    }
    if (!ok) {
        win::AbandonReplacement(file);
        return false;
    }
    return win::CommitReplacement(file) != win::FALSE;
}

void Warn(win::HWND owner, const char* headline, const char* doing, const char* name) {
    const std::string text = std::string(headline) + "\n\n" + win::FailedWriteText(doing, name);
    win::MessageBox(owner, text.c_str(), kWarningCaption, win::MB_ICONINFORMATION);
}

}  // namespace

std::string GraphDataText(const GraphDataTable& table, uint16_t reverseColumns,
                          uint16_t reverseRows) {
    std::string out;
    for (int i = 0; i < kIdentificationTexts; ++i)
        AppendQuoted(out, currentDescription.text[i], sizeof currentDescription.text[i]);
    for (const char* title : table.titles) AppendQuoted(out, title, static_cast<size_t>(-1));
    for (int c = 0; c < kGraphDataSide; ++c) {
        if (c > 0) out += ',';
        const int from = reverseColumns != 0 ? kGraphDataSide - 1 - c : c;
        AppendNumber(out, static_cast<double>(table.columnValues[from]));
    }
    out += '\n';
    for (int r = 0; r < kGraphDataSide; ++r) {
        const int from = reverseRows != 0 ? kGraphDataSide - 1 - r : r;
        AppendNumber(out, static_cast<double>(table.rowValues[from]));
        for (int c = 0; c < kGraphDataSide; ++c) {
            out += ',';
            AppendNumber(out, table.values[r * kGraphDataSide + c]);
        }
        out += '\n';
    }
    return out;
}

int ExportGraphData(win::HWND owner, int16_t /*extraTables*/, uint16_t reverseColumns,
                    uint16_t reverseRows, const GraphDataTable& table) {
    char name[kNameChars] = "*.DAT";
    char title[kNameChars] = "";
    win::FileDialogRecord dialog;
    dialog.owner = owner;
    dialog.filter = kFilter;
    dialog.file = name;
    dialog.fileSize = sizeof name;
    dialog.fileTitle = title;
    dialog.fileTitleSize = sizeof title;
    dialog.title = "Select DAT File";
    dialog.flags = win::OFN_HIDEREADONLY | win::OFN_OVERWRITEPROMPT | win::OFN_PATHMUSTEXIST;
    if (!win::GetSaveFileName(&dialog)) return 0;

    const win::HFILE file = win::OpenReplacement(name);
    if (file == win::HFILE_ERROR) {
        Warn(nullptr, "Error: Cannot open DAT file", "Creating", name);
        return 1;
    }
    if (!WriteAndCommit(file, GraphDataText(table, reverseColumns, reverseRows))) {
        Warn(owner, "Error: Cannot write DAT file", "Writing", name);
        return 1;
    }
    const std::string done = std::string("Data export complete to file ") + name;
    win::MessageBox(owner, done.c_str(), "EXPORT SUCCESSFUL", win::MB_ICONINFORMATION);
    return 0;
}
