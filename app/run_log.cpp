// The run log. Windows come from the platform's message trace (their creation
// and destruction messages), message boxes from its box record; files and the
// clipboard are compared with their state at the previous poll, so a file
// written twice between two polls appears once, with its final size.
#include "app/run_log.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/drivers/script.h"
#include "platform/files/output_file.h"
#include "platform/print/print_setup.h"
#include "platform/system/clipboard.h"
#include "platform/system/shell_execute.h"
#include "platform/window/window.h"

namespace fs = std::filesystem;

namespace {

bool IsControlClass(const std::string& name) {
    std::string n = name;
    for (char& c : n) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return n == "BUTTON" || n == "EDIT" || n == "STATIC" || n == "LISTBOX" || n == "SCROLLBAR" ||
           n == "COMBOBOX";
}

std::string FormatName(win::UINT format) {
    switch (format) {
        case win::CF_TEXT:
            return "text";
        case win::CF_BITMAP:
            return "bitmap";
        case win::CF_OEMTEXT:
            return "OEM text";
        case win::CF_DIB:
            return "DIB";
        case win::CF_PALETTE:
            return "palette";
        case win::CF_ENHMETAFILE:
            return "enhanced metafile";
        default:
            break;
    }
    char name[128] = {};
    if (win::GetClipboardFormatName(format, name, sizeof name) > 0)
        return std::string("\"") + name + "\"";
    return "format " + std::to_string(format);
}

}  // namespace

RunLog::~RunLog() {
    if (file_ != nullptr) std::fclose(file_);
}

void RunLog::Fail(const std::string& why) {
    failure_ = why;
    std::string ignored;
    (void)CloseOutputFile(file_, ignored);
    file_ = nullptr;
}

std::string RunLog::AnswerName(int answer) {
    switch (answer) {
        case win::IDOK:
            return "ok";
        case win::IDCANCEL:
            return "cancel";
        case win::IDYES:
            return "yes";
        case win::IDNO:
            return "no";
        default:
            return std::to_string(answer);
    }
}

bool RunLog::Open(const std::string& path, const std::string& folder) {
    folder_ = folder;
    if (path.empty()) return true;
    file_ = OpenOutputFile(path, false, failure_);
    if (file_ == nullptr) return false;
    std::error_code ec;
    logPath_ = fs::weakly_canonical(fs::absolute(path), ec);
    files_ = TakeFolderPicture();
    boxesSeen_ = win::MessageBoxLog().size();
    printsSeen_ = win::PrintLog().size();
    opensSeen_ = win::ShellOpenLog().size();
    clipboard_ = ClipboardPicture();
    Note("start in " + folder);
    return true;
}

void RunLog::Note(const std::string& line) {
    if (file_ == nullptr) return;
    std::string why;
    if (!WriteOutputLine(file_, line, why)) Fail(why);
}

void RunLog::Poll() {
    if (file_ == nullptr) return;
    PollWindows();
    PollMessageBoxes();
    PollPrints();
    PollFiles();
    PollClipboard();
    PollShellOpens();
}

void RunLog::Close(int exitCode) {
    if (file_ == nullptr) return;
    Poll();
    Note("exit code " + std::to_string(exitCode));
    if (file_ == nullptr) return;
    std::string why;
    if (!CloseOutputFile(file_, why)) failure_ = why;
    file_ = nullptr;
}

void RunLog::PollWindows() {
    // Reading a window's title sends it a message, which the trace records:
    // the entries are taken out before they are read.
    const std::vector<win::TraceEntry> trace = win::MessageTrace();
    win::ClearMessageTrace();
    for (const win::TraceEntry& e : trace) {
        if (IsControlClass(e.className)) continue;
        if (e.message == win::WM_CREATE) {
            WindowName name{e.className, win::IsWindow(e.hwnd) ? win::WindowText(e.hwnd) : "?"};
            windows_[e.hwnd] = name;
            Note("window created " + name.className + " \"" + name.title + "\"");
        } else if (e.message == win::WM_NCDESTROY) {
            auto it = windows_.find(e.hwnd);
            const WindowName name =
                it != windows_.end() ? it->second : WindowName{e.className, "?"};
            if (it != windows_.end()) windows_.erase(it);
            Note("window destroyed " + name.className + " \"" + name.title + "\"");
        }
    }
}

void RunLog::PollMessageBoxes() {
    const auto& boxes = win::MessageBoxLog();
    for (; boxesSeen_ < boxes.size(); ++boxesSeen_) {
        const win::MessageBoxRecord& b = boxes[boxesSeen_];
        Note("message box \"" + b.caption + "\": \"" + b.text + "\" -> " + AnswerName(b.answer));
    }
}

void RunLog::PollPrints() {
    const auto& prints = win::PrintLog();
    for (; printsSeen_ < prints.size(); ++printsSeen_) {
        const win::PrintRecord& p = prints[printsSeen_];
        if (p.aborted)
            Note("print \"" + p.document + "\" aborted");
        else
            Note("printed \"" + p.document + "\": " + std::to_string(p.pages) + " pages, " +
                 p.path);
    }
}

void RunLog::PollShellOpens() {
    const auto& opens = win::ShellOpenLog();
    for (; opensSeen_ < opens.size(); ++opensSeen_) Note("open " + opens[opensSeen_]);
}

std::map<std::string, RunLog::FileStamp> RunLog::TakeFolderPicture() const {
    std::map<std::string, FileStamp> picture;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder_, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        fs::path p = it->path();
        if (!logPath_.empty() && fs::weakly_canonical(p, ec) == logPath_) continue;
        FileStamp stamp{it->file_size(ec), it->last_write_time(ec)};
        picture[fs::relative(p, folder_, ec).generic_string()] = stamp;
    }
    return picture;
}

void RunLog::PollFiles() {
    std::map<std::string, FileStamp> now = TakeFolderPicture();
    for (const auto& [name, stamp] : now) {
        auto before = files_.find(name);
        if (before == files_.end() || !(before->second == stamp))
            Note("file written " + name + " (" + std::to_string(stamp.size) + " bytes)");
    }
    for (const auto& [name, stamp] : files_)
        if (now.find(name) == now.end()) Note("file deleted " + name);
    files_ = std::move(now);
}

std::vector<std::string> RunLog::ClipboardPicture() const {
    std::vector<std::string> picture;
    if (!win::OpenClipboard(nullptr)) return picture;
    for (win::UINT f = win::EnumClipboardFormats(0); f != 0; f = win::EnumClipboardFormats(f))
        picture.push_back(FormatName(f) + " (" + std::to_string(win::ClipboardBytes(f).size()) +
                          " bytes)");
    win::CloseClipboard();
    return picture;
}

void RunLog::PollClipboard() {
    std::vector<std::string> now = ClipboardPicture();
    if (now == clipboard_) return;
    if (now.empty()) {
        Note("clipboard emptied");
    } else {
        std::string line = "clipboard holds";
        for (size_t i = 0; i < now.size(); ++i) line += (i == 0 ? " " : ", ") + now[i];
        Note(line);
    }
    clipboard_ = std::move(now);
}
