// File calls against real files in a scratch folder that serves as the path
// root: short reads, seeks past the end, backslash and mixed-case paths, a
// missing folder, attributes, deletion and pattern listings.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

class FileTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        char tmpl[] = "/tmp/tarvex_files_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
        ASSERT_EQ(mkdir((root + "/ZORIN").c_str(), 0755), 0);
        SetPathRoot(root);
    }
    void TearDown() override {
        PlatformTest::TearDown();  // closes what a failed test left open
        std::string cmd = "rm -rf '" + root + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    void Put(const std::string& rel, const std::string& bytes) {
        std::ofstream(root + "/" + rel, std::ios::binary) << bytes;
    }
    off_t SizeOf(const std::string& rel) {
        struct stat st;
        return ::stat((root + "/" + rel).c_str(), &st) == 0 ? st.st_size : -1;
    }
    std::string root;
};

TEST_F(FileTest, PathsMapCaseInsensitivelyUnderTheRoot) {
    Put("ZORIN/PlUnit.cnf", "x");
    EXPECT_EQ(MapPath("\\zorin\\PLUNIT.CNF"), root + "/ZORIN/PlUnit.cnf");
    EXPECT_EQ(MapPath("C:\\ZORIN/plunit.cnf"), root + "/ZORIN/PlUnit.cnf");
    // A missing name keeps its spelling, so files can be created.
    EXPECT_EQ(MapPath("\\ZORIN\\New.KRV"), root + "/ZORIN/New.KRV");
    // ".." never climbs above the root.
    EXPECT_EQ(MapPath("\\..\\..\\zorin"), root + "/ZORIN");
    char cwd[MAX_PATH];
    GetCurrentDirectory(sizeof cwd, cwd);
    EXPECT_STREQ(cwd, "C:\\");
    ASSERT_TRUE(SetCurrentDirectory("\\zorin"));
    GetCurrentDirectory(sizeof cwd, cwd);
    EXPECT_STREQ(cwd, "C:\\ZORIN");
    EXPECT_EQ(MapPath("plunit.CNF"), root + "/ZORIN/PlUnit.cnf");  // relative to the current folder
    EXPECT_FALSE(SetCurrentDirectory("\\NOWHERE"));
}

