// Documents on a printer context: start and end of the document and of each
// page, abort, the abort procedure, and the printer escapes the program
// uses. Each page is recorded like a metafile while the program draws it;
// ending the document writes the pages as one PDF file into the printer's
// folder, and aborting it writes nothing.
#include "platform/print/print_job.h"

#include <sys/stat.h>

#include <cctype>
#include <climits>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/files/file_io.h"
#include "platform/files/file_table.h"

namespace win {
namespace {

int& NextJobId() {
    static int next = 1;
    return next;
}

std::string& LastFile() {
    static std::string last;
    return last;
}

std::string& LastFailure() {
    static std::string failure;
    return failure;
}

std::vector<PrintRecord>& Log() {
    static auto& log = *new std::vector<PrintRecord>;
    return log;
}

PageEndedHook& PageHook() {
    static auto& hook = *new PageEndedHook;
    return hook;
}

DocumentPrintedHook& PrintedHook() {
    static auto& hook = *new DocumentPrintedHook;
    return hook;
}

void Note(const PrintJob& job, const std::string& path, bool aborted) {
    Log().push_back(PrintRecord{job.docName, job.printer.name, static_cast<int>(job.pages.size()),
                                path, aborted});
}

// The person at the terminal learns where each printed document went (the
// full path of the file), or that it could not be written.
void Tell(const PrintJob& job, const std::string& path, bool written) {
    char full[PATH_MAX];
    const char* shown = written && realpath(path.c_str(), full) != nullptr ? full : path.c_str();
    if (written) {
        std::fprintf(stderr, "tarvex: printed \"%s\" (%d pages) to %s\n", job.docName.c_str(),
                     static_cast<int>(job.pages.size()), shown);
        if (PrintedHook()) {
            const DocumentPrintedHook hook = PrintedHook();
            hook(shown);
        }
    } else
        std::fprintf(stderr, "tarvex: printing \"%s\" failed: %s could not be written\n",
                     job.docName.c_str(), shown);
}

PrintJob* JobOf(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    return dc != nullptr && dc->kind == DcKind::Printer ? dc->job.get() : nullptr;
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Creates a folder and its parents.
bool MakeFolder(const std::string& path) {
    if (path.empty() || Exists(path)) return true;
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolder(path.substr(0, slash))) return false;
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

// A file name from the document name: letters, digits, blanks, '-', '_'
// and '.' stay, anything else becomes '_'; a blank name gives "".
std::string FileStem(const std::string& docName) {
    std::string stem;
    for (char c : docName) {
        const bool keep = std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '-' ||
                          c == '_' || c == '.';
        stem.push_back(keep ? c : '_');
    }
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) stem.pop_back();
    std::size_t first = stem.find_first_not_of(" .");
    stem = first == std::string::npos ? std::string() : stem.substr(first);
    return stem;
}

// A title in capitals reads as a file name in title case ("SURFACE WATER
// CHEMISTRY" becomes "Surface Water Chemistry", "WATER CHEMISTRY AT VARIOUS
// RATIOS" "Water Chemistry at Various Ratios"); a word with small letters
// ("pH") stays as it is. Runs of blanks become one.
std::string TitleCase(const std::string& title) {
    std::string out;
    std::size_t i = 0;
    while (i < title.size()) {
        std::size_t end = title.find(' ', i);
        if (end == std::string::npos) end = title.size();
        std::string word = title.substr(i, end - i);
        bool capitals = true;
        for (char c : word) capitals = capitals && !std::islower(static_cast<unsigned char>(c));
        if (capitals)
            for (std::size_t k = 1; k < word.size(); ++k)
                word[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[k])));
        // The small words stay small after the first ("Chemistry of Water").
        static const char* const kSmall[] = {"Of", "At", "And", "The", "In", "To", "By", "For"};
        for (const char* small : kSmall)
            if (!out.empty() && word == small) word[0] = static_cast<char>(std::tolower(word[0]));
        if (!word.empty()) out += (out.empty() ? "" : " ") + word;
        i = end + 1;
    }
    return out;
}

// The file's stem: the document name, else the title the program gave the
// document, else "document".
std::string DocumentStem(const PrintJob& job) {
    std::string stem = FileStem(job.docName);
    if (stem.empty()) stem = FileStem(TitleCase(job.fileTitle));
    return stem.empty() ? std::string("document") : stem;
}

// The document's PDF path: earlier prints are never overwritten.
std::string OutputPath(const PrintJob& job) {
    if (!job.outputPath.empty()) return job.outputPath;
    const std::string base = job.printer.folder + "/" + DocumentStem(job);
    std::string path = base + ".pdf";
    for (int n = 2; Exists(path); ++n) path = base + " (" + std::to_string(n) + ").pdf";
    return path;
}

