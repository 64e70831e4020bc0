// Fonts and text: faces for the names the program uses, metrics against
// the published design metrics of the faces the Liberation fonts match,
// extents, alignment, rotation, code pages, formatted text, and a picture
// of text in three faces, bold and rotated.
#include <cstdio>
#include <cstring>

#include "platform/text/font_codepages.h"
#include "platform/text/font_faces.h"
#include "tests/platform/gdi_test_support.h"

namespace win::test {
namespace {

using FontTest = GdiTest;

HFONT Font(int height, const char* face, int weight = FW_NORMAL, int escapement = 0,
           BYTE charSet = ANSI_CHARSET, int width = 0) {
    return CreateFontA(height, width, escapement, escapement, weight, 0, 0, 0, charSet, 0, 0,
                       PROOF_QUALITY, 0, face);
}

TEST_F(FontTest, FaceNamesOfTheProgramMapToLiberationFaces) {
    struct Case {
        const char* face;
        BYTE pitchAndFamily;
        BYTE charSet;
        FaceFamily family;
        bool bold;
    };
    const Case cases[] = {{"Arial", 0, ANSI_CHARSET, FaceFamily::Sans, false},
                          {"Arial Bold", 0x20, ANSI_CHARSET, FaceFamily::Sans, true},
                          {"Tahoma", 0, OEM_CHARSET, FaceFamily::Sans, false},
                          {"MS Sans Serif", FIXED_PITCH, OEM_CHARSET, FaceFamily::Sans, false},
                          {"Times New Roman Bold", 0, ANSI_CHARSET, FaceFamily::Serif, true},
                          {"courier new", 0, ANSI_CHARSET, FaceFamily::Mono, false},
                          {"terminal", FIXED_PITCH, ANSI_CHARSET, FaceFamily::Mono, false},
                          {"", 0x25, OEM_CHARSET, FaceFamily::Mono, false},  // the screen page font
                          {"", 0, OEM_CHARSET, FaceFamily::Mono, false},     // OEM without a face
                          {"", FF_ROMAN, ANSI_CHARSET, FaceFamily::Serif, false},
                          {"Unknown Face", 0, ANSI_CHARSET, FaceFamily::Sans, false}};
    for (const Case& c : cases) {
        LOGFONTA lf;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", c.face);
        lf.lfPitchAndFamily = c.pitchAndFamily;
        lf.lfCharSet = c.charSet;
        const FaceChoice choice = ChooseFace(lf);
        EXPECT_EQ(choice.family, c.family) << "\"" << c.face << "\"";
        EXPECT_EQ(choice.bold, c.bold) << "\"" << c.face << "\"";
    }
}

// Published design metrics (font units of a 2048-unit em): Arial ascent
// 1854 / descent 434, Times New Roman 1825 / 443, Courier New 1705 / 615,
// Courier New advance 1229 for every character.
TEST_F(FontTest, MetricsFollowTheDesignMetricsOfTheFaces) {
    HDC dc = CreateCompatibleDC(nullptr);
    struct Case {
        int height;
        const char* face;
        LONG ascent;
        LONG descent;
        LONG internal;
    };
    const Case cases[] = {// Em height 16: ascent 1854*16/2048 = 14.48 -> 14, descent 3.39 -> 3.
                          {-16, "Arial", 14, 3, 1},
                          // Cell height 16: em = 16*2048/2288 = 14.32; ascent 12.96 -> 13.
                          {16, "Arial", 13, 3, 2},
                          // Em 20: 1825*20/2048 = 17.82 -> 18; 443*20/2048 = 4.33 -> 4.
                          {-20, "Times New Roman", 18, 4, 2},
                          // Em 20: 1705*20/2048 = 16.65 -> 17; 615*20/2048 = 6.01 -> 6.
                          {-20, "Courier New", 17, 6, 3}};
    for (const Case& c : cases) {
        HFONT f = Font(c.height, c.face);
        HGDIOBJ old = SelectObject(dc, f);
        TEXTMETRICA tm;
        ASSERT_TRUE(GetTextMetricsA(dc, &tm));
        EXPECT_EQ(tm.tmAscent, c.ascent) << c.face << " " << c.height;
        EXPECT_EQ(tm.tmDescent, c.descent) << c.face << " " << c.height;
        EXPECT_EQ(tm.tmHeight, c.ascent + c.descent);
        EXPECT_EQ(tm.tmInternalLeading, c.internal) << c.face << " " << c.height;
        SelectObject(dc, old);
        DeleteObject(f);
    }
    // Courier New at em 20: every character advances 1229*20/2048 = 12.0.
    HFONT mono = Font(-20, "Courier New");
    SelectObject(dc, mono);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(dc, "abcde", 5, &size));
    EXPECT_EQ(size.cx, 60);
    EXPECT_EQ(size.cy, 23);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    EXPECT_EQ(tm.tmAveCharWidth, 12);
    EXPECT_EQ(tm.tmPitchAndFamily & 1, 0);  // fixed pitch
    ASSERT_TRUE(GetTextExtentPoint32A(dc, "", 0, &size));
    EXPECT_EQ(size.cx, 0);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST_F(FontTest, ExtentsAddUpAndFollowTheRequestedWidth) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT bold = Font(-24, "Tahoma", FW_BOLD, 0, OEM_CHARSET);
    SelectObject(dc, bold);
    SIZE one, eighty;
    GetTextExtentPoint32A(dc, "_", 1, &one);
    const std::string rule(80, '_');
    GetTextExtentPoint32A(dc, rule.c_str(), 80, &eighty);
    // Advances are whole pixels per glyph, so a rule measures 80 underscores.
    EXPECT_EQ(eighty.cx, 80 * one.cx);
    // A width request sets the average character width exactly.
    HFONT narrow = Font(-24, "Tahoma", FW_NORMAL, 0, OEM_CHARSET, 7);
    SelectObject(dc, narrow);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    EXPECT_EQ(tm.tmAveCharWidth, 7);
    SIZE narrowRule;
    GetTextExtentPoint32A(dc, rule.c_str(), 80, &narrowRule);
    EXPECT_LT(narrowRule.cx, eighty.cx);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(bold);
    DeleteObject(narrow);
    DeleteDC(dc);
}

TEST_F(FontTest, CodePagesMapBytesToTheirCharacters) {
    EXPECT_EQ(ByteToUnicode(0xF8, OEM_CHARSET), U'\u00B0');  // degree sign
    EXPECT_EQ(ByteToUnicode(0xB0, ANSI_CHARSET), U'\u00B0');
    EXPECT_EQ(ByteToUnicode(0x80, OEM_CHARSET), U'\u00C7');   // C cedilla
    EXPECT_EQ(ByteToUnicode(0x80, ANSI_CHARSET), U'\u20AC');  // euro sign
    EXPECT_EQ(ByteToUnicode(0x19, OEM_CHARSET), U'\u2193');   // down arrow
    EXPECT_EQ(ByteToUnicode(0x09, OEM_CHARSET), U'\t');       // tab keeps its meaning
    EXPECT_EQ(ByteToUnicode(0x19, ANSI_CHARSET), U'\u0019');
    EXPECT_EQ(ByteToUnicode(0xE1, OEM_CHARSET), U'\u00DF');   // sharp s
    EXPECT_EQ(ByteToUnicode('A', OEM_CHARSET), U'A');
    // The OEM font's byte 0xF8 draws the same degree sign as the ANSI font's
    // byte 0xB0 in the same face.
    MemoryCanvas oem(40, 40);
    MemoryCanvas ansi(40, 40);
    HFONT fo = Font(-30, "Courier New", FW_NORMAL, 0, OEM_CHARSET);
    HFONT fa = Font(-30, "Courier New", FW_NORMAL, 0, ANSI_CHARSET);
    SelectObject(oem.Dc(), fo);
    SelectObject(ansi.Dc(), fa);
    TextOutA(oem.Dc(), 5, 2, "\xF8", 1);
    TextOutA(ansi.Dc(), 5, 2, "\xB0", 1);
    EXPECT_GT(CountInk(oem.Pixels()), 10);
    EXPECT_EQ(oem.Pixels().pixels, ansi.Pixels().pixels);
    SelectObject(oem.Dc(), GetStockObject(SYSTEM_FONT));
    SelectObject(ansi.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(fo);
    DeleteObject(fa);
}

TEST_F(FontTest, AlignmentPlacesTheReferencePoint) {
    MemoryCanvas c(300, 100);
    HFONT f = Font(-20, "Arial");
    SelectObject(c.Dc(), f);
    SetBkMode(c.Dc(), TRANSPARENT);
    TEXTMETRICA tm;
    GetTextMetricsA(c.Dc(), &tm);
    SIZE size;
    GetTextExtentPoint32A(c.Dc(), "HHHH", 4, &size);
    // Right-aligned: the ink ends at the reference x.
    SetTextAlign(c.Dc(), TA_RIGHT | TA_TOP);
    TextOutA(c.Dc(), 200, 10, "HHHH", 4);
    RECT ink = InkBox(c.Pixels());
    EXPECT_NEAR(ink.right, 200, 3);
    EXPECT_NEAR(ink.left, 200 - size.cx, 3);
    // Baseline: capitals stand on the reference y.
    PatBlt(c.Dc(), 0, 0, 300, 100, WHITENESS);
    SetTextAlign(c.Dc(), TA_CENTER | TA_BASELINE);
    TextOutA(c.Dc(), 150, 60, "HHHH", 4);
    ink = InkBox(c.Pixels());
    EXPECT_EQ(ink.bottom, 60);
    EXPECT_NEAR((ink.left + ink.right) / 2, 150, 2);
    // Updating the current position: the next text continues where the
    // last one ended.
    PatBlt(c.Dc(), 0, 0, 300, 100, WHITENESS);
    SetTextAlign(c.Dc(), TA_UPDATECP);
    MoveToEx(c.Dc(), 10, 10, nullptr);
    TextOutA(c.Dc(), 0, 0, "HHHH", 4);
    POINT at;
    GetCurrentPositionEx(c.Dc(), &at);
    EXPECT_EQ(at.x, 10 + size.cx);
    EXPECT_EQ(at.y, 10);
    SelectObject(c.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
}

TEST_F(FontTest, EscapementTurnsTextAboutItsReferencePoint) {
    MemoryCanvas c(200, 200);
    SetBkMode(c.Dc(), TRANSPARENT);
    HFONT up = Font(-20, "Arial", FW_BOLD, 900);
    SelectObject(c.Dc(), up);
    TextOutA(c.Dc(), 100, 150, "Rising", 6);
    RECT ink = InkBox(c.Pixels());
    // A quarter turn counter-clockwise: the line runs up from the point, and
    // its top (toward the reference point's side) is to the left.
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.left, 100);
    PatBlt(c.Dc(), 0, 0, 200, 200, WHITENESS);
    HFONT down = Font(-20, "Arial", FW_BOLD, 2700);
    SelectObject(c.Dc(), down);
    TextOutA(c.Dc(), 100, 50, "Falling", 7);
    ink = InkBox(c.Pixels());
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
    EXPECT_GE(ink.top, 49);
    EXPECT_LE(ink.right, 101);
    SelectObject(c.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(up);
    DeleteObject(down);
}

TEST_F(FontTest, FormattedTextBreaksWordsAndAligns) {
    MemoryCanvas c(200, 200);
    HFONT f = Font(-14, "Arial");
    SelectObject(c.Dc(), f);
    TEXTMETRICA tm;
    GetTextMetricsA(c.Dc(), &tm);
    const char* text = "the quick brown fox jumps over the lazy dog";
    RECT box{10, 10, 90, 10};
    const int height = DrawTextA(c.Dc(), text, -1, &box, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height % tm.tmHeight, 0);
    EXPECT_GE(height / tm.tmHeight, 3);
    EXPECT_EQ(box.bottom, 10 + height);
    EXPECT_EQ(box.right, 90);  // measuring leaves the width alone
    EXPECT_EQ(CountInk(c.Pixels()), 0);
    RECT draw{10, 10, 90, 190};
    EXPECT_EQ(DrawTextA(c.Dc(), text, -1, &draw, DT_WORDBREAK | DT_CENTER), height);
    RECT ink = InkBox(c.Pixels());
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 90);
    EXPECT_LE(ink.bottom, 10 + height);
    // Right alignment on one line, and clipping to the rectangle.
    PatBlt(c.Dc(), 0, 0, 200, 200, WHITENESS);
    RECT line{10, 10, 190, 40};
    DrawTextA(c.Dc(), "&Right", -1, &line, DT_SINGLELINE | DT_RIGHT | DT_VCENTER);
    ink = InkBox(c.Pixels());
    EXPECT_NEAR(ink.right, 190, 2);
    RECT tiny{10, 60, 30, 80};
    DrawTextA(c.Dc(), "clipped away", -1, &tiny, DT_SINGLELINE);
    ink = InkBox(c.Pixels());
    for (int y = 60; y < 80; ++y) EXPECT_EQ(c.At(31, y), RGB(255, 255, 255));
    SelectObject(c.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
}

// The letter a single '&' marks is underlined a pixel below the baseline,
// under that letter alone; "&&" is a plain ampersand, and DT_NOPREFIX draws
// the marks as text.
TEST_F(FontTest, TheMarkedLetterIsUnderlined) {
    MemoryCanvas c(200, 40);
    HFONT f = Font(-14, "Arial");
    SelectObject(c.Dc(), f);
    TEXTMETRICA tm;
    GetTextMetricsA(c.Dc(), &tm);
    const int under = 10 + tm.tmAscent + 1;
    SIZE before{};
    SIZE through{};
    GetTextExtentPoint32A(c.Dc(), "Save ", 5, &before);
    GetTextExtentPoint32A(c.Dc(), "Save A", 6, &through);
    // The columns with ink on the row under the baseline.
    auto inkUnder = [&]() {
        std::vector<int> xs;
        for (int x = 0; x < 200; ++x)
            if (c.At(x, under) != RGB(255, 255, 255)) xs.push_back(x);
        return xs;
    };
    struct Case {
        const char* text;
        UINT format;
        bool underlined;
    };
    for (const Case& k : {Case{"Save &As", 0, true}, Case{"Save && As", 0, false},
                          Case{"Save &As", DT_NOPREFIX, false}}) {
        PatBlt(c.Dc(), 0, 0, 200, 40, WHITENESS);
        RECT r{10, 10, 190, 30};
        DrawTextA(c.Dc(), k.text, -1, &r, DT_SINGLELINE | k.format);
        const std::vector<int> xs = inkUnder();
        if (!k.underlined) {
            EXPECT_TRUE(xs.empty()) << k.text;
            continue;
        }
        ASSERT_FALSE(xs.empty()) << k.text;
        EXPECT_EQ(xs.front(), 10 + before.cx) << k.text;
        EXPECT_EQ(xs.back(), 10 + through.cx - 1) << k.text;
        EXPECT_EQ(static_cast<int>(xs.size()), through.cx - before.cx) << k.text;
    }
    SelectObject(c.Dc(), GetStockObject(SYSTEM_FONT));
    DeleteObject(f);
}

TEST_F(FontTest, TextInThreeFacesBoldAndRotatedMatchesItsPicture) {
    MemoryCanvas c(320, 200);
    HDC dc = c.Dc();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(4, 4, 60));
    HFONT fonts[] = {Font(-18, "Arial"),
                     Font(-18, "Times New Roman"),
                     Font(-18, "Courier New"),
                     Font(-18, "Arial", FW_BOLD),
                     Font(-16, "Arial", FW_BOLD, 900),
                     Font(-16, "Arial", FW_BOLD, 2700),
                     Font(16, "Tahoma", FW_NORMAL, 0, OEM_CHARSET)};
    const char* lines[] = {"Sans: Calcite CaCO3", "Serif: Barite BaSO4", "Mono: 123.45 mg/L",
                           "Bold: SCALE POTENTIAL"};
    for (int i = 0; i < 4; ++i) {
        SelectObject(dc, fonts[i]);
        TextOutA(dc, 40, 10 + 28 * i, lines[i], static_cast<int>(std::strlen(lines[i])));
    }
    SelectObject(dc, fonts[4]);
    TextOutA(dc, 8, 190, "Upward", 6);
    SelectObject(dc, fonts[5]);
    TextOutA(dc, 312, 10, "Downward", 8);
    SelectObject(dc, fonts[6]);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 160));
    TextOutA(dc, 40, 130,
             "Temperature (\xF8"
             "F)",
             16);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    for (HFONT f : fonts) DeleteObject(f);
    EXPECT_TRUE(MatchesGolden(c.Pixels(), "text_faces"));
}

}  // namespace
}  // namespace win::test
