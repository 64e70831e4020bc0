// The number formats at each threshold and rounding edge. The expected texts
// were written by Python's % operator on the same value (widened from single
// precision where the formatter takes a float), following the thresholds of
// each format as stated beside its declaration; single precision moves some
// edges (0.001f is slightly above 0.001, 0.01f slightly below 0.01).
#include "reporttext/format/format_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct FloatCase {
    float value;
    const char* text;
};

std::string Seven(float v) {
    char t[kValueTextChars];
    FormatValue7(t, v);
    return t;
}

TEST(FormatValue7, EachThresholdAndRoundingEdge) {
    const FloatCase cases[] = {
        {0.0f, "   0.00"},       {0.0005f, "< 0.001"},    {-0.0005f, ">-0.001"},
        {0.001f, "0.00100"},     {-0.001f, "-0.00100"},   {0.00999f, "0.00999"},
        {0.01f, "0.01000"},      {0.0999f, " 0.0999"},    {0.1f, "  0.100"},
        {0.9995f, "  0.999"},    {1.0f, "   1.00"},       {999.994f, " 999.99"},
        {999.996f, "1000.00"},   {1000.0f, "   1000"},    {9999999.0f, "9999999"},
        {1.0e7f, " 1.0e+7"},     {-999999.0f, "-999999"}, {-1.0e6f, "-1.0e+6"},
        {-2.5e6f, "-2.5e+6"},    {1.5e7f, " 1.5e+7"},     {9.96e7f, " 1.0e+8"},
        {1.0e10f, " 1.0e+10"},   {3.4e38f, " 3.4e+38"},   {-0.5f, " -0.500"},
        {0.0123456f, " 0.0123"},
    };
    for (const FloatCase& c : cases) EXPECT_EQ(Seven(c.value), c.text) << c.value;
}

// The engine stores a result it could not compute on the bound of its float
// store, +-1e37: every format shows N/A for it, as for a NaN; a value beside
// the bound is a number.
TEST(FormatValues, TheEnginesUndefinedValueIsNA) {
    for (float v : {1.0e37f, -1.0e37f, NAN}) {
        char text[kValueTextChars];
        EXPECT_EQ(Seven(v), "    N/A") << v;
        FormatValue7b(text, v, 2);
        EXPECT_STREQ(text, "    N/A") << v;
        FormatValue5(text, v);
        EXPECT_STREQ(text, "  N/A") << v;
        FormatValueShort(v, text);
        EXPECT_STREQ(text, "N/A") << v;
    }
    EXPECT_EQ(Seven(9.9e36f), " 9.9e+36");
}

TEST(FormatValue7b, DecimalsChooseTheFormAndTheSmallZero) {
    struct Case {
        float value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.0005f, 0, "      0"},
        {0.0005f, 1, "    0.0"},
        {0.0005f, 2, "   0.00"},
        {0.0005f, 3, "  0.000"},
        {0.0005f, 4, "< 0.001"},
        {0.0005f, 5, "< 0.001"},
        {0.0f, 3, "   0.00"},
        {-0.0005f, 2, ">-0.001"},
        {12.345f, 1, "   12.3"},
        {12.345f, 5, "12.34500"},
        {-3.14159f, 3, " -3.142"},
        // 0 and other decimals: by magnitude, without FormatValue7's 0.01 step.
        {0.005f, 0, " 0.0050"},
        {0.005f, 6, " 0.0050"},
        {0.5f, 0, "  0.500"},
        {123.456f, 0, " 123.46"},
        {5000.0f, 0, "   5000"},
        {2.0e7f, 0, " 2.0e+7"},
    };
    for (const Case& c : cases) {
        char t[kValueTextChars];
        FormatValue7b(t, c.value, c.decimals);
        EXPECT_STREQ(t, c.text) << c.value << " with " << c.decimals;
    }
}

TEST(FormatValue5, StepsAtTenHundredThousandAndTenThousand) {
    const FloatCase cases[] = {
        {0.0f, " 0.00"},       {0.0005f, "<.001"},  {-0.0005f, "-0.00"}, {0.001f, "0.001"},
        {9.9994f, "9.999"},    {9.9996f, "10.000"}, {10.0f, "10.00"},    {99.99f, "99.99"},
        {99.996f, "100.00"},   {100.0f, "100.0"},   {999.9f, "999.9"},   {999.96f, "1000.0"},
        {1000.0f, " 1000"},    {9999.0f, " 9999"},  {9999.6f, "10000"},  {10000.0f, " 1.0e+4"},
        {12345.0f, " 1.2e+4"}, {-5.0f, "-5.000"},   {-12.5f, "-12.50"},
    };
    for (const FloatCase& c : cases) {
        char t[kValueTextChars];
        FormatValue5(t, c.value);
        EXPECT_STREQ(t, c.text) << c.value;
    }
}