TEST_F(FileTest, ReadsAreShortAtTheEndAndSeeksMayPassIt) {
    HFILE h = _lcreat("\\zorin\\DATA.bin", 0);
    ASSERT_NE(h, HFILE_ERROR);
    EXPECT_EQ(_lwrite(h, "0123456789", 10), 10u);
    EXPECT_EQ(_llseek(h, 0, FILE_BEGIN), 0);
    char buf[32] = {};
    EXPECT_EQ(_lread(h, buf, 4), 4u);
    EXPECT_EQ(std::string(buf, 4), "0123");
    EXPECT_EQ(_lread(h, buf, 100), 6u);  // only six bytes were left
    EXPECT_EQ(std::string(buf, 6), "456789");
    EXPECT_EQ(_lread(h, buf, 100), 0u);
    EXPECT_EQ(_llseek(h, -3, FILE_END), 7);
    EXPECT_EQ(_llseek(h, 1, FILE_CURRENT), 8);
    // Past the end: reading gives nothing, writing fills the gap with zeros.
    EXPECT_EQ(_llseek(h, 20, FILE_BEGIN), 20);
    EXPECT_EQ(_lread(h, buf, 5), 0u);
    EXPECT_EQ(_lwrite(h, "Z", 1), 1u);
    EXPECT_EQ(SizeOf("ZORIN/DATA.bin"), 21);
    EXPECT_EQ(_llseek(h, 12, FILE_BEGIN), 12);
    EXPECT_EQ(_lread(h, buf, 1), 1u);
    EXPECT_EQ(buf[0], '\0');
    // A negative position is refused and leaves the position alone.
    EXPECT_EQ(_llseek(h, -100, FILE_BEGIN), HFILE_ERROR);
    EXPECT_EQ(_llseek(h, 0, FILE_CURRENT), 13);
    // Writing nothing cuts the file at the position.
    EXPECT_EQ(_llseek(h, 5, FILE_BEGIN), 5);
    EXPECT_EQ(_lwrite(h, "", 0), 0u);
    EXPECT_EQ(SizeOf("ZORIN/DATA.bin"), 5);
    EXPECT_EQ(_lclose(h), 0);
    EXPECT_EQ(_lclose(h), HFILE_ERROR);
    EXPECT_EQ(_lread(h, buf, 1), kReadWriteError);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(FileTest, OpenModesAndErrorValues) {
    Put("ZORIN/heads.cnf", "abc");
    HFILE ro = _lopen("\\ZORIN\\HEADS.CNF", OF_READ);
    ASSERT_NE(ro, HFILE_ERROR);
    EXPECT_EQ(_lwrite(ro, "x", 1), kReadWriteError);  // not opened for writing
    _lclose(ro);
    HFILE wo = _lopen("\\zorin\\heads.cnf", OF_WRITE);
    ASSERT_NE(wo, HFILE_ERROR);
    char c;
    EXPECT_EQ(_lread(wo, &c, 1), kReadWriteError);
    _lclose(wo);
    HFILE rw = _lopen("\\zorin\\heads.cnf", OF_READWRITE | OF_SHARE_DENY_WRITE);
    ASSERT_NE(rw, HFILE_ERROR);
    EXPECT_EQ(_lwrite(rw, "X", 1), 1u);  // no truncation on open
    _lclose(rw);
    EXPECT_EQ(SizeOf("ZORIN/heads.cnf"), 3);

    EXPECT_EQ(_lopen("\\ZORIN\\missing.cnf", OF_READ), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(_lopen("\\NOFOLDER\\x.cnf", OF_READ), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(_lcreat("\\NOFOLDER\\x.cnf", 0), HFILE_ERROR);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(_lopen("\\ZORIN", OF_READ), HFILE_ERROR);  // a folder is not a file
}

TEST_F(FileTest, AttributesAndDeletion) {
    HFILE h = _lcreat("\\ZORIN\\plunit.cnf", 2);  // hidden
    ASSERT_NE(h, HFILE_ERROR);
    _lclose(h);
    EXPECT_EQ(GetFileAttributes("\\zorin\\PLUNIT.cnf"), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(SetFileAttributes("\\ZORIN\\plunit.cnf", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes("\\ZORIN\\plunit.cnf"), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(SetFileAttributes("\\ZORIN\\plunit.cnf", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(GetFileAttributes("\\ZORIN\\plunit.cnf"), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributes("\\ZORIN\\plunit.cnf", FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(GetFileAttributes("\\ZORIN"), FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(DeleteFile("\\zorin\\PLUNIT.CNF"));
    EXPECT_EQ(GetFileAttributes("\\ZORIN\\plunit.cnf"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(DeleteFile("\\ZORIN\\plunit.cnf"));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileTest, HandleCallsShareTheTable) {
    HANDLE h = CreateFile("\\ZORIN\\pic.bmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    EXPECT_TRUE(WriteFile(h, "BMxyz", 5, &done, nullptr));
    EXPECT_EQ(done, 5u);
    EXPECT_EQ(SetFilePointer(h, 1, nullptr, FILE_BEGIN), 1u);
    EXPECT_EQ(GetFileSize(h, nullptr), 5u);
    EXPECT_TRUE(CloseHandle(h));
    h = CreateFile("\\ZORIN\\PIC.BMP", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                   nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    char buf[8];
    EXPECT_TRUE(ReadFile(h, buf, 8, &done, nullptr));
    EXPECT_EQ(done, 5u);
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_EQ(CreateFile("\\ZORIN\\none.bmp", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
}

TEST_F(FileTest, ListingsMatchPatternsWithoutRegardToCase) {
    Put("ZORIN/b.KRV", "");
    Put("ZORIN/A.krv", "");
    Put("ZORIN/c.txt", "");
    mkdir((root + "/ZORIN/INHIB").c_str(), 0755);
    std::vector<DirectoryEntry> entries;
    ASSERT_TRUE(ListDirectory("\\zorin\\*.krv", &entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "A.krv");
    EXPECT_EQ(entries[1].name, "b.KRV");
    EXPECT_FALSE(ListDirectory("\\NOFOLDER\\*.krv", &entries));

    struct Case {
        const char* name;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {{"WORK.KRV", "*.krv", true}, {"work.krv", "W?RK.*", true},
                          {"work", "*.*", true},       {"work.krv", "*.txt", false},
                          {"a.b.krv", "*.krv", true},  {"krv", "*.krv", false},
                          {"README", "readme.", true}, {"ab", "a?c", false}};
    for (const Case& c : cases)
        EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

// A directory listing into a list box: the folder becomes current, only the
// pattern stays in the path, the static control shows the folder.
INT_PTR BrowserProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST_F(FileTest, DirectoryListingFillsAListBox) {
    Put("ZORIN/one.krv", "");
    Put("ZORIN/Two.KRV", "");
    Put("ZORIN/three.txt", "");
    DialogTemplate t;
    t.caption = "BROWSE";
    t.cx = 100;
    t.cy = 100;
    t.items = {{"LISTBOX", 931, "", LBS_SORT, 0, 0, 80, 60}, {"STATIC", 833, "", 0, 0, 70, 80, 10}};
    RegisterDialogTemplate(52, t);
    HWND d = CreateDialogParam(nullptr, 52, nullptr, BrowserProc, 0);
    ASSERT_NE(d, nullptr);
    char pattern[MAX_PATH] = "\\zorin\\*.krv";
    ASSERT_TRUE(DlgDirList(d, pattern, 931, 833, DDL_READWRITE));
    EXPECT_STREQ(pattern, "*.krv");
    char text[64];
    GetDlgItemText(d, 833, text, sizeof text);
    EXPECT_STREQ(text, "C:\\ZORIN");
    ASSERT_EQ(SendDlgItemMessage(d, 931, LB_GETCOUNT, 0, 0), 2);
    SendDlgItemMessage(d, 931, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Two.KRV");
    char missing[MAX_PATH] = "\\NOFOLDER\\*.krv";
    EXPECT_FALSE(DlgDirList(d, missing, 931, 833, DDL_READWRITE));
    DestroyWindow(d);
}

TEST_F(FileTest, RenameReplacesItsTargetOnlyWhenAsked) {
    Put("ZORIN/new.tmp", "new");
    Put("ZORIN/Work.KRV", "old contents");
    EXPECT_FALSE(MoveFileEx("\\ZORIN\\new.tmp", "\\zorin\\work.krv", 0));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(MoveFileEx("\\ZORIN\\new.tmp", "\\zorin\\work.krv", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(SizeOf("ZORIN/Work.KRV"), 3);  // the existing name, replaced whole
    EXPECT_EQ(SizeOf("ZORIN/new.tmp"), -1);
    EXPECT_FALSE(MoveFileEx("\\ZORIN\\gone.tmp", "\\ZORIN\\x.KRV", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(MoveFileEx("\\ZORIN\\Work.KRV", "\\ZORIN", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
}

TEST_F(FileTest, FailedWritesReportADiskFullAndWriteNothing) {
    HFILE h = _lcreat("\\ZORIN\\out.bin", 0);
    ASSERT_NE(h, HFILE_ERROR);
    FailNextFileWrites(2);
    EXPECT_EQ(_lwrite(h, "abc", 3), kReadWriteError);
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    DWORD done = 7;
    EXPECT_FALSE(WriteFile(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h)), "abc", 3, &done,
                           nullptr));
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(_lwrite(h, "abc", 3), 3u);  // the switch is used up
    EXPECT_TRUE(FlushFileBuffers(reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(h))));
    _lclose(h);
    EXPECT_EQ(SizeOf("ZORIN/out.bin"), 3);
    FailNextFileWrites(5);
    FailNextFileWrites(0);
    h = _lopen("\\ZORIN\\out.bin", OF_WRITE);
    EXPECT_EQ(_lwrite(h, "x", 1), 1u);
    _lclose(h);
}

TEST_F(FileTest, FailedReadsAndRenamesChangeNothing) {
    HFILE h = _lcreat("\\ZORIN\\in.bin", 0);
    ASSERT_EQ(_lwrite(h, "abcdef", 6), 6u);
    _lclose(h);
    h = _lopen("\\ZORIN\\in.bin", OF_READ);
    char got[4] = {};
    FailNextFileReads(1, 1);
    EXPECT_EQ(_lread(h, got, 2), 2u);  // the read let through
    EXPECT_EQ(_lread(h, got, 2), kReadWriteError);
    EXPECT_EQ(GetLastError(), ERROR_GEN_FAILURE);
    EXPECT_EQ(_lread(h, got, 2), 2u);  // nothing was taken by the failed read
    EXPECT_EQ(std::string(got, 2), "cd");
    _lclose(h);
    h = _lcreat("\\ZORIN\\new.tmp", 0);
    _lclose(h);
    FailNextFileRenames(1);
    EXPECT_FALSE(MoveFileEx("\\ZORIN\\new.tmp", "\\ZORIN\\in.bin", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(SizeOf("ZORIN/in.bin"), 6);
    EXPECT_TRUE(MoveFileEx("\\ZORIN\\new.tmp", "\\ZORIN\\in.bin", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(SizeOf("ZORIN/in.bin"), 0);
}

}  // namespace
}  // namespace wintest
