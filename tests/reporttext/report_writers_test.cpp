// The four text forms of one layout, checked line by line against what the
// page shows; the fixture report is also left in build/test-output/reporttext/
// as report.txt, .rtf, .csv and .xlt for the checks of check_exports.py.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/byte_io.h"
#include "report_fixture.h"
#include "reporttext/writers/composed_text.h"
#include "reporttext/writers/text_writers.h"

namespace reporttest {
namespace {

std::vector<ComposedLine> FixtureLines() {
    ReportDocument document;
    ReportLayout layout;
    layout.title = "FIXTURE WATER ANALYSIS";
    LayOutFixture(layout);
    document.parts.push_back(layout);
    return ComposeDocument(document);
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "text after the last line end";
    return lines;
}

// An independent reading of the fast-table form: the cells as text ("" for a
// blank, "%g" for a number).
std::vector<std::vector<std::string>> ReadXlTable(const std::vector<uint8_t>& b) {
    std::vector<std::vector<std::string>> rows;
    std::size_t p = 0;
    int columns = 0;
    std::vector<std::string> cells;
    auto u16 = [&b](std::size_t at) { return bytes::GetU16(b.data() + at); };
    while (p + 4 <= b.size()) {
        const uint16_t type = u16(p);
        const uint16_t size = u16(p + 2);
        p += 4;
        EXPECT_LE(p + size, b.size());
        if (type == 0x0010) {
            columns = u16(p + 2);
        } else if (type == 0x0001) {
            for (std::size_t i = 0; i < size; i += 8) {
                char t[32];
                std::snprintf(t, sizeof t, "%g", bytes::GetF64(b.data() + p + i));
                cells.push_back(t);
            }
        } else if (type == 0x0002) {
            for (std::size_t i = 0; i < size; i += 1 + b[p + i])
                cells.emplace_back(reinterpret_cast<const char*>(b.data() + p + i + 1), b[p + i]);
        } else if (type == 0x0005) {
            cells.insert(cells.end(), u16(p), "");
        }
        p += size;
    }
    for (std::size_t i = 0; columns > 0 && i < cells.size(); i += static_cast<std::size_t>(columns))
        rows.emplace_back(cells.begin() + static_cast<std::ptrdiff_t>(i),
                          cells.begin() + static_cast<std::ptrdiff_t>(i + columns));
    return rows;
}

void Save(const std::string& name, const std::string& bytes) {
    const std::filesystem::path dir =
        std::filesystem::path(TARVEX_BINARY_DIR) / "test-output" / "reporttext";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

TEST_F(ReportTest, PlainTextIsWhatThePageShows) {
    const std::string text = WritePlainText(FixtureLines(), 0);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\0');
    std::vector<std::string> expected = {"FIXTURE WATER ANALYSIS", ""};
    for (const std::string& l : FixtureTextLines()) expected.push_back(l);
    EXPECT_EQ(SplitCrLf(text.substr(0, text.size() - 1)), expected);
}

TEST_F(ReportTest, LeftMarginAndHeadingsComeFirst) {
    std::snprintf(headingLine3, sizeof headingLine3, "%s", "ACME FIELD SERVICES");
    std::snprintf(headingLine1, sizeof headingLine1, "%s", "North block");
    printHeadings = 1;
    printSubheadings = 1;
    const std::vector<std::string> lines = SplitCrLf(WritePlainText(FixtureLines(), 3).c_str());
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "   ACME FIELD SERVICES");
    EXPECT_EQ(lines[1], "   North block");  // the empty second subtitle is left out
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "   FIXTURE WATER ANALYSIS");
}

TEST_F(ReportTest, RichTextCarriesMarksColoursAndCodePage) {
    const std::string rtf = WriteRichText(FixtureLines(), 0) + kRtfEnd;
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("Courier New"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
                       "\\red0\\green0\\blue127;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("CaCO{\\sub 3}"), std::string::npos);
    EXPECT_NE(rtf.find("T (\\'b0F)"), std::string::npos);
    EXPECT_NE(rtf.find("Temp \\'b0F"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf2    0.00"), std::string::npos);
    EXPECT_NE(rtf.find("\\cf3   -3.5"), std::string::npos);
    // One paragraph end per line: the last one is the closing's.
    std::size_t pars = 0;
    for (std::size_t at = 0; (at = rtf.find("\\par", at)) != std::string::npos; ++at) ++pars;
    EXPECT_EQ(pars, FixtureLines().size());
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\par }");
}

TEST_F(ReportTest, RichTextEscapesItsOwnSyntax) {
    ReportDocument document;
    ReportLayout layout;
    layout.AddText(0, 0, "a\\b{c}");
    document.parts.push_back(layout);
    EXPECT_NE(WriteRichText(ComposeDocument(document), 0).find("a\\\\b\\{c\\}"), std::string::npos);
}

TEST_F(ReportTest, CsvHasARowPerLineAndAFieldPerItem) {
    const std::vector<std::string> rows = SplitCrLf(WriteCsv(FixtureLines()));
    const std::vector<std::string> expected = {
        "FIXTURE WATER ANALYSIS",
        "",
        "ID:,0930",
        "T (\xB0"
        "F)",
        "CaCO3,12.50,0.00",
        "Temp \xB0"
        "F,1.0e+10",
        "\"\"\"M\"\" Alkalinity\",-3.5",
        "\"a, b\",< 0.001",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(ReportTest, XlTableHoldsTheSameCellsWithPlainDecimalsAsNumbers) {
    const std::vector<uint8_t> table = WriteXlTable(FixtureLines());
    ASSERT_GE(table.size(), 8u);
    EXPECT_EQ(bytes::GetU16(table.data()), 0x0010);
    EXPECT_EQ(bytes::GetU16(table.data() + 4), 8);  // rows
    EXPECT_EQ(bytes::GetU16(table.data() + 6), 3);  // columns
    const std::vector<std::vector<std::string>> expected = {
        {"FIXTURE WATER ANALYSIS", "", ""},
        {"", "", ""},
        {"ID:", "0930", ""},  // the time stays text
        {"T (\xB0"
         "F)",
         "", ""},
        {"CaCO3", "12.5", "0"},
        {"Temp \xB0"
         "F",
         "1.0e+10", ""},
        {"\"M\" Alkalinity", "-3.5", ""},
        {"a, b", "< 0.001", ""},
    };
    EXPECT_EQ(ReadXlTable(table), expected);
}

TEST_F(ReportTest, PlainDecimalsAreTheOnlyNumbers) {
    for (const char* yes : {"12.50", "-3", "0.00", "100000.", "0", "-0.5"})
        EXPECT_TRUE(IsPlainDecimalText(yes)) << yes;
    for (const char* no : {"0930", "1.0e+10", "< 0.001", "N/A", "", "-", ".5", "1,5", "12.5x"})
        EXPECT_FALSE(IsPlainDecimalText(no)) << no;
}

TEST_F(ReportTest, OemBytesBecomeWindows1252) {
    EXPECT_EQ(static_cast<unsigned char>(OemToWindows1252(0xF8)), 0xB0);  // degree
    EXPECT_EQ(static_cast<unsigned char>(OemToWindows1252(0x82)), 0xE9);  // e acute
    EXPECT_EQ(OemToWindows1252('A'), 'A');
    EXPECT_EQ(OemToWindows1252(0xC4), '?');  // a box-drawing line has no equal
}

TEST_F(ReportTest, FixtureReportIsLeftForTheOutsideChecks) {
    const std::vector<ComposedLine> lines = FixtureLines();
    const std::string text = WritePlainText(lines, 0);
    Save("report.txt", text.substr(0, text.size() - 1));
    Save("report.rtf", WriteRichText(lines, 0) + kRtfEnd);
    Save("report.csv", WriteCsv(lines));
    const std::vector<uint8_t> table = WriteXlTable(lines);
    Save("report.xlt", std::string(table.begin(), table.end()));
}

}  // namespace
}  // namespace reporttest