// Asks the abort procedure whether to go on; a "no" cancels the job.
bool KeepPrinting(HDC hdc, PrintJob& job) {
    if (job.abortProc != nullptr && !job.cancelled && job.abortProc(hdc, 0) == FALSE) {
        job.cancelled = true;
    }
    return !job.cancelled;
}

}  // namespace

int StartDocA(HDC hdc, const DOCINFOA* doc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr || doc == nullptr || job->docOpen) return SP_ERROR;
    job->docOpen = true;
    job->inPage = false;
    job->cancelled = false;
    job->pages.clear();
    job->docName = doc->lpszDocName != nullptr ? doc->lpszDocName : "";
    job->outputPath = doc->lpszOutput != nullptr ? doc->lpszOutput : "";
    job->fileTitle.clear();
    job->jobId = NextJobId()++;
    return job->jobId;
}

BOOL SetPrintFileTitle(HDC hdc, const char* title) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr || !job->docOpen || title == nullptr) return FALSE;
    if (!job->pages.empty() || *title == '\0') return TRUE;
    if (!job->fileTitle.empty()) job->fileTitle += ' ';
    job->fileTitle += title;
    return TRUE;
}

int StartPage(HDC hdc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr || !job->docOpen || job->inPage) return SP_ERROR;
    if (job->cancelled) return SP_APPABORT;
    job->inPage = true;
    hdc->recording = std::make_shared<Recording>();
    // The page starts in the state the program left the context in.
    RecordCurrentState(*hdc);
    return 1;
}

int EndPage(HDC hdc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr || !job->inPage) return SP_ERROR;
    job->pages.push_back(hdc->recording);
    hdc->recording.reset();
    job->inPage = false;
    if (PageHook()) {
        // The hook may drive the program; it gets a copy so it can remove itself.
        const PageEndedHook hook = PageHook();
        hook(hdc, static_cast<int>(job->pages.size()));
    }
    return KeepPrinting(hdc, *job) ? 1 : SP_APPABORT;
}

int EndDoc(HDC hdc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr || !job->docOpen) return SP_ERROR;
    if (job->inPage) EndPage(hdc);
    LastFailure().clear();
    const bool go = KeepPrinting(hdc, *job);
    int result = 1;
    if (!go) {
        result = SP_APPABORT;
        Note(*job, "", true);
    } else if (!job->pages.empty()) {
        const std::string path = OutputPath(*job);
        const std::size_t slash = path.find_last_of('/');
        bool folderMade = slash == std::string::npos || MakeFolder(path.substr(0, slash));
        if (!folderMade) detail::SetErrno(errno);
        if (!folderMade || !WritePdf(*job, hdc->caps, path)) {
            result = SP_ERROR;
            std::error_code ignored;
            const std::string shown =
                std::filesystem::absolute(path, ignored).lexically_normal().string();
            LastFailure() = (shown.empty() ? path : shown) + " could not be written: " +
                            GetLastErrorText() + ".";
            Note(*job, "", true);
            Tell(*job, path, false);
        } else {
            LastFile() = path;
            Note(*job, path, false);
            Tell(*job, path, true);
        }
    }
    job->pages.clear();
    job->docOpen = false;
    return result;
}

int AbortDoc(HDC hdc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr) return SP_ERROR;
    if (job->docOpen) Note(*job, "", true);
    hdc->recording.reset();
    job->pages.clear();
    job->inPage = false;
    job->docOpen = false;
    job->cancelled = false;
    return 1;
}

int SetAbortProc(HDC hdc, ABORTPROC proc) {
    PrintJob* job = JobOf(hdc);
    if (job == nullptr) return SP_ERROR;
    job->abortProc = proc;
    return 1;
}

int Escape(HDC hdc, int function, int inSize, const void* in, void* out) {
    (void)out;
    PrintJob* job = JobOf(hdc);
    if (job == nullptr) return 0;
    switch (function) {
        case SETABORTPROC:
            // The procedure itself is passed as the input.
            return SetAbortProc(hdc, reinterpret_cast<ABORTPROC>(const_cast<void*>(in)));
        case SET_BOUNDS:
            return in != nullptr && inSize >= 16 ? 1 : 0;
        default:
            return 0;
    }
}

std::string LastPrintedFile() {
    return LastFile();
}

std::string LastPrintFailure() {
    return LastFailure();
}

const std::vector<PrintRecord>& PrintLog() {
    return Log();
}

void OnPageEnded(PageEndedHook hook) {
    PageHook() = std::move(hook);
}

void OnDocumentPrinted(DocumentPrintedHook hook) {
    PrintedHook() = std::move(hook);
}

void ResetPrintJobs() {
    ClosePrinters();
    ForgetPrinters();
    ForgetPrintDialogAnswers();
    LastFile().clear();
    LastFailure().clear();
    Log().clear();
    PageHook() = nullptr;
    PrintedHook() = nullptr;
}

}  // namespace win
