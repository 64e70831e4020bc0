// The graph font factory: faces, character sets, turns and weights.
#include "graphs/axis/graph_font.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GraphFontTest, FacesTurnsAndWeights) {
    win::LOGFONTA f;
    ASSERT_TRUE(GraphFontRequest(1, 0, 19, 3, 1, f));
    EXPECT_STREQ(f.lfFaceName, "Arial Bold");
    EXPECT_EQ(f.lfCharSet, 0);
    EXPECT_EQ(f.lfPitchAndFamily, 0x20);
    EXPECT_EQ(f.lfWeight, 700);
    EXPECT_EQ(f.lfEscapement, 2700);
    EXPECT_EQ(f.lfOrientation, 2700);
    EXPECT_EQ(f.lfQuality, 2);
    EXPECT_EQ(f.lfHeight, 19);
    ASSERT_TRUE(GraphFontRequest(0, 0, 10, 1, 0, f));
    EXPECT_STREQ(f.lfFaceName, "Times New Roman Bold");
    EXPECT_EQ(f.lfWeight, 400);
    EXPECT_EQ(f.lfEscapement, 900);
    ASSERT_TRUE(GraphFontRequest(2, 0, 10, 0, 0, f));
    EXPECT_STREQ(f.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(f.lfCharSet, 255);
    EXPECT_EQ(f.lfPitchAndFamily, 1);
    ASSERT_TRUE(GraphFontRequest(5, 1, 19, 0, 0, f));
    EXPECT_STREQ(f.lfFaceName, "terminal");
    EXPECT_FALSE(GraphFontRequest(5, 0, 19, 0, 0, f));
    EXPECT_EQ(CreateGraphFont(5, 0, 19, 0, 0), nullptr);
}

}  // namespace
