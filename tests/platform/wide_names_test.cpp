// UTF-16 file names and Windows-1252 text to UTF-16.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

class WideFileTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        char tmpl[] = "/tmp/tarvex_wide_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        root = tmpl;
        SetPathRoot(root);
    }
    void TearDown() override {
        PlatformTest::TearDown();
        std::string cmd = "rm -rf '" + root + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    std::string Read(const std::string& rel) {
        std::ifstream in(root + "/" + rel, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& rel) {
        struct stat st;
        return ::stat((root + "/" + rel).c_str(), &st) == 0;
    }
    std::string root;
};

TEST_F(WideFileTest, Utf16NamesBecomeUtf8NamesThroughThePathMapping) {
    // "\Grafik-ä€.bmp": a Latin-1 letter and a character outside Latin-1.
    const char16_t name[] = u"\\Grafik-\u00E4\u20AC.bmp";
    HANDLE h = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD done = 0;
    EXPECT_TRUE(WriteFile(h, "abc", 3, &done, nullptr));
    CloseHandle(h);
    EXPECT_EQ(Read("Grafik-\xC3\xA4\xE2\x82\xAC.bmp"), "abc");
    // Case is ignored as for single-byte names.
    h = CreateFileW(u"\\GRAFIK-\u00E4\u20AC.BMP", GENERIC_READ, FILE_SHARE_READ, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
    EXPECT_TRUE(DeleteFileW(name));
    EXPECT_FALSE(Exists("Grafik-\xC3\xA4\xE2\x82\xAC.bmp"));
    EXPECT_FALSE(DeleteFileW(name));
    EXPECT_EQ(
        CreateFileW(u"\\missing\\x.bmp", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
        INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST_F(WideFileTest, AnsiTextWidensThroughWindows1252) {
    const char text[] = "Jan \x80\xE9\x9F";  // euro sign, e acute, Y diaeresis
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), 8);  // NUL included
    char16_t out[8];
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, out, 8), 8);
    EXPECT_EQ(std::u16string(out), u"Jan \u20AC\u00E9\u0178");
    // A counted source converts no NUL; a destination one short is refused.
    char16_t two[3] = {u'x', u'x', u'x'};
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, 2, two, 2), 2);
    EXPECT_EQ(two[0], u'J');
    EXPECT_EQ(two[2], u'x');
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, 3, two, 2), 0);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(MultiByteToWideChar(437, 0, text, -1, out, 8), 0);
}

}  // namespace
}  // namespace wintest
