// SAVE TO RICH TEXT FILE and SAVE ALL TO RICH TEXT: the page's report (or its
// group's) in rich text, written to a file the user names. The file is written
// through the whole-file writer, so a failed save leaves an older file as it was.
#include <cstring>
#include <string>

#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_state_records.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"

namespace {

constexpr char kRtfFilter[] = "Rich Text (*.RTF)\0*.RTF\0\0";
constexpr int kNameChars = 260;

// The report of `kind` in rich text, with its closing group; empty when it
// cannot be built.
std::string RichTextOf(int32_t kind) {
    reportBuffer.rtfMode = 1;
    std::string text;
    if (BuildReport(kind) == 0 && WriteRtfEnd() == 0) {
        const char* p = static_cast<const char*>(win::GlobalLock(reportBuffer.handle));
        if (p != nullptr) text.assign(p, reportBuffer.bytesWritten);
        win::GlobalUnlock(reportBuffer.handle);
    }
    if (reportBuffer.handle != nullptr) win::GlobalFree(reportBuffer.handle);
    reportBuffer.handle = nullptr;
    reportBuffer.rtfMode = 0;
    return text;
}

bool WriteWhole(const char* target, const std::string& text) {
    return win::ReplaceFileContents(target, text.data(), text.size()) != win::FALSE;
}

void CannotWrite(win::HWND hwnd, const char* target) {
    const std::string text =
        std::string("Error: Cannot open file\n\n") + win::FailedWriteText("Saving", target);
    win::MessageBox(hwnd, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
}

}  // namespace

void SavePageRichText(PageClass page, win::HWND hwnd, CopyCommand command) {
    const int shown = pageStates[PageIndex(page)].shownWater;
    const std::string text = RichTextOf(CopyKindOf(page, command, shown).kind);
    if (text.empty()) return;
    char name[kNameChars] = "REPORT.RTF";
    win::FileDialogRecord ofn{};
    ofn.owner = hwnd;
    ofn.filter = kRtfFilter;
    ofn.file = name;
    ofn.fileSize = kNameChars;
    ofn.defExt = "RTF";
    ofn.flags = win::OFN_OVERWRITEPROMPT | win::OFN_HIDEREADONLY | win::OFN_PATHMUSTEXIST;
    if (!win::GetSaveFileName(&ofn)) return;
    if (!WriteWhole(name, text)) CannotWrite(hwnd, name);
}
