// The run log of --log FILE: what a headless run did, in the order the script
// drove it. Each script action is written as "> action", followed by what it
// caused: windows created and destroyed (class and title), message boxes
// (caption, text and answer), print jobs (printed "NAME": N pages, PATH, or
// print "NAME" aborted), files written in the install folder (with their
// sizes) and changes of the clipboard.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/window/win_types.h"

class RunLog {
  public:
    RunLog() = default;
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Starts logging into `path` (nothing is logged for an empty path) and takes
    // the first picture of the install folder `folder`. False, with the reason
    // in Failure(), when the log file cannot be written.
    [[nodiscard]] bool Open(const std::string& path, const std::string& folder);
    // Writes one line as it is.
    void Note(const std::string& line);
    // Writes what happened since the last call.
    void Poll();
    // The last poll and the exit code; closes the file.
    void Close(int exitCode);
    // Why the log could not be written ("No space left on device"); empty while
    // every line reached it. After a failed write nothing more is written.
    [[nodiscard]] const std::string& Failure() const { return failure_; }

    // The message box answer as a word ("yes", "no" ...).
    [[nodiscard]] static std::string AnswerName(int answer);

  private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type written;
        bool operator==(const FileStamp&) const = default;
    };
    struct WindowName {
        std::string className;
        std::string title;
    };
    std::map<std::string, FileStamp> TakeFolderPicture() const;
    std::vector<std::string> ClipboardPicture() const;
    void PollWindows();
    void PollMessageBoxes();
    void PollPrints();
    void PollFiles();
    void PollClipboard();
    void PollShellOpens();

    void Fail(const std::string& why);

    std::FILE* file_ = nullptr;
    std::string failure_;
    std::filesystem::path folder_;
    std::filesystem::path logPath_;
    std::map<std::string, FileStamp> files_;
    std::map<win::HWND, WindowName> windows_;
    size_t boxesSeen_ = 0;
    size_t printsSeen_ = 0;
    size_t opensSeen_ = 0;
    std::vector<std::string> clipboard_;
};
