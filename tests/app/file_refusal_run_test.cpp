// Files the user names that cannot be read or written as asked, in whole
// script runs: a pipe given to Open File, and a pipe or a folder given to Save
// File As, are refused with their reason and change nothing; a work file
// marked read-only is refused by Save File as by Save As; a work file that
// What's Stored cannot load does not become the file Save File writes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "common/byte_io.h"
#include "common/packed_date.h"
#include "common/water_analysis.h"
#include "input/records.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/work_file_layout.h"
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

// Long file names in each save dialog (a work file, the summary's CSV, a graph
// picture, a page's and the well-log summary's rich text): a name the program
// and the system can hold is written under that very name, and one that does
// not fit is refused with a box that names it, writing nothing (seen failing:
// 250 to 254 characters refused as "File name too long" by the save's new
// file beside the old, 255 and more written nowhere without a word, the
// dialog's answer taken as Cancel).
TEST_F(FileRefusalRun, LongFileNamesAreWrittenOrRefusedNamingThem) {
    fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                  folder / "waterflood.krv");
    struct Save {
        const char* what;
        const char* extension;
        const char* command;  // after the dialog's answer
        size_t dialogRoom;    // the longest path the dialog keeps
    };
    const Save saves[] = {
        {"work file", ".KRV", "menu 1022\n", 255},
        {"summary CSV", ".CSV", "answer no Would you like\nmenu 1655 DisOnePage\n", 255},
        {"graph picture", ".bmp", "menu 995 wc2DGraphWindow\n", 255},
        {"page rich text", ".RTF", "menu 754 DisplayTempValues\n", 259},
        {"summary rich text", ".rtf", "menu 754 WellLogDisOnePage\n", 255},
    };
    for (const size_t length : {250u, 254u, 255u, 256u, 300u}) {
        SCOPED_TRACE(length);
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(fs::path(TARVEX_SOURCE_DIR) / "data/samples/waterflood.krv",
                      folder / "waterflood.krv");
        Fresh();
        std::string script = "file \\waterflood.krv\nmenu 1020\n" + std::string(kSeaWater) +
                             "menu 1042\nmenu 1250\nmenu 1248\nmenu 1036\nmenu 1037\n";
        std::vector<std::string> names;
        for (const Save& s : saves) {
            const std::string stem(length - 4, static_cast<char>('a' + names.size()));
            names.push_back(stem + s.extension);
            script += "file \\" + names.back() + "\n";
            // A name the dialog refuses leaves it open: Cancel then closes it.
            if (length + 1 > s.dialogRoom) script += "file cancel\n";
            script += s.command;
        }
        ASSERT_EQ(Run(script + "answer no Data has been modified\nmenu 1028\n"), 0) << Log();
        for (size_t k = 0; k < names.size(); ++k) {
            std::error_code tooLong;
            const bool written = fs::exists(folder / names[k], tooLong);
            const bool told = BoxWith(names[k], "");
            EXPECT_TRUE(written != told) << saves[k].what << ": written " << written << ", told "
                                         << told << "\n" << Log();
            // The system takes names of 255 characters.
            if (length + 1 <= saves[k].dialogRoom && length <= 254) {
                EXPECT_TRUE(written) << saves[k].what << "\n" << Log();
            }
            if (told) {
                EXPECT_TRUE(BoxWith(names[k], "too long") || BoxWith(names[k], "File name too long"))
                    << saves[k].what << "\n" << Log();
            }
        }
        for (const auto& e : fs::directory_iterator(folder))
            EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos) << e.path();
    }
}

