// Names that are not plain files, read-only files, and files written whole or
// not at all: what the file layer refuses before it opens anything, and what
// a failed write, flush or rename leaves of the file that was there.
#include "platform/files/whole_file_write.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

class WholeFileTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        char tmpl[] = "/tmp/tarvex_whole_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
        SetPathRoot(root);
    }
    void TearDown() override {
        PlatformTest::TearDown();
        ::chmod(root.c_str(), 0755);
        std::filesystem::remove_all(root);
    }
    void Put(const std::string& name, const std::string& bytes, mode_t mode = 0644) {
        std::ofstream(root + "/" + name, std::ios::binary) << bytes;
        ::chmod((root + "/" + name).c_str(), mode);
    }
    std::string Get(const std::string& name) const {
        std::stringstream s;
        s << std::ifstream(root + "/" + name, std::ios::binary).rdbuf();
        return s.str();
    }
    mode_t ModeOf(const std::string& name) const {
        struct stat st;
        return ::stat((root + "/" + name).c_str(), &st) == 0 ? (st.st_mode & 0777) : 0;
    }
    // What the folder holds besides the named files: no new file may stay behind.
    size_t Entries() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(root)) ++n;
        return n;
    }
    std::string root;
};

TEST_F(WholeFileTest, NamesThatAreNotPlainFilesAreRefusedWithTheirReason) {
    // A pipe with a reader and writer of its own (so that an open that tried it
    // would return rather than wait), a folder, a device behind a link.
    ASSERT_EQ(::mkfifo((root + "/case.krv").c_str(), 0644), 0);
    const int keep = ::open((root + "/case.krv").c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(keep, 0);
    std::filesystem::create_directory(root + "/folder.krv");
    std::filesystem::create_symlink("/dev/zero", root + "/zero.krv");
    struct Case {
        const char* name;
        DWORD error;
        const char* text;
    };
    for (const Case& c : {Case{"\\case.krv", ERROR_BAD_FILE_TYPE, "Not a regular file"},
                          Case{"\\folder.krv", ERROR_ACCESS_DENIED, "Is a directory"},
                          Case{"\\zero.krv", ERROR_BAD_FILE_TYPE, "Not a regular file"}}) {
        SCOPED_TRACE(c.name);
        for (int mode : {OF_READ, OF_READWRITE}) {
            const HFILE h = _lopen(c.name, mode);
            EXPECT_EQ(h, HFILE_ERROR);
            if (h != HFILE_ERROR) _lclose(h);
            EXPECT_EQ(GetLastError(), c.error);
            EXPECT_NE(GetLastErrorText().find(c.text), std::string::npos) << GetLastErrorText();
        }
        const HFILE created = _lcreat(c.name, 0);
        EXPECT_EQ(created, HFILE_ERROR);
        if (created != HFILE_ERROR) _lclose(created);
        EXPECT_EQ(OpenReplacement(c.name), HFILE_ERROR);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_FALSE(CanReplaceFile(c.name));
    }
    ::close(keep);
    struct stat st;
    ASSERT_EQ(::stat((root + "/case.krv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));  // left as it was
    EXPECT_EQ(Entries(), 3u);
}

TEST_F(WholeFileTest, AReadOnlyFileOpensForReadingOnlyAndIsNotReplaced) {
    Put("plunit.cnf", "units", 0444);
    const HFILE r = _lopen("\\PLUNIT.CNF", OF_READ);
    ASSERT_NE(r, HFILE_ERROR);
    _lclose(r);
    EXPECT_EQ(_lopen("\\plunit.cnf", OF_READWRITE), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(_lopen("\\plunit.cnf", OF_WRITE), HFILE_ERROR);
    EXPECT_FALSE(ReplaceFileContents("\\plunit.cnf", "other", 5));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Get("plunit.cnf"), "units");
    EXPECT_EQ(ModeOf("plunit.cnf"), 0444u);
    EXPECT_EQ(Entries(), 1u);
    EXPECT_EQ(FailedWriteText("Saving", "\\plunit.cnf").rfind("Saving \\plunit.cnf failed: ", 0),
              0u);
}

TEST_F(WholeFileTest, AFailedWriteFlushOrRenameKeepsTheOldFile) {
    Put("work.krv", "the old workspace", 0640);
    // A full disk at the first write, and after some writes went through.
    for (int after : {0, 1}) {
        const HFILE h = OpenReplacement("\\WORK.KRV");
        ASSERT_NE(h, HFILE_ERROR);
        EXPECT_TRUE(IsReplacement(h));
        FailNextFileWrites(1, after);
        EXPECT_EQ(_lwrite(h, "new", 3), after == 0 ? kReadWriteError : 3u);
        if (after == 1) {
            EXPECT_EQ(_lwrite(h, "new", 3), kReadWriteError);
        }
        EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
        AbandonReplacement(h);
        EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);  // abandoning keeps the cause
        EXPECT_FALSE(IsReplacement(h));
        EXPECT_EQ(Get("work.krv"), "the old workspace");
        EXPECT_EQ(Entries(), 1u);
    }
    EXPECT_EQ(FailedWriteText("Saving", "\\work.krv"),
              "Saving \\work.krv failed: No space left on device. The file that was there is "
              "unchanged.");
    // The rename refused.
    FailNextFileRenames(1);
    EXPECT_FALSE(ReplaceFileContents("\\work.krv", "new", 3));
    EXPECT_EQ(Get("work.krv"), "the old workspace");
    EXPECT_EQ(Entries(), 1u);
    // Complete: the new bytes, with the old file's permissions.
    EXPECT_TRUE(ReplaceFileContents("\\work.krv", "new", 3));
    EXPECT_EQ(Get("work.krv"), "new");
    EXPECT_EQ(ModeOf("work.krv"), 0640u);
    EXPECT_EQ(Entries(), 1u);
    // A new name: made only on commit; a folder that is missing takes nothing.
    const HFILE h = OpenReplacement("\\fresh.csv");
    ASSERT_NE(h, HFILE_ERROR);
    EXPECT_EQ(GetFileAttributes("\\fresh.csv"), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(_lwrite(h, "a,b,", 4), 4u);
    EXPECT_TRUE(CommitReplacement(h));
    EXPECT_EQ(Get("fresh.csv"), "a,b,");
    EXPECT_EQ(OpenReplacement("\\NOFOLDER\\x.csv"), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(FailedWriteText("Saving", "\\NOFOLDER\\x.csv"),
              "Saving \\NOFOLDER\\x.csv failed: No such file or directory. No file was written.");
}

// Files that hold one setting between them (a unit and the numbers written in
// it): a rename that fails after another went through puts that one back, and
// a name that was free is free again.
TEST_F(WholeFileTest, FilesCommittedTogetherChangeTogetherOrNotAtAll) {
    Put("plunit.cnf", "old units", 0640);
    auto openAll = [](std::initializer_list<const char*> names, std::vector<HFILE>& handles) {
        handles.clear();
        for (const char* name : names) {
            const HFILE h = OpenReplacement(name);
            if (h == HFILE_ERROR) return false;
            handles.push_back(h);
            if (_lwrite(h, "new", 3) != 3u) return false;
        }
        return true;
    };
    std::vector<HFILE> handles;
    // The third target became a folder since it was opened: its rename fails
    // after the first two went through.
    ASSERT_TRUE(openAll({"\\plunit.cnf", "\\fresh.cnf", "\\zorin.cnf"}, handles));
    std::filesystem::create_directories(root + "/zorin.cnf/inside");
    std::size_t failed = 0;
    EXPECT_FALSE(CommitReplacements(handles.data(), handles.size(), &failed));
    EXPECT_EQ(failed, 2u);
    EXPECT_EQ(GetLastErrorText(), "Is a directory");
    EXPECT_EQ(Get("plunit.cnf"), "old units");
    EXPECT_EQ(ModeOf("plunit.cnf"), 0640u);
    EXPECT_FALSE(std::filesystem::exists(root + "/fresh.cnf"));
    EXPECT_TRUE(std::filesystem::is_directory(root + "/zorin.cnf/inside"));
    EXPECT_EQ(Entries(), 2u);
    for (HFILE h : handles) EXPECT_FALSE(IsReplacement(h));
    // The first rename refused: nothing changes.
    std::filesystem::remove_all(root + "/zorin.cnf");
    ASSERT_TRUE(openAll({"\\plunit.cnf", "\\zorin.cnf"}, handles));
    FailNextFileRenames(1);
    EXPECT_FALSE(CommitReplacements(handles.data(), handles.size(), &failed));
    EXPECT_EQ(failed, 0u);
    EXPECT_EQ(Get("plunit.cnf"), "old units");
    EXPECT_EQ(Entries(), 1u);
    // Every step done: all new, nothing beside them.
    ASSERT_TRUE(openAll({"\\plunit.cnf", "\\zorin.cnf"}, handles));
    EXPECT_TRUE(CommitReplacements(handles.data(), handles.size(), &failed));
    EXPECT_EQ(Get("plunit.cnf"), "new");
    EXPECT_EQ(ModeOf("plunit.cnf"), 0640u);
    EXPECT_EQ(Get("zorin.cnf"), "new");
    EXPECT_EQ(Entries(), 2u);
}

TEST_F(WholeFileTest, HiddenSettingsStayHiddenWhenReplaced) {
    EXPECT_TRUE(ReplaceFileContents("\\zorin.cnf", "one", 3, 2));
    EXPECT_EQ(GetFileAttributes("\\zorin.cnf"), DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_TRUE(ReplaceFileContents("\\zorin.cnf", "two", 3));
    EXPECT_EQ(GetFileAttributes("\\zorin.cnf"), DWORD{FILE_ATTRIBUTE_HIDDEN});
    EXPECT_EQ(Get("zorin.cnf"), "two");
}

// In a child process under a file-size limit: a write past it must fail as a
// full disk does, not end the program.
TEST_F(WholeFileTest, AWritePastTheFileSizeLimitIsADiskFull) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const HFILE h = _lcreat("\\big.bin", 0);
        const std::string block(8192, 'x');
        const bool failed =
            _lwrite(h, block.data(), 8192) == kReadWriteError && GetLastError() == ERROR_DISK_FULL;
        const bool replaced = ReplaceFileContents("\\big2.bin", block.data(), block.size());
        ::_exit(failed && !replaced && GetLastError() == ERROR_DISK_FULL ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(WIFSIGNALED(status)) << "signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(root + "/big2.bin"));
}

}  // namespace
}  // namespace wintest
