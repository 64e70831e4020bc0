// TextOutSubSup and GetSubSupTextWidth on a recording device context (an
// enhanced-metafile context keeps every call in order): which pieces are drawn
// where, in which font, and that the context comes back as it was.
#include "reporttext/format/sub_sup_text.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/win.h"

namespace {

struct Drawn {
    std::string text;
    int x;
    int y;
    int fontHeight;  // height of the font last selected before it (0: the initial font)
};

class SubSupTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        dc = win::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(dc, nullptr);
        font = win::CreateFontA(30, 0, 0, 0, 400, 0, 0, 0, win::OEM_CHARSET, 0, 0, 0,
                                win::FIXED_PITCH, "Courier New");
        previous = win::SelectObject(dc, font);
        win::GetTextMetricsA(dc, &tm);
        Recording().clear();
    }
    void TearDown() override {
        win::SelectObject(dc, previous);
        win::HENHMETAFILE mf = win::CloseEnhMetaFile(dc);
        win::DeleteEnhMetaFile(mf);
        win::DeleteObject(font);
        win::ResetPlatform();
    }

    std::vector<win::MetaRecord>& Recording() { return win::AsDc(dc)->recording->records; }

    std::vector<Drawn> TextsDrawn() {
        std::vector<Drawn> out;
        int height = 0;
        for (const win::MetaRecord& r : Recording()) {
            if (const auto* f = std::get_if<win::ops::SelectFont>(&r)) height = f->desc.lfHeight;
            if (const auto* t = std::get_if<win::ops::Text>(&r))
                out.push_back(Drawn{t->text, t->p.x, t->p.y, height});
        }
        return out;
    }

    int Width(const char* text) {
        win::SIZE s;
        win::GetTextExtentPoint32A(dc, text, static_cast<int>(std::string(text).size()), &s);
        return s.cx;
    }
    int SmallWidth(const char* text) {
        win::HFONT small =
            win::CreateFontA(20, tm.tmAveCharWidth / 2, 0, 0, 400, 0, 0, 0, win::OEM_CHARSET, 0, 0,
                             0, win::FIXED_PITCH, "Courier New");
        win::HGDIOBJ old = win::SelectObject(dc, small);
        const int w = Width(text);
        win::SelectObject(dc, old);
        win::DeleteObject(small);
        return w;
    }

    win::HDC dc = nullptr;
    win::HFONT font = nullptr;
    win::HGDIOBJ previous = nullptr;
    win::TEXTMETRICA tm;
};

TEST_F(SubSupTextTest, SubscriptIsSmallerAndAQuarterLower) {
    TextOutSubSup(dc, 10, 20, "CaCO_3");
    const std::vector<Drawn> d = TextsDrawn();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].text, "CaCO");
    EXPECT_EQ(d[0].x, 10);
    EXPECT_EQ(d[0].y, 20);
    EXPECT_EQ(d[1].text, "3");
    EXPECT_EQ(d[1].x, 10 + Width("CaCO"));
    EXPECT_EQ(d[1].y, 20 + tm.tmHeight / 4);
    EXPECT_EQ(d[1].fontHeight, 20);  // two thirds of 30
}

TEST_F(SubSupTextTest, SuperscriptGoesBackAlongYAndActsOnOneCharacter) {
    TextOutSubSup(dc, 0, 100, "(^oF)");
    const std::vector<Drawn> d = TextsDrawn();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].text, "(");
    EXPECT_EQ(d[1].text, "o");
    EXPECT_EQ(d[1].y, 100 - tm.tmHeight / 4);
    EXPECT_EQ(d[2].text, "F)");
    EXPECT_EQ(d[2].y, 100);
    EXPECT_EQ(d[2].x, Width("(") + SmallWidth("o"));
}

TEST_F(SubSupTextTest, DoubledAndTrailingMarkersDrawThemselves) {
    TextOutSubSup(dc, 0, 0, "a__b^^c_");
    const std::vector<Drawn> d = TextsDrawn();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].text, "a_b^c_");
}

TEST_F(SubSupTextTest, EmptyTextDrawsNothingAndTouchesNothing) {
    TextOutSubSup(dc, 0, 0, "");
    EXPECT_TRUE(Recording().empty());
    EXPECT_EQ(GetSubSupTextWidth(dc, ""), 0);
}

TEST_F(SubSupTextTest, ContextIsSavedAndRestored) {
    win::SetTextAlign(dc, win::TA_RIGHT | win::TA_TOP);
    Recording().clear();
    TextOutSubSup(dc, 200, 0, "H_2O");
    ASSERT_FALSE(Recording().empty());
    EXPECT_TRUE(std::holds_alternative<win::ops::Save>(Recording().front()));
    EXPECT_TRUE(std::holds_alternative<win::ops::Restore>(Recording().back()));
    EXPECT_EQ(win::GetCurrentObject(dc, win::OBJ_FONT), font);
    EXPECT_EQ(win::GetTextAlign(dc), win::TA_RIGHT | win::TA_TOP);
}

TEST_F(SubSupTextTest, RightAlignedLabelEndsAtX) {
    win::SetTextAlign(dc, win::TA_RIGHT | win::TA_TOP);
    Recording().clear();
    TextOutSubSup(dc, 200, 0, "H_2O");
    const std::vector<Drawn> d = TextsDrawn();
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].x, 200 - GetSubSupTextWidth(dc, "H_2O"));
    EXPECT_EQ(d[2].x + Width("O"), 200);
}

TEST_F(SubSupTextTest, WidthIsTheAdvanceOfTheDrawnPieces) {
    const char* labels[] = {"CaCO_3", "a_bc", "(^oGer)", "plain", "x_", "Mg(OH)_2"};
    for (const char* label : labels) {
        Recording().clear();
        TextOutSubSup(dc, 7, 0, label);
        const std::vector<Drawn> d = TextsDrawn();
        ASSERT_FALSE(d.empty());
        const int lastWidth = d.back().fontHeight == 20 ? SmallWidth(d.back().text.c_str())
                                                        : Width(d.back().text.c_str());
        EXPECT_EQ(GetSubSupTextWidth(dc, label), d.back().x + lastWidth - 7) << label;
    }
    EXPECT_EQ(GetSubSupTextWidth(dc, "CaCO_3"), Width("CaCO") + SmallWidth("3"));
}

}  // namespace