// A printer file that is not a regular file (a pipe that would hold the start
// for ever, a folder) or names no printer is passed over at the start with a
// box that says why, and printing goes to the default printer.
TEST_F(FileRefusalRun, APrinterFileThatCannotServeLeavesTheDefaultPrinterAndSaysSo) {
    struct Case {
        const char* what;
        void (*make)(const fs::path& file);
        const char* why;
    };
    const Case cases[] = {
        {"a pipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
         "Not a regular file (a pipe, a device or a socket)"},
        {"a folder", [](const fs::path& f) { fs::create_directory(f); }, "Is a directory"},
        {"no printer", [](const fs::path& f) { std::ofstream(f) << "PDF | letter\n"; },
         "names no printer"},
        // Sparse: no disk is written. Read whole, 2 GB held the start for a
        // minute and took gigabytes; one byte past the bound is refused alike.
        {"2 GB", [](const fs::path& f) {
             std::ofstream(f) << "PDF | letter | 300 | colour | out\n";
             fs::resize_file(f, uintmax_t{2} << 30);
         }, "larger than 1,048,576 bytes, more than a printer file holds"},
        {"one byte too many", [](const fs::path& f) {
             std::ofstream(f) << "PDF | letter | 300 | colour | out\n";
             fs::resize_file(f, (uintmax_t{1} << 20) + 1);
         }, "larger than 1,048,576 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        fs::create_directories(folder);
        c.make(folder / "printers.cfg");
        Fresh();
        // The work of the run, not its time on the clock, which a busy
        // machine stretches.
        const std::clock_t start = std::clock();
        ASSERT_EQ(Run(std::string(kSeaWater) + "printer PDF995\nmenu 1013 DisplayMUWater\n"
                                               "answer no Data has been modified\nmenu 1028\n"),
                  0)
            << Log();
        EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 20.0);
        EXPECT_TRUE(BoxWith("The printer file printers.cfg is not used.", c.why)) << Log();
        EXPECT_TRUE(BoxWith("Printing goes to the printer PDF995", "")) << Log();
        EXPECT_NE(Log().find("printed \" \": 1 pages, ./Surface"), std::string::npos) << Log();
    }
    // A sound printer file is used without a word.
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n";
    Fresh();
    ASSERT_EQ(Run(std::string(kSeaWater) + "printer PDF\nmenu 1013 DisplayMUWater\n"
                                           "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    EXPECT_FALSE(BoxWith("printer file", "")) << Log();
    EXPECT_TRUE(fs::exists(folder / "out")) << Log();
    // A file with a sound printer and lines that are not: the sound printer
    // serves, and the lines passed over are told by number and reason.
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "printers.cfg") << "PDF | letter | 300 | colour | out\n"
                                              "Laser | letter | 30 | mono | out\n";
    Fresh();
    ASSERT_EQ(Run(std::string(kSeaWater) + "printer PDF\nmenu 1013 DisplayMUWater\n"
                                           "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    EXPECT_TRUE(BoxWith("The printer file printers.cfg has lines that are not used.",
                        "line 2: resolution \"30\"")) << Log();
    EXPECT_FALSE(BoxWith("Printing goes to the printer PDF995", "")) << Log();
    EXPECT_TRUE(fs::exists(folder / "out")) << Log();
}

// The files named on the command line as the program itself meets them: a
// script that is not a script file (a pipe no program writes, a folder, a
// device that never ends, a sparse file of 2 GB) and a log or text-check file
// that cannot be written (a pipe no program reads, a folder, a full device, a
// log past the file-size limit) are refused, or the failed write told, with
// the file and the cause and an exit code other than 0, at once (seen
// failing: the pipes held the start for ever, the 2 GB script grew until
// killed, a folder ran nothing and exited 0, a log on a full device or past
// the limit lost its lines and the run exited 0). A log on a device that
// takes everything serves.
TEST_F(FileRefusalRun, CommandLineFilesThatCannotServeAreRefusedOrTheirFailureTold) {
    const std::string program = std::string(TARVEX_BINARY_DIR) + "/tarvex";
    std::ofstream(folder / "ok.tvs") << "menustate\nmenustate\nmenu 1028\n";
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0644), 0);
    fs::create_directory(folder / "folder");
    std::ofstream(folder / "sparse.tvs") << "menu 1028\n";
    fs::resize_file(folder / "sparse.tvs", uintmax_t{2} << 30);
    struct Case {
        std::string options;  // after --headless
        const char* limit;    // a shell's ulimit before the run, or ""
        int code;
        std::string told;  // on standard error
    };
    const std::string pipeScript = "cannot read the script pipe: Not a regular file";
    const Case cases[] = {
        {"--script pipe", "", 2, pipeScript},
        {"--script folder", "", 2, "cannot read the script folder: Is a directory"},
        {"--script /dev/zero", "", 2, "cannot read the script /dev/zero: Not a regular file"},
        {"--script sparse.tvs", "", 2,
         "cannot read the script sparse.tvs: larger than 16,777,216 bytes, more than a script "
         "holds"},
        {"--script ok.tvs --log pipe", "", 2, "cannot write the log pipe: a pipe no program reads"},
        {"--script ok.tvs --log folder", "", 2, "cannot write the log folder: Is a directory"},
        {"--script ok.tvs --log /dev/full", "", 3,
         "cannot write the log /dev/full: No space left on device"},
        {"--script ok.tvs --log run.log", "ulimit -f 2; ", 3,
         "cannot write the log run.log: File too large"},
        {"--script ok.tvs --log /dev/zero", "", 0, ""},
        {"--script ok.tvs --text-check pipe", "", 2, "cannot write pipe: a pipe no program reads"},
        {"--script ok.tvs --text-check folder", "", 2, "cannot write folder: Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options + " " + c.limit);
        fs::remove(folder / "run.log");
        // A run that waits or reads on ends by the guard, with its code 124.
        const std::string out =
            Tool("cd '" + folder.string() + "' && (" + c.limit + "timeout 120 '" + program +
                 "' --headless " + c.options + " 2>&1; echo \"exit $?\")");
        EXPECT_NE(out.find("exit " + std::to_string(c.code) + "\n"), std::string::npos) << out;
        if (!c.told.empty()) {
            EXPECT_NE(out.find("tarvex: " + c.told), std::string::npos) << out;
        } else {
            EXPECT_EQ(out, "exit 0\n");
        }
        // A log cut at the limit holds what went before it.
        if (*c.limit != 0) {
            ASSERT_TRUE(fs::exists(folder / "run.log"));
            EXPECT_GT(fs::file_size(folder / "run.log"), 0u);
            EXPECT_LE(fs::file_size(folder / "run.log"), 2048u);
        }
    }
    // The files refused are as they were.
    struct stat st;
    ASSERT_EQ(::stat((folder / "pipe").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(fs::is_directory(folder / "folder"));
    EXPECT_TRUE(fs::is_empty(folder / "folder"));
}

// Work files whose values typing would refuse, each opened over a saved sea
// water: every one is refused, its reason naming the setting or the water's
// field and the value, and the workspace saved after it is the one saved
// before, byte for byte. A value typing takes opens, and the dialog shows it.
class StoredValuesRun : public FileRefusalRun {
  protected:
    struct Case {
        std::string name;
        std::vector<uint8_t> bytes;
        std::vector<std::string> reason;  // the parts the refusal must hold
    };
    // The sea water saved as a current work file, and the older samples.
    void SetUp() override {
        FileRefusalRun::SetUp();
        EXPECT_EQ(Run(std::string(kSeaWater) + "file \\base.KRV\nmenu 1022\n"
                                               "answer no Data has been modified\nmenu 1028\n"),
                  0)
            << Log();
        base = Bytes("base.KRV");
        ASSERT_EQ(base.size(), workfile::kFileBytes);
        Fresh();
    }
    static std::vector<uint8_t> Sample(const std::string& name) {
        std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/samples/legacy/" + name,
                         std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    static uint32_t At(int record) { return workfile::kRecordTable[record].offset; }
    // The surface water's value `element` of a current file.
    static uint32_t Surface(int element) { return At(18) + 12 + 4 * element; }
    std::vector<uint8_t> With(uint32_t at, float v) const {
        std::vector<uint8_t> b = base;
        bytes::PutF32(b.data() + at, v);
        return b;
    }
    // Two reals side by side at `at`.
    std::vector<uint8_t> WithPair(uint32_t at, float first, float second) const {
        std::vector<uint8_t> b = With(at, first);
        bytes::PutF32(b.data() + at + 4, second);
        return b;
    }
    // Opens each case over the base, saving the workspace after each; the
    // refusals in order.
    std::vector<std::string> OpenEach(const std::vector<Case>& cases) {
        std::string script = "file \\base.KRV\nmenu 1020\nfile \\control.KRV\nmenu 1022\n";
        for (const Case& c : cases) {
            std::ofstream(folder / c.name, std::ios::binary)
                .write(reinterpret_cast<const char*>(c.bytes.data()),
                       static_cast<std::streamsize>(c.bytes.size()));
            script += "file \\" + c.name + "\nmenu 1020\nfile \\after-" + c.name + "\nmenu 1022\n";
        }
        EXPECT_EQ(Run(script + "menu 1028\n"), 0) << Log();
        std::vector<std::string> refusals;
        for (const std::string& box : Boxes())
            if (box.find("Error encountered loading the file.") != std::string::npos)
                refusals.push_back(box);
        const std::vector<uint8_t> control = Bytes("control.KRV");
        EXPECT_EQ(control.size(), workfile::kFileBytes);
        for (const Case& c : cases) {
            std::string after = "after-" + c.name;
            after = after.substr(0, after.rfind('.')) + ".KRV";
            EXPECT_TRUE(Bytes(after) == control) << c.name << ": the workspace changed";
        }
        return refusals;
    }
    void ExpectRefused(const std::vector<Case>& cases) {
        const std::vector<std::string> refusals = OpenEach(cases);
        int restored = 0;  // the base only
        for (const std::string& box : Boxes()) restored += box.find("RESTORED") != std::string::npos;
        EXPECT_EQ(restored, 1) << Log();
        ASSERT_EQ(refusals.size(), cases.size()) << Log();
        for (size_t k = 0; k < cases.size(); ++k)
            for (const std::string& part : cases[k].reason)
                EXPECT_NE(refusals[k].find(part), std::string::npos)
                    << cases[k].name << ": no \"" << part << "\" in " << refusals[k];
    }
    std::vector<uint8_t> base;
};

namespace E = AnalysisElement;

// Analysis values beyond the form's ranges, also where the older reader or the
// clean-up after a load would have made them 0 without a word.
TEST_F(StoredValuesRun, WaterValuesTypingRefusesAreRefusedByName) {
    const std::string surface = "record 18 (surface water analysis): ";
    std::vector<Case> cases = {
        {"calcium.krv", With(Surface(E::kCalcium), 5.0e6f),
         {surface + "Calcium (5e+06) is above 1,000,000"}},
        {"huge.krv", With(Surface(E::kCalcium), 1.0e31f), {surface + "Calcium (1e+31) is beyond"}},
        {"sodium.krv", With(Surface(E::kSodium), -3.0f), {surface + "Sodium (-3) is negative"}},
        // An engine value, beyond what the clean-up after a load keeps.
        {"working.krv", With(Surface(E::kConductivity), 1.0e31f),
         {surface + "Conductivity (1e+31) is beyond"}},
    };
    // A version-529 file whose surface water holds 1e9 mg/L of calcium.
    const legacy::HeaderPlace v529 = legacy::HeaderPlaceOf(529);
    std::vector<uint8_t> older = Sample("V529.KRV");
    ASSERT_GT(older.size(), 50000u);
    const uint32_t olderCalcium = v529.analysisOffset + 204 + 12 + 4 * E::kCalcium;
    ASSERT_GT(bytes::GetF32(older.data() + olderCalcium), 100.0f);  // the sea water's 412
    bytes::PutF32(older.data() + olderCalcium, 1.0e9f);
    cases.push_back({"v529.krv", older, {surface + "Calcium (1e+09) is above"}});
    // (A version-123 file's result no calculation gives is let go with a
    // word, not refused: the older-files sample run holds it.)
    ExpectRefused(cases);
}

// The well-log settings with the what-if dialog's ranges in any unit, written
// in the file's (270 K is 26.312 F, 578 K 580.712 F, 14,700 psia 1,000.27
// atm, as a change of units converts them); the settings name their fields.
TEST_F(StoredValuesRun, SettingsAreReadWithTheirDialogsRangesAndNamed) {
    const std::string well = "record 364 (well-log settings): ";
    const std::string whatIf = "record 32 (what-if settings): ";
    ExpectRefused({
        {"hot.krv",
         With(At(364), 2000.0f),
         {well + "Bottom Hole Temperature (2000) is outside 26.312 to 580.712"}},
        {"flash.krv",
         With(At(364) + 8, 600.0f),
         {well + "Temperature after Flashing (600) is outside 26.312 to 580.712"}},
        {"deep.krv",
         With(At(364) + 12, 20000.0f),
         {well + "Bottom Hole Pressure (20000) is outside 0 to 1,361"}},
        {"nan.krv", With(At(32), std::nanf("")), {whatIf + "Low pH is not a number"}},
        {"eval.krv",
         With(At(32) + 4 * 14, 1.0e6f),
         {whatIf + "Evaluation Temperature (1e+06) is outside 26.312 to 580.712"}},
        // A pH of 0 and a pCO2 the dialogs' 1,000 atm does not hold.
        {"ph0.krv", With(At(32), 0.0f), {whatIf + "Low pH (0) is outside 0.01 to 14"}},
        {"pco2.krv",
         With(At(32) + 4 * 7, 10000.0f),
         {whatIf + "High pCO2 (10000) is outside 0 to 1000.27"}},
        {"grid.krv",
         With(At(49) + 4 * 10, 1000.5f),
         {"record 49 (3D graph ranges): High pCO2 (1000.5) is outside 0 to 1000.27"}},
        // Just past an end: the digits that show it past.
        {"past.krv",
         With(At(26), std::nextafter(100.0f, 200.0f)),
         {"record 26", "Low Mixing Percent (100.00001) is outside 0 to 100"}},
        // The pairs the dialogs check, and a pH target of 0, which no dialog
        // takes (seen failing: each opened, and OK on the unchanged dialog
        // refused its own values or saved 7).
        {"order.krv", WithPair(At(32), 14.0f, 8.0f), {whatIf + "High pH (8) is below Low pH (14)"}},
        {"target.krv", With(At(26) + 12, 0.0f), {"record 26", "(0) is not above 0"}},
        // The water form's residence time and corrosion target past the
        // form's ends (seen failing: each opened, and the unchanged form's OK
        // refused it).
        {"year.krv",
         With(At(108), 1.001f * 31536000.0f),
         {"record 108", "is outside 0 to 31,536,000"}},
        {"soon.krv", With(At(108), -1.0f), {"record 108", "(-1) is outside 0 to 31,536,000"}},
        {"rate.krv", With(At(114), 1.01e30f), {"record 114", "(1.01e+30) is outside 0 to"}},
        {"low.krv", With(At(114), -1.0f), {"record 114", "(-1) is outside 0 to"}},
    });
    // Equal mixing percentages, which the Change Range dialog keeps, open.
    Fresh();
    std::vector<uint8_t> same = WithPair(At(26), 100.0f, 100.0f);
    bytes::PutF32(same.data() + At(49) + 4 * 15, 100.0f);
    bytes::PutF32(same.data() + At(49) + 4 * 16, 100.0f);
    std::ofstream(folder / "same.krv", std::ios::binary)
        .write(reinterpret_cast<const char*>(same.data()),
               static_cast<std::streamsize>(same.size()));
    ASSERT_EQ(Run("file \\same.krv\nmenu 1020\ndialog 88 press 1\nmenu 1047\n"
                  "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    EXPECT_TRUE(BoxWith("RESTORED", "")) << Log();
    EXPECT_FALSE(BoxWith("Error encountered", "")) << Log();
    // Within the dialog's ranges, at their ends, the file opens, the dialog
    // shows the values and its OK takes them unchanged.
    Fresh();
    std::vector<uint8_t> warm = With(At(364), 500.0f);
    bytes::PutF32(warm.data() + At(364) + 12, 1300.0f);
    bytes::PutF32(warm.data() + At(32), 0.01f);
    bytes::PutF32(warm.data() + At(32) + 4, 14.0f);
    bytes::PutF32(warm.data() + At(32) + 4 * 7, 1000.0f);
    std::ofstream(folder / "warm.krv", std::ios::binary)
        .write(reinterpret_cast<const char*>(warm.data()), static_cast<std::streamsize>(warm.size()));
    ASSERT_EQ(Run("file \\warm.krv\nmenu 1020\n"
                  "dialog 84 read 4310\ndialog 84 read 4325\ndialog 84 press 1\nmenu 1041\n"
                  "answer no Data has been modified\nmenu 1028\n"),
              0)
        << Log();
    EXPECT_TRUE(BoxWith("RESTORED", "")) << Log();
    EXPECT_EQ(Log().find("range"), std::string::npos) << Log();
    EXPECT_EQ(whatIfSettings.phLow, 0.01f);
    EXPECT_EQ(whatIfSettings.phHigh, 14.0f);
    EXPECT_EQ(whatIfSettings.pco2High, 1000.0f);
    EXPECT_NE(Log().find("read 4310 \"500"), std::string::npos) << Log();
    EXPECT_NE(Log().find("read 4325 \"1300"), std::string::npos) << Log();
}

// Dates and times no calendar holds: refused by the field, as the form names it.
TEST_F(StoredValuesRun, DatesAndTimesThatAreNoneAreRefused) {
    const std::string surface = "record 18 (surface water analysis): ";
    auto withWord = [this](uint32_t at, int32_t v, bool time = false) {
        std::vector<uint8_t> b = base;
        if (time)
            bytes::PutI16(b.data() + at, static_cast<int16_t>(v));
        else
            bytes::PutI32(b.data() + at, v);
        return b;
    };
    const uint32_t report = At(18) + 2;
    const uint32_t sample = At(18) + 6;
    const uint32_t time = At(18) + 10;
    ExpectRefused({
        {"month.krv", withWord(report, PackDate({2026, 13, 1})), {surface + "Report Date", "not a date"}},
        {"garbage.krv", withWord(report, 2147483647), {surface + "Report Date", "not a date"}},
        {"minus.krv", withWord(sample, -1), {surface + "Sample Date", "not a date"}},
        {"feb30.krv", withWord(sample, PackDate({2026, 2, 30})), {surface + "Sample Date", "not a date"}},
        {"time.krv", withWord(time, 9999, true), {surface + "Time", "not a time of day"}},
        {"minute.krv", withWord(time, 1260, true), {surface + "Time", "not a time of day"}},
    });
}

}  // namespace
