// The clipboard shared with other programs through a display driver: what
// the program copies is announced once, as UTF-8 text with LF line ends (its
// own formats stay inside); text another program holds replaces the
// program's contents as ANSI and OEM text with CR LF line ends; and the code
// page conversions under any bytes another program may send; a table copied
// as comma-separated rows pastes as rows of tab-separated cells.
#include <cstring>

#include "platform/system/clipboard_shared.h"
#include "platform/system/csv_tab_rows.h"
#include "platform/text/font_codepages.h"
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

// A display whose clipboard the test plays.
class FakeDisplay final : public Driver {
  public:
    [[nodiscard]] const char* Name() const override { return "fake"; }
    [[nodiscard]] bool Interactive() const override { return false; }
    bool WaitForInput() override { return false; }
    void WindowChanged(HWND) override {}
    void ClipboardChanged() override {
        ++changes;
        std::string text;
        offered = detail::ClipboardTextForOthers(&text) ? text : "<none>";
        holdsData = detail::ClipboardHoldsData();
    }
    bool ClipboardElsewhere(std::string* text) override {
        ++asked;
        if (!elsewhere) return false;
        *text = elsewhereText;
        return true;
    }

    int changes = 0;
    int asked = 0;
    std::string offered;
    bool holdsData = false;
    bool elsewhere = false;
    std::string elsewhereText;
};

class SharedClipboardTest : public PlatformTest {
  protected:
    void SetUp() override {
        PlatformTest::SetUp();
        auto fake = std::make_unique<FakeDisplay>();
        display = fake.get();
        SetDriver(std::move(fake));
    }
    void TearDown() override {
        SetDriver(nullptr);
        PlatformTest::TearDown();
    }
    static HGLOBAL Block(const std::string& bytes) {
        HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        std::memcpy(GlobalLock(h), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(h);
        return h;
    }
    static std::string Text(UINT format) {
        auto h = static_cast<HGLOBAL>(GetClipboardData(format));
        if (h == nullptr) return "<none>";
        std::string s(static_cast<const char*>(GlobalLock(h)));
        GlobalUnlock(h);
        return s;
    }
    FakeDisplay* display = nullptr;
};

TEST_F(SharedClipboardTest, ACopyIsAnnouncedOnceAsUtf8TextAndOwnFormatsStayInside) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, Block("25 \xB0"
                                    "C\r\nnext \x80"));
    SetClipboardData(RegisterClipboardFormat("tkResults"), Block("private"));
    EXPECT_EQ(display->changes, 0);  // nothing leaves before the clipboard is closed
    CloseClipboard();
    EXPECT_EQ(display->changes, 1);
    EXPECT_EQ(display->offered,
              "25 \xC2\xB0"
              "C\nnext \xE2\x82\xAC");

    // Opening and closing without a change announces nothing.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(Text(CF_TEXT),
              "25 \xB0"
              "C\r\nnext \x80");
    CloseClipboard();
    EXPECT_EQ(display->changes, 1);

    // Only the program's own format: nothing for other programs, but the
    // clipboard is not empty either.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(RegisterClipboardFormat("tkResults"), Block("private"));
    CloseClipboard();
    EXPECT_EQ(display->offered, "<none>");
    EXPECT_TRUE(display->holdsData);

    // OEM text alone is offered from its own code page (0xF8 the degree sign).
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_OEMTEXT, Block("30 \xF8"
                                       "F"));
    CloseClipboard();
    EXPECT_EQ(display->offered,
              "30 \xC2\xB0"
              "F");

    // Emptying is a change too.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(display->changes, 4);
    EXPECT_FALSE(display->holdsData);
}

TEST_F(SharedClipboardTest, AnotherProgramsTextReplacesTheProgramsContents) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(RegisterClipboardFormat("tkResults"), Block("private"));
    CloseClipboard();

    display->elsewhere = true;
    display->elsewhereText =
        "Paste \xFC\r\n30 \xB0"
        "F";  // already in the ANSI page
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormat("tkResults")));
    EXPECT_EQ(GetClipboardOwner(), nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(Text(CF_TEXT),
              "Paste \xFC\r\n30 \xB0"
              "F");
    EXPECT_EQ(Text(CF_OEMTEXT),
              "Paste \x81\r\n30 \xF8"
              "F");
    EXPECT_EQ(CountClipboardFormats(), 2);
    CloseClipboard();

    // Nobody holds the shared clipboard: it is empty for the program too.
    display->elsewhereText.clear();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_EQ(CountClipboardFormats(), 0);
    EXPECT_EQ(LiveGlobalBlocks(), 0);  // the replaced blocks were freed
}

TEST_F(SharedClipboardTest, TextFromOtherProgramsSurvivesAnyBytes) {
    // Line ends become CR LF (an existing CR LF stays one), a NUL ends the text,
    // characters the code page lacks become '?'.
    EXPECT_EQ(detail::TextFromOthers("a\nb\r\nc\rd", ANSI_CHARSET), "a\r\nb\r\nc\rd");
    EXPECT_EQ(detail::TextFromOthers(std::string("ab\0cd", 5), ANSI_CHARSET), "ab");
    EXPECT_EQ(detail::TextFromOthers("\xE2\x82\xAC \xCE\xB1 \xE4\xB8\xAD", ANSI_CHARSET),
              "\x80 ? ?");
    EXPECT_EQ(detail::TextFromOthers("\xCE\xB1 \xE2\x94\x82", OEM_CHARSET), "\xE0 \xB3");
    // Malformed UTF-8: stray continuation bytes, truncated sequences,
    // overlong forms and surrogates each become one replacement character.
    EXPECT_EQ(DecodeUtf8("\x80"
                         "a"),
              std::u32string(U"\uFFFDa"));
    EXPECT_EQ(DecodeUtf8("a\xE2\x82"), std::u32string(U"a\uFFFD\uFFFD"));
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), std::u32string(U"\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), std::u32string(U"\U0001F600"));
    EXPECT_EQ(detail::TextFromOthers("\xFF\xFE", ANSI_CHARSET), "??");
    // And back: every ANSI byte survives the round trip through UTF-8.
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(EncodeText(DecodeUtf8(TextToUtf8(all, ANSI_CHARSET)), ANSI_CHARSET), all);
    EXPECT_EQ(EncodeText(DecodeUtf8(TextToUtf8(all, OEM_CHARSET)), OEM_CHARSET), all);
}

// Quoted cells keep their commas, quotes and line ends; a tab inside a cell
// would start a new column and becomes a blank; the block's NUL goes.
TEST(CsvTabRowsTest, CellsAsAnEditorPastesThem) {
    struct Case {
        std::string csv;
        std::string rows;
    };
    const Case cases[] = {
        {"a,b,c\r\n1,2,3\r\n", "a\tb\tc\r\n1\t2\t3\r\n"},
        {"Calcite:,CaCO3,4.19\r\n\r\nx\r\n", "Calcite:\tCaCO3\t4.19\r\n\r\nx\r\n"},
        {"\"10,760\",\"say \"\"hi\"\"\"\r\n", "10,760\tsay \"hi\"\r\n"},
        {"\"two\r\nlines\",end\r\n", "two\r\nlines\tend\r\n"},
        {"tab\there,,\r\n", "tab here\t\t\r\n"},
        {"lf only\nnext\n", "lf only\r\nnext\r\n"},
        {std::string("last\r\n\0\0", 8), "last\r\n"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CsvTabRows(c.csv), c.rows) << c.csv;
}

}  // namespace
}  // namespace wintest
