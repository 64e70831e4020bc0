// Files the user names that cannot be read or written as asked, in whole
// script runs: a pipe given to Open File, and a pipe or a folder given to Save
// File As, are refused with their reason and change nothing; a work file
// marked read-only is refused by Save File as by Save As; a work file that
// What's Stored cannot load does not become the file Save File writes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <chrono>
#include <string>
#include <thread>

#include "tests/app/program_run_fixture.h"

namespace {

namespace fs = std::filesystem;

// The sea water typed into the source water form and stored.
const char* const kSeaWater =
    "dialog 80 set 407 8.1\n"
    "dialog 80 set 400 412\n"
    "dialog 80 set 401 1290\n"
    "dialog 80 set 404 10760\n"
    "dialog 80 set 414 19350\n"
    "dialog 80 set 415 2710\n"
    "dialog 80 press 1\n"
    "menu 1030\n";

class FileRefusalRun : public ProgramRunFixture {
  protected:
    // The message boxes of the run's log, one string each (caption, text, answer).
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        const std::string log = Log();
        for (size_t at = log.find("message box \""); at != std::string::npos;
             at = log.find("message box \"", at + 1)) {
            const size_t end = log.find("\" -> ", at);
            boxes.push_back(log.substr(at, end == std::string::npos ? end : end - at));
        }
        return boxes;
    }
    bool BoxWith(const std::string& a, const std::string& b) const {
        for (const std::string& box : Boxes())
            if (box.find(a) != std::string::npos && box.find(b) != std::string::npos) return true;
        return false;
    }
};

TEST_F(FileRefusalRun, APipeAndAFolderAreRefusedWithTheirReasonAndChangeNothing) {
    ASSERT_EQ(::mkfifo((folder / "case.krv").c_str(), 0644), 0);
    // Held open at both ends here for three seconds, so that a program that
    // opened the pipe would not wait for a writer and would meet its end soon.
    const int pipeEnds = ::open((folder / "case.krv").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(pipeEnds, 0);
    std::thread release([pipeEnds] {
        std::this_thread::sleep_for(std::chrono::seconds(3));
        ::close(pipeEnds);
    });
    fs::create_directory(folder / "folder.krv");
    // The open dialog itself takes no folder for a file; saving to one, or to
    // the pipe, reaches the program.
    const int code = Run(std::string(kSeaWater) +
                         "file \\kept.KRV\n"
                         "menu 1022\n"
                         "file \\case.krv\n"
                         "menu 1020\n"
                         "menu 1021\n"
                         "file \\folder.krv\n"
                         "menu 1022\n"
                         "file \\case.krv\n"
                         "answer yes \\case.krv already exists\n"
                         "menu 1022\n"
                         "answer no Data has been modified\n"
                         "menu 1028\n");
    release.join();
    ASSERT_EQ(code, 0) << Log();
    int pipeRefusals = 0;
    for (const std::string& box : Boxes())
        if (box.find("case.krv: Not a regular file") != std::string::npos ||
            box.find("case.KRV failed: Not a regular file") != std::string::npos)
            ++pipeRefusals;
    EXPECT_EQ(pipeRefusals, 2) << Log();  // the open and the save
    EXPECT_TRUE(BoxWith("Error: Cannot create file", "folder.KRV failed: Is a directory")) << Log();
    EXPECT_FALSE(BoxWith("", "RESTORED")) << Log();
    EXPECT_FALSE(BoxWith("", "Error encountered")) << Log();
    // The refused open left the water and the file it was saved to.
    EXPECT_EQ(fs::file_size(folder / "kept.KRV"), 203243u);
    struct stat st;
    ASSERT_EQ(::stat((folder / "case.krv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(fs::is_directory(folder / "folder.krv"));
}

TEST_F(FileRefusalRun, SaveFileRefusesAReadOnlyWorkFileAsSaveAsDoes) {
    ASSERT_EQ(Run(std::string(kSeaWater) + "file \\locked.KRV\nmenu 1022\n"
                                           "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    const std::vector<uint8_t> saved = Bytes("locked.KRV");
    ASSERT_EQ(saved.size(), 203243u);
    fs::permissions(folder / "locked.KRV",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Fresh();
    // Opened (reading needs no write access), the water changed, then saved.
    ASSERT_EQ(Run("file \\locked.KRV\nmenu 1020\n"
                  "dialog 80 set 400 999\ndialog 80 press 1\nmenu 1030\n"
                  "menu 1021\n"
                  "file \\locked.KRV\nanswer yes \\locked.KRV already exists\nmenu 1022\n"
                  "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    EXPECT_TRUE(BoxWith("RESTORED", "")) << Log();
    int refusals = 0;
    for (const std::string& box : Boxes())
        if (box.find("\"Save Tarvex File\"") != std::string::npos &&
            box.find("Error: Cannot create file") != std::string::npos &&
            box.find("locked.KRV") != std::string::npos &&
            box.find("Permission denied") != std::string::npos)
            ++refusals;
    EXPECT_EQ(refusals, 2) << Log();  // Save File and Save As alike
    EXPECT_EQ(Bytes("locked.KRV"), saved);
    EXPECT_EQ(fs::status(folder / "locked.KRV").permissions() & fs::perms::owner_write,
              fs::perms::none);
}

TEST_F(FileRefusalRun, AFileWhatsStoredCannotLoadDoesNotBecomeTheSaveTarget) {
    ASSERT_EQ(Run(std::string(kSeaWater) + "file \\good.KRV\nmenu 1022\n"
                                           "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    // A current work file cut short: the browser lists it, the load fails.
    std::vector<uint8_t> cut = Bytes("good.KRV");
    cut.resize(1000);
    std::ofstream(folder / "bad.krv", std::ios::binary)
        .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
    Fresh();
    ASSERT_EQ(Run("file \\good.KRV\nmenu 1020\n"
                  "dialog 52 select 931 bad.krv\n"
                  "dialog 52 press 824\n"
                  "menu 1027\n"
                  "file cancel\n"
                  "menu 1021\n"
                  "file \\bad.krv\n"
                  "menu 1020\n"
                  "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    // Both refusals, from the browser and from Open File, name the file (the
    // box's caption is only "WARNING") and call it cut short, not unknown.
    int named = 0;
    for (const std::string& box : Boxes())
        if (box.find("Error encountered loading") != std::string::npos &&
            box.find("bad.krv\nThe file was not read: truncated: 1,000 of 203,243 bytes.") !=
                std::string::npos)
            ++named;
    EXPECT_EQ(named, 2) << Log();
    EXPECT_EQ(Bytes("bad.krv"), cut);
}

// Settings files that cannot be written (a folder holds each name): every
// box about them names the file by its path in the program's folder, with
// one separator before the name.
TEST_F(FileRefusalRun, SettingsFilesThatCannotBeWrittenAreNamedByTheirPath) {
    fs::create_directory(folder / "plunit.cnf");
    fs::create_directory(folder / "zorin.cnf");
    ASSERT_EQ(Run("menu 1028\n"), 0) << Log();
    int units = 0;
    int display = 0;
    for (const std::string& box : Boxes()) {
        EXPECT_EQ(box.find("\\\\"), std::string::npos) << box;
        if (box.find("C:\\plunit.cnf") != std::string::npos) ++units;
        if (box.find("C:\\zorin.cnf") != std::string::npos) ++display;
    }
    // The failed open of each, and the failed save of the units file.
    EXPECT_EQ(units, 2) << Log();
    EXPECT_EQ(display, 1) << Log();
    EXPECT_TRUE(BoxWith("Saving C:\\plunit.cnf failed: Is a directory.", "")) << Log();
}

}  // namespace