TEST(FormatValueShort, FormsByMagnitude) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0.00"},           {1e-13, "0.00"},
        {-1e-13, "0.00"},        {1e-12, "1.000e-12"},
        {5e-6, "5.000e-06"},     {1e-5, "  1.00e-5"},
        {-2.5e-5, "  -2.5e-5"},  {1e-4, "  1.00e-4"},
        {0.001, "  1.00e-3"},    {0.00999, "  9.99e-3"},
        {0.009999, "  1.00e-2"}, {0.005, "  5.00e-3"},
        {-0.005, "  -5.0e-3"},   {0.01, "0.01"},
        {9.999, "10.00"},        {10.0, "10.00"},
        {99.99, "99.99"},        {100.0, "100.00"},
        {999.999, "1000.00"},    {1000.0, "1000.0"},
        {9999.99, "10000.0"},    {10000.0, " 10000"},
        {999999.4, "999999"},    {1e6, "1.000e+06"},
        {-1e6, "-1.000e+06"},    {123456789.0, "1.235e+08"},
    };
    for (const Case& c : cases) {
        char t[kValueTextChars];
        FormatValueShort(c.value, t);
        EXPECT_STREQ(t, c.text) << c.value;
    }
}

// Three significant figures in at most seven characters: points of a pCO2
// axis that differ in the third figure read apart, and a value that rounds up
// to the next power of ten keeps three figures.
TEST(FormatPco2, ThreeFiguresInSevenCharacters) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0.00"},          {0.0034, "0.00340"},   {0.014167, "0.0142"}, {0.0234, "0.0234"},
        {0.0680, "0.0680"},     {0.009996, "0.0100"},  {0.00034, "3.40e-4"}, {1.2e-9, "1.20e-9"},
        {8.94, "8.94"},         {208.4, "208"},        {1000.0, "1000"},     {999.6, "1000"},
        {12345678.0, "1.23e7"}, {static_cast<double>(1.0e37f), "N/A"},
    };
    for (const Case& c : cases) {
        char t[kValueTextChars];
        FormatPco2(c.value, t);
        EXPECT_STREQ(t, c.text) << c.value;
    }
}

TEST(FormatValueAdaptive, SignificantFiguresAndExponentForms) {
    struct Case {
        double value;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {0.0, 5, "0.00"},
        {25.0, 5, "25.000   "},
        {0.5, 5, "0.50000  "},
        {1e-4, 5, "0.00010000"},
        {9.9e-5, 5, "9.900e-05"},
        {99999.5, 5, "100000   "},
        {100000.0, 5, "1.000e+05"},
        {-3.25, 5, "-3.2500  "},
        {7.0, 6, "7.00000  "},
        {1234567.0, 7, "1234567  "},
        {0.00012345, 5, "0.00012345"},
        {12345.6789, 5, "12346    "},
        // A float just below a power of ten shows the figures it holds: an
        // edit of its last shown digit is seen (0.01 read "0.0100000", and
        // 0.0100001 typed over it read "0.010000").
        {static_cast<double>(0.01f), 5, "0.010000 "},
        {static_cast<double>(0.0100001f), 5, "0.010000 "},
        {static_cast<double>(0.010001f), 5, "0.010001 "},
        {static_cast<double>(99.99999f), 5, "100.00   "},
        // Nine decimals at most.
        {1e-4, 12, "0.000100000"},
    };
    for (const Case& c : cases) {
        char t[kValueTextChars];
        FormatValueAdaptive(c.value, c.digits, t);
        EXPECT_STREQ(t, c.text) << c.value << " with " << c.digits;
    }
}

TEST(FormatValueAdaptive, HugeDigitCountsStayWithinTheBuffer) {
    char t[kValueTextChars];
    FormatValueAdaptive(1e300, 400, t);
    EXPECT_STREQ(t, "1.000e+300");
}

TEST(PadWithBlanks, CountsAndEmptyText) {
    char t[90];
    PadWithBlanks(t, 79);
    EXPECT_EQ(std::string(t), std::string(79, ' '));
    PadWithBlanks(t, 0);
    EXPECT_STREQ(t, "");
    PadWithBlanks(t, -4);
    EXPECT_STREQ(t, "");
}

TEST(CutToSevenCharacters, BlanksFirstThenDecimalsThenAnExponentForm) {
    struct Case {
        const char* text;
        const char* cell;
    };
    const Case cases[] = {
        {"   0.00", "   0.00"},
        {"  12.5", "  12.5"},
        {" 1000.00", "1000.00"},
        {" 1.0e+10", "1.0e+10"},
        {"25.000   ", "25.000 "},
        // Only decimals go.
        {"100000.25", "100000."},
        {"12345.678", "12345.6"},
        {"1234567.5", "1234567"},
        // Integer digits would go: the number in seven characters instead
        // (the cut of the first seven digits showed 1e10 as 1000000).
        {"10000000000.00", "1.0e+10"},
        {"1234567890", "1.2e+09"},
        {"3.210e-07", "3.2e-07"},
        {"-3.210e-07", " -3e-07"},
        {"-1234567.5", " -1e+06"},
        // Not a number: its first seven characters.
        {"Calcium carbonate", "Calcium"},
    };
    for (const Case& c : cases) {
        char cell[8];
        CutToSevenCharacters(c.text, cell);
        EXPECT_STREQ(cell, c.cell) << c.text;
    }
}

TEST(FormatValue7, CutOfEveryRangeFitsOneCell) {
    for (float v : {1.0e10f, -3.0e30f, 9.99e6f, 123.4f, 0.0f}) {
        char t[kValueTextChars];
        char cell[8];
        FormatValue7(t, v);
        CutToSevenCharacters(t, cell);
        EXPECT_LE(std::string(cell).size(), 7u) << v;
    }
}

}  // namespace
