// The graph data file: its lines, the order rule, quoting, and what a cancel,
// an old file and a failing write leave behind.
#include "graphs/datafile/graph_data_file.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "input/description_records.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

class GraphDataFileTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        currentDescription = SampleDescription{};
        char folder[] = "/tmp/tarvex-datfile-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        root = folder;
        win::SetPathRoot(root);
        for (int i = 0; i < 7; ++i) {
            rows[i] = 6.0f + 0.5f * i;
            columns[i] = 10.0f * (i + 1);
        }
        for (int k = 0; k < 49; ++k) values[k] = k / 7 + 0.01 * (k % 7);
    }
    void TearDown() override {
        ASSERT_EQ(std::system(("rm -rf '" + root + "'").c_str()), 0);
        GraphTest::TearDown();
    }
    GraphDataTable Table(const char* t1 = "", const char* t2 = "", const char* t3 = "") {
        return GraphDataTable{rows, columns, values, {t1, t2, t3}};
    }
    std::string Read(const char* name) {
        std::ifstream in(root + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const char* name) { return std::ifstream(root + "/" + name).good(); }
    std::string root;
    float rows[7];
    float columns[7];
    double values[49];
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(GraphDataFileTest, NoTextsStartsWithTheColumnLine) {
    const std::vector<std::string> lines = Lines(GraphDataText(Table(), 0, 0));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "10.000000,20.000000,30.000000,40.000000,50.000000,60.000000,70.000000");
    EXPECT_EQ(lines[1], "6.000000,0.000000,0.010000,0.020000,0.030000,0.040000,0.050000,0.060000");
    EXPECT_EQ(lines[7].substr(0, 18), "9.000000,6.000000,");
}

TEST_F(GraphDataFileTest, TextsAreQuotedWithInnerQuotesDoubled) {
    std::strcpy(currentDescription.text[0], "Well \"A-7\"");
    std::strcpy(currentDescription.text[2], "North field");
    std::strcpy(currentDescription.text[5], "not written: sixth text");
    values[0] = 1e-7;
    values[1] = -0.045757;
    const std::string text =
        GraphDataText(Table("Calcite Saturation Index", "", "INDEX PROFILE"), 0, 0);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "\"Well \"\"A-7\"\"\"");
    EXPECT_EQ(lines[1], "\"North field\"");
    EXPECT_EQ(lines[2], "\"Calcite Saturation Index\"");
    EXPECT_EQ(lines[3], "\"INDEX PROFILE\"");
    EXPECT_EQ(lines[5].substr(0, 28), "6.000000,0.000000,-0.045757,");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST_F(GraphDataFileTest, HeadingsFollowTheDrawingOrder) {
    const std::vector<std::string> lines = Lines(GraphDataText(Table(), 1, 1));
    EXPECT_EQ(lines[0], "70.000000,60.000000,50.000000,40.000000,30.000000,20.000000,10.000000");
    // The rows keep the order of the values; only their headings turn round.
    EXPECT_EQ(lines[1].substr(0, 18), "9.000000,0.000000,");
    EXPECT_EQ(lines[7].substr(0, 18), "6.000000,6.000000,");
    const std::vector<std::string> columnsOnly = Lines(GraphDataText(Table(), 1, 0));
    EXPECT_EQ(columnsOnly[1].substr(0, 18), "6.000000,0.000000,");
}

TEST_F(GraphDataFileTest, ExportReplacesAnOldFileAndSaysWhere) {
    {
        std::ofstream old(root + "/graph.dat");
        old << std::string(5000, 'x');
    }
    win::AnswerFileDialog("\\graph.dat");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    EXPECT_EQ(ExportGraphData(nullptr, 0, 0, 0, Table("Title")), 0);
    EXPECT_EQ(Read("graph.dat"), GraphDataText(Table("Title"), 0, 0));
    ASSERT_FALSE(win::FileDialogLog().empty());
    EXPECT_EQ(win::FileDialogLog().back().title, "Select DAT File");
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().caption, "EXPORT SUCCESSFUL");
    EXPECT_EQ(win::MessageBoxLog().back().text, "Data export complete to file \\graph.dat");
}

TEST_F(GraphDataFileTest, CancelWritesNothing) {
    win::CancelFileDialog();
    EXPECT_EQ(ExportGraphData(nullptr, 0, 0, 0, Table()), 0);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(GraphDataFileTest, AFailedWriteIsReportedAndLeavesNoFile) {
    win::AnswerFileDialog("\\full.dat");
    win::FailNextFileWrites(1);
    EXPECT_EQ(ExportGraphData(nullptr, 0, 0, 0, Table("Title")), 1);
    win::FailNextFileWrites(0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "Error: Cannot write DAT file\n\nWriting \\full.dat failed: No space left on "
              "device. No file was written.");
    EXPECT_FALSE(Exists("full.dat"));
}

TEST_F(GraphDataFileTest, AFailedWriteOverAnEarlierExportKeepsIt) {
    {
        std::ofstream old(root + "/graph.dat", std::ios::binary);
        old << std::string(5000, 'x');
    }
    win::AnswerFileDialog("\\graph.dat");
    win::AnswerMessageBox("", "already exists", win::IDYES);
    win::FailNextFileWrites(1);
    EXPECT_EQ(ExportGraphData(nullptr, 0, 0, 0, Table("Title")), 1);
    win::FailNextFileWrites(0);
    EXPECT_EQ(Read("graph.dat"), std::string(5000, 'x'));
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().text,
              "Error: Cannot write DAT file\n\nWriting \\graph.dat failed: No space left on "
              "device. The file that was there is unchanged.");
}

}  // namespace
}  // namespace graphtest
