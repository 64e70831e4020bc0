// Dialog 52, "WORK FILE BROWSE & DELETE": the work files of a folder, the
// identification of the one picked, LOAD and DELETE.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/window/window.h"
#include "resources/dialog_ids.h"
#include "shell/calendar/date_text.h"
#include "shell/commands/work_file_commands.h"
#include "shell/records.h"
#include "shell/workfile/browser/browse_common.h"
#include "shell/workfile/browser/browse_dialogs.h"
#include "shell/workfile/browser/work_file_header.h"
#include "shell/workfile/work_file.h"

namespace {

namespace B = BrowseControl;

constexpr const char* kPattern = "*.krv";
constexpr int kLineBlanks = 20;

// Dates before the year-first packing: month x 10000 + day x 100 + year - 1900.
int32_t YearFirst(int32_t date, int16_t version) {
    if (date >= 130000 && !(version >= 200 && version <= 214)) return date;
    const int32_t month = date / 10000, day = date / 100 % 100, year = date % 100;
    return (year * 100 + month) * 100 + day;
}

std::string DateText(int32_t packed) {
    const long year = packed / 10000 + 1900, month = packed / 100 % 100, day = packed % 100;
    char text[40];
    switch (CurrentDateOrder()) {
        case 0:
            std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.4ld", month, day, year);
            break;
        case 1:
            std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.2ld", day, month, year);
            break;
        default:
            std::snprintf(text, sizeof text, "%.2ld-%.2ld-%.2ld", year, month, day);
            break;
    }
    return text;
}

void ShowHeader(win::HWND dialog, const WorkFileHeader& h) {
    const bool surface = h.status[0] != 0, injection = h.status[4] != 0,
               formation = h.status[7] != 0, mixed = h.status[5] != 0;
    const WaterAnalysis& w = surface     ? h.surface
                             : injection ? h.injection
                             : formation ? h.formation
                                         : h.working;
    // The description of the water shown, beside its own date and ID.
    const int set = surface     ? DescriptionSet::kSurface
                    : injection ? DescriptionSet::kInjection
                    : formation ? DescriptionSet::kFormation
                                : DescriptionSet::kCurrent;
    int32_t date = w.sampleDate != 0 ? w.sampleDate : mainWindowState.reportDate;
    date = YearFirst(date, h.version);
    win::SetDlgItemText(dialog, B::kDate, DateText(date).c_str());
    char text[32];
    std::snprintf(text, sizeof text, "%.4d", static_cast<int>(w.sampleTime));
    win::SetDlgItemText(dialog, B::kTime, text);
    std::snprintf(text, sizeof text, "%d", static_cast<int>(w.sampleNumber));
    win::SetDlgItemText(dialog, B::kId, text);
    const int lineIds[4] = {B::kLine1, B::kLine2, B::kLine3, B::kLine4};
    for (int k = 0; k < 4; ++k) {
        if (h.lines[set][k][0] == '\0')
            browse::Blank(dialog, lineIds[k], kLineBlanks);
        else
            win::SetDlgItemText(dialog, lineIds[k], h.lines[set][k]);
    }
    if (surface)
        win::SetDlgItemText(dialog, B::kSystemType, "Surface");
    else if (mixed || injection || formation)
        win::SetDlgItemText(dialog, B::kSystemType, "Water Flood");
    if (h.version >= 500)
        std::snprintf(text, sizeof text, "%d Vornet", h.version - 388);
    else
        std::snprintf(text, sizeof text, "%d", static_cast<int>(h.version));
    win::SetDlgItemText(dialog, B::kVersion, text);
}

void CannotOpen(const std::string& name) {
    ReportCannotOpen(name.c_str(), name.c_str());
}

void OnShow(win::HWND dialog) {
    const std::string name = browse::PickedName(dialog);
    if (name.empty()) return;
    const win::HFILE file = win::_lopen(name.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) {
        CannotOpen(name);
        return;
    }
    std::vector<uint8_t> bytes(kWorkFileHeaderBytes, 0);
    const win::UINT got = win::_lread(file, bytes.data(), kWorkFileHeaderBytes);
    win::_lclose(file);
    WorkFileHeader header;
    ReadWorkFileHeader(bytes.data(), got == win::kReadWriteError ? 0 : got, header);
    ShowHeader(dialog, header);
}

void OnLoad(win::HWND dialog) {
    const std::string name = browse::PickedName(dialog);
    if (name.empty()) return;
    const win::HFILE file = win::_lopen(name.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) {
        CannotOpen(name);
        return;
    }
    win::_lclose(file);
    std::string path = browse::CurrentFolder();
    if (path.empty() || path.back() != '\\') path += '\\';
    path += name;
    // A file that does not load does not become the one Save File writes to.
    char previous[kPathChars];
    std::memcpy(previous, mainWindowState.workFilePath, sizeof previous);
    std::snprintf(mainWindowState.workFilePath, sizeof mainWindowState.workFilePath, "%s",
                  path.c_str());
    // The restore message names the file where it really is.
    const std::string shown = browse::RealPath(path);
    if (LoadWorkFile(mainWindowState.mainWindow, file, shown.c_str()) != 0)
        std::memcpy(mainWindowState.workFilePath, previous, sizeof previous);
    workFileCommandServices.updateMenuTexts();
    win::EndDialog(dialog, 0);
}

void OnDelete(win::HWND dialog) {
    const std::string name = browse::PickedName(dialog);
    if (name.empty() || !browse::DeletePicked(name)) return;
    browse::ListFiles(dialog, mainWindowState.workFilePath);
    const std::pair<int, int> blanks[] = {{B::kDate, 8},   {B::kTime, 5},        {B::kId, 4},
                                          {B::kLine1, 20}, {B::kLine2, 20},      {B::kLine3, 20},
                                          {B::kLine4, 20}, {B::kSystemType, 12}, {B::kVersion, 10}};
    for (auto [id, count] : blanks) browse::Blank(dialog, id, count);
}

void OnPatternChanged(win::HWND dialog) {
    char text[kPathChars] = {};
    win::GetDlgItemText(dialog, B::kPattern, text, sizeof text);
    std::memcpy(mainWindowState.workFilePath, text, sizeof text);
    browse::ListFiles(dialog, mainWindowState.workFilePath);
}

}  // namespace

win::INT_PTR BrowseWat(win::HWND dialog, win::UINT msg, win::WPARAM wParam, win::LPARAM) {
    switch (msg) {
        case win::WM_INITDIALOG:
            browse::ListFiles(dialog, mainWindowState.workFilePath);
            browse::ShowPattern(dialog, kPattern);
            return win::TRUE;
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            const int code = win::HIWORD(wParam);
            if (id == B::kPattern && code == win::EN_CHANGE) OnPatternChanged(dialog);
            if (id == B::kList && code == win::LBN_DBLCLK) OnShow(dialog);
            if (id == B::kLoad) OnLoad(dialog);
            if (id == B::kDelete) OnDelete(dialog);
            if (id == win::IDCANCEL) win::EndDialog(dialog, 1);
            return win::TRUE;
        }
        default:
            return win::FALSE;
    }
}

void BrowseWorkFiles(win::HWND owner) {
    (void)win::DialogBox(mainWindowState.instance, DialogId::kBrowseWorkFiles, owner, BrowseWat);
}
