// The compiled reaction and species tables against the data files they were
// generated from, row by row, and the log K entries re-set before every calculation.
#include "engine/tables/thermo_tables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/records.h"
#include "engine/tables/species_tables.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The data rows of a tab-separated file (header dropped).
Rows ReadTsv(const std::string& name) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/data/thermo/" + name);
    Rows rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (header) {
            header = false;
            continue;
        }
        std::vector<std::string> fields;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t')) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

double Num(const std::string& s) {
    return s.empty() ? 0.0 : std::strtod(s.c_str(), nullptr);
}

class ThermoTables : public ::testing::Test {
  protected:
    void SetUp() override { ResetEngineRecords(); }
    void TearDown() override { ResetEngineRecords(); }
};

// The fill values of the three re-set rows whose table value differs from the value
// used (the data file holds the used value).
double FillValueOf(int index, double usedValue) {
    switch (index) {
        case 142:
            return -11.79;
        case 145:
            return -13.34;
        case 148:
            return 1.51;
        default:
            return usedValue;
    }
}

TEST_F(ThermoTables, ReactionsMatchTheDataFileBeforeAndAfterTheResets) {
    const Rows rows = ReadTsv("reactions.tsv");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kReactionCount));
    InitSpeciesTable();
    EXPECT_EQ(speciesTableFilled, 99);
    for (int i = 0; i < kReactionCount; ++i) {
        ASSERT_GE(rows[i].size(), 4u) << "row " << i;
        ASSERT_EQ(std::atoi(rows[i][0].c_str()), i);
        const double logK = Num(rows[i][2]);
        EXPECT_DOUBLE_EQ(reactionTable.logK25[i], FillValueOf(i, logK)) << "reaction " << i;
        EXPECT_DOUBLE_EQ(reactionTable.deltaH[i], Num(rows[i][3])) << "reaction " << i;
    }
    ResetLogK25Entries();
    for (int i = 0; i < kReactionCount; ++i) {
        EXPECT_DOUBLE_EQ(reactionTable.logK25[i], Num(rows[i][2])) << "reaction " << i;
        EXPECT_DOUBLE_EQ(reactionTable.deltaH[i], Num(rows[i][3])) << "reaction " << i;
    }
}

TEST_F(ThermoTables, SpeciesMatchTheDataFile) {
    const Rows rows = ReadTsv("species.tsv");
    ASSERT_EQ(rows.size(), static_cast<size_t>(kSpeciesCount));
    InitSpeciesTable();
    for (int i = 0; i < kSpeciesCount; ++i) {
        ASSERT_GE(rows[i].size(), 5u) << "row " << i;
        ASSERT_EQ(std::atoi(rows[i][0].c_str()), i);
        EXPECT_DOUBLE_EQ(speciesTable.charge[i], Num(rows[i][2])) << "species " << i;
        EXPECT_DOUBLE_EQ(speciesTable.molarMass[i], Num(rows[i][3])) << "species " << i;
        EXPECT_DOUBLE_EQ(speciesTable.ionSize[i], Num(rows[i][4])) << "species " << i;
    }
}

TEST_F(ThermoTables, FiveEntriesAreResetEveryCalculation) {
    InitSpeciesTable();
    // As filled.
    EXPECT_DOUBLE_EQ(reactionTable.logK25[142], -11.79);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[145], -13.34);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[148], 1.51);
    // A calculation moves them (a stand-in for the temperature code's writes), then
    // the re-set puts the used values back, whatever the table held.
    for (int i : {95, 100, 142, 145, 148}) reactionTable.logK25[i] = 123.0;
    reactionTable.logK25[152] = -13.5;
    ResetLogK25Entries();
    EXPECT_DOUBLE_EQ(reactionTable.logK25[95], -52.76);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[100], -2.71);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[142], -9.25);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[145], -12.653);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[148], -1.512);
    EXPECT_DOUBLE_EQ(reactionTable.logK25[152], -13.5);  // not one of the five
}

// Rows whose values are fixed independently of the data files; the data files must
// agree with them.
TEST_F(ThermoTables, NamedRowsHoldTheirFixedValues) {
    InitSpeciesTable();
    struct Species {
        int index;
        double charge, molarMass, ionSize;
    } species[] = {
        {0, 2, 40.08, 5.0},     {1, 2, 24.312, 5.5},    {2, 1, 22.9898, 4.0},
        {3, 1, 39.102, 3.5},    {4, -1, 35.453, 3.5},   {5, -2, 96.0616, 5.0},
        {6, -1, 61.0173, 5.4},  {7, 2, 55.847, 6.0},    {8, 3, 55.847, 9.0},
        {13, 0, 34.0799, 0},    {16, 2, 34.08, 0},     {17, -2, 60.0094, 5.4},
        {26, -1, 17.0074, 3.5}, {34, 0, 60.0848, 0},    {37, 0, 17.0306, 0},
        {38, 1, 18.0386, 2.5},  {44, -3, 94.9714, 5.0}, {50, 3, 26.9815, 9.0},
        {61, -1, 18.9984, 3.5}, {63, 1, 1.008, 9.0},    {80, 1, 6.939, 6.0},
        {84, -1, 62.0049, 3.0}, {85, 0, 62.0253, 0},    {86, 0, 10.811, 0},
        {87, 2, 87.62, 5.2},    {89, 2, 137.34, 5.0},   {97, -1, 79.904, 4.0},
        {109, 2, 54.938, 6.0},  {145, 2, 65.37, 6.0},   {182, 2, 207.19, 0},
        {379, -4, 173.9433, 0}, {70, 0, 0, 0},          {358, 0, 0, 0},
        {404, 0, 0, 0},         {93, 0, 58.44, 0},  // the NaCl ion pair counts in the solids
    };
    for (const Species& s : species) {
        EXPECT_DOUBLE_EQ(speciesTable.charge[s.index], s.charge) << s.index;
        EXPECT_DOUBLE_EQ(speciesTable.molarMass[s.index], s.molarMass) << s.index;
        EXPECT_DOUBLE_EQ(speciesTable.ionSize[s.index], s.ionSize) << s.index;
    }
    struct Reaction {
        int index;
        double logK25, deltaH;
    } reactions[] = {
        {13, -9.93, 8.94},   {14, -21.62, 29.71}, {17, -4.64, -3.77}, {18, -4.85, 0.261},
        {21, -8.31, -2.96},  {35, -6.38, 1.98},   {62, -9.05, 1.53},  {68, -10.33, 3.55},
        {73, 3.4, 0.058},    {74, 0.928, 10.37},  {77, 1.26, 6.33},   {78, 3.2, 3.13},
        {79, 0.672, 0},      {135, -1, 0},        {91, -6.99, 5.3},   {137, -1.45, -5},
        {143, -6.35, -1.05}, {144, -9.77, 6.14},  {152, -14, 13.35},  {561, 0.982, 5.56},
        {562, 2.71, 3.55},   {44, 0, 0},          {111, 0, 0},        {631, 0, 0},
        {681, 0, 0},
    };
    for (const Reaction& r : reactions) {
        EXPECT_DOUBLE_EQ(reactionTable.logK25[r.index], r.logK25) << r.index;
        EXPECT_DOUBLE_EQ(reactionTable.deltaH[r.index], r.deltaH) << r.index;
    }
}

}  // namespace
