// Axis labels at each magnitude threshold, their decimals and signs, the
// decimal exponent and the gamma table of the printer colours.
#include "reporttext/format/axis_number.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Label {
    std::string text;
    std::string suffix;
};

Label Format(double v, double low, double high, double step, uint8_t flag = 0) {
    char text[kAxisLabelChars];
    char suffix[kAxisSuffixChars] = " ";
    FormatAxisNumber(v, low, high, step, flag, text, suffix);
    return {text, suffix};
}

TEST(AxisNumberTest, ScaleByTheLargerEnd) {
    EXPECT_EQ(Format(5, 0, 25, 5).text, "5");
    EXPECT_EQ(Format(5, 0, 25, 5).suffix, " ");
    EXPECT_EQ(Format(9999, 0, 9999, 2000).suffix, " ");  // exponent 3
    EXPECT_EQ(Format(20000, 0, 10000, 2000).text, "20");
    EXPECT_EQ(Format(20000, 0, 10000, 2000).suffix, "K");      // exponent 4
    EXPECT_EQ(Format(200000, 0, 999999, 200000).suffix, "K");  // exponent 5
    EXPECT_EQ(Format(2e6, 0, 1e6, 2e5).text, "2.0");
    EXPECT_EQ(Format(2e6, 0, 1e6, 2e5).suffix, "M");
    EXPECT_EQ(Format(5e8, 0, 9e8, 1e8).suffix, "M");
    EXPECT_EQ(Format(3e9, 0, 5e9, 1e9).text, "3");
    EXPECT_EQ(Format(3e9, 0, 5e9, 1e9).suffix, "B");
    EXPECT_EQ(Format(2e12, 0, 5e12, 1e12).suffix, "E+12");
    EXPECT_EQ(Format(2e12, 0, 5e12, 1e12).text, "2");
    EXPECT_EQ(Format(0.25, 0, 0.35, 0.05).suffix, "E-01");
    EXPECT_EQ(Format(0.25, 0, 0.35, 0.05).text, "2.5");
    EXPECT_EQ(Format(2e-10, 0, 5e-10, 1e-10).suffix, "E-10");
    // A non-zero flag scales by the value itself.
    EXPECT_EQ(Format(20000, 0, 10, 2, 1).suffix, "K");
}

TEST(AxisNumberTest, DecimalsFollowTheStep) {
    EXPECT_EQ(Format(2, 0, 10, 1).text, "2");
    EXPECT_EQ(Format(0.5, 0, 2, 0.5).text, "0.5");
    EXPECT_EQ(Format(0.1, 0, 2, 0.1).text, "0.1");
    EXPECT_EQ(Format(0.05, 0, 2, 0.05).text, "0.05");
    EXPECT_EQ(Format(-1e-17, -1, 1, 0.5).text, "0.0");
    EXPECT_EQ(Format(-0.0, -10, 10, 5).text, "0");
    EXPECT_EQ(Format(-5, -10, 10, 5).text, "-5");
}

TEST(AxisNumberTest, DecimalExponentAndGamma) {
    EXPECT_EQ(GetDecimalExponent(0.0), 0);
    EXPECT_EQ(GetDecimalExponent(999.0), 2);
    EXPECT_EQ(GetDecimalExponent(-1000.0), 3);
    EXPECT_EQ(GetDecimalExponent(0.05), -2);
    uint8_t t[256];
    BuildGammaTable(t, 0.33);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[24], 117);
    EXPECT_EQ(t[64], 162);
    EXPECT_EQ(t[96], 185);
    EXPECT_EQ(t[128], 203);
    EXPECT_EQ(t[178], 226);
    EXPECT_EQ(t[255], 255);
}

}  // namespace
