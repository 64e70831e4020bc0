// Templates 75 and 76: the raw-data and the inhibitor files of the install
// folder, browsed and deleted like the work files. They differ in the pattern
// and in what they show of the picked file.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "resources/dialog_ids.h"
#include "shell/records.h"
#include "shell/workfile/browser/browse_common.h"
#include "shell/workfile/browser/browse_dialogs.h"
#include "shell/workfile/work_file.h"

namespace {

namespace B = BrowseControl;

constexpr uint32_t kRawHeaderBytes = 251;
constexpr uint32_t kRecordBytes = 523;
constexpr uint32_t kOlderRecordBytes = 439;
constexpr int kLimitPairs = 7;

struct FileKind {
    const char* listed;  // below the install folder
    const char* shown;   // in the pattern edit
    void (*show)(win::HWND dialog, const std::string& name);
    bool blankAfterDelete;
};

// A text of `size` bytes at `at`, ended within its slot.
std::string TextAt(const uint8_t* record, uint32_t at, uint32_t size) {
    size_t n = 0;
    while (n < size && record[at + n] != 0) ++n;
    return std::string(reinterpret_cast<const char*>(record + at), n);
}

std::vector<uint8_t> ReadPicked(const std::string& name, size_t size) {
    std::vector<uint8_t> bytes(size, 0);
    const win::HFILE file = win::_lopen(name.c_str(), win::OF_READ);
    if (file == win::HFILE_ERROR) {
        ReportCannotOpen(name.c_str(), name.c_str());
        return {};
    }
    const win::UINT got = win::_lread(file, bytes.data(), static_cast<win::UINT>(size));
    win::_lclose(file);
    if (got == win::kReadWriteError) bytes.assign(size, 0);
    return bytes;
}

// The raw-data header: three texts of 20 characters; the version word after it
// is read but belongs to no workspace.
void ShowRawData(win::HWND dialog, const std::string& name) {
    const std::vector<uint8_t> header = ReadPicked(name, kRawHeaderBytes + 2);
    if (header.empty()) return;
    const int16_t fileVersion = bytes::GetI16(header.data() + kRawHeaderBytes);
    (void)fileVersion;
    win::SetDlgItemText(dialog, B::kText1, TextAt(header.data(), 4, 20).c_str());
    win::SetDlgItemText(dialog, B::kText2, TextAt(header.data(), 24, 20).c_str());
    win::SetDlgItemText(dialog, B::kText3, TextAt(header.data(), 44, 20).c_str());
}

void ShowInhibitor(win::HWND dialog, const std::string& name) {
    const win::HFILE probe = win::_lopen(name.c_str(), win::OF_READ);
    if (probe == win::HFILE_ERROR) {
        ReportCannotOpen(name.c_str(), name.c_str());
        return;
    }
    const win::LONG length = win::_llseek(probe, 0, 2);
    win::_lclose(probe);
    std::vector<uint8_t> record(kRecordBytes, 0);
    if (length >= static_cast<win::LONG>(kRecordBytes)) {
        record = ReadPicked(name, kRecordBytes);
    } else {
        const std::vector<uint8_t> older = ReadPicked(name, kOlderRecordBytes);
        if (older.empty()) return;
        WidenInhibitorRecord(older.data(), record.data());
    }
    if (record.empty()) return;
    win::SetDlgItemText(dialog, B::kText1, TextAt(record.data(), 319, 20).c_str());
    win::SetDlgItemText(dialog, B::kText2, TextAt(record.data(), 339, 80).c_str());
    win::SetDlgItemInt(dialog, B::kId, static_cast<win::UINT>(bytes::GetI16(record.data())),
                       win::TRUE);
    win::SetDlgItemText(dialog, B::kFileName, TextAt(record.data(), 239, 80).c_str());
}

constexpr FileKind kRawData = {"\\COR\\*.COR", "*.cor", ShowRawData, true};
constexpr FileKind kInhibitor = {"\\INHIB\\*.INH", "*.inh", ShowInhibitor, false};

// Each dialog keeps its own folder and pattern.
char rawDataPattern[kPathChars];
char inhibitorPattern[kPathChars];

win::INT_PTR Browse(const FileKind& kind, char* pattern, win::HWND dialog, win::UINT msg,
                    win::WPARAM wParam) {
    switch (msg) {
        case win::WM_INITDIALOG: {
            // The folder and the file pattern, cut to the field as the list reads it.
            const std::string full = std::string(mainWindowState.installDir) + kind.listed;
            const size_t n = std::min(full.size(), static_cast<size_t>(kPathChars - 1));
            std::memcpy(pattern, full.data(), n);
            pattern[n] = '\0';
            browse::ListFiles(dialog, pattern);
            browse::ShowPattern(dialog, kind.shown);
            return win::TRUE;
        }
        case win::WM_COMMAND: {
            const int id = win::LOWORD(wParam);
            const int code = win::HIWORD(wParam);
            if (id == B::kPattern && code == win::EN_CHANGE) {
                win::GetDlgItemText(dialog, B::kPattern, pattern, kPathChars);
                browse::ListFiles(dialog, pattern);
            }
            if (id == B::kLoad || (id == B::kList && code == win::LBN_DBLCLK)) {
                const std::string name = browse::PickedName(dialog);
                if (!name.empty()) kind.show(dialog, name);
            }
            if (id == B::kDelete) {
                const std::string name = browse::PickedName(dialog);
                if (!name.empty() && browse::DeletePicked(name) && kind.blankAfterDelete)
                    for (int field : {B::kText1, B::kText2, B::kText3})
                        browse::Blank(dialog, field, 19);
            }
            if (id == win::IDCANCEL) win::EndDialog(dialog, 1);
            return win::TRUE;
        }
        case win::WM_DESTROY:
            return win::FALSE;
        default:
            return win::FALSE;
    }
}

}  // namespace

void WidenInhibitorRecord(const uint8_t* older, uint8_t* record) {
    std::memset(record, 0, kRecordBytes);
    std::memcpy(record, older, kOlderRecordBytes);
    for (int i = 0; i < kLimitPairs; ++i) {
        bytes::PutU32(record + kOlderRecordBytes + 4 * i, 0);
        bytes::PutF32(record + 467 + 8 * i, -99.0f);
        bytes::PutF32(record + 471 + 8 * i, -99.0f);
    }
}

win::INT_PTR DeleteCorFileDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM) {
    return Browse(kRawData, rawDataPattern, dialog, msg, wParam);
}

win::INT_PTR DeleteInhFileDlgProc(win::HWND dialog, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM) {
    return Browse(kInhibitor, inhibitorPattern, dialog, msg, wParam);
}

void DeleteCorFile(win::HWND owner) {
    (void)win::DialogBox(mainWindowState.instance, DialogId::kDeleteCorFile, owner,
                         DeleteCorFileDlgProc);
}

void DeleteInhFile(win::HWND owner) {
    (void)win::DialogBox(mainWindowState.instance, DialogId::kDeleteInhFile, owner,
                         DeleteInhFileDlgProc);
}
