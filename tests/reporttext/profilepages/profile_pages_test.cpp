// The profile pages' layouts on fixture profiles: golden pages, the
// differences of the pressure and mixing-ratio pages, the dose cells, the
// simple index rules, the alkalinity block and its OH alkalinity, and the
// identification of the water the profile was made from.
#include "reporttext/profilepages/profile_pages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <limits>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/records.h"
#include "shell/settings/heading_records.h"
#include "tests/reporttext/column_page_text.h"
#include "treatment/records.h"

namespace {

using namespace pagetext;

namespace E = AnalysisElement;

void FillPoint(float* values, float* results, float* excess, int k) {
    values[E::kPh] = 6.0f + 0.25f * static_cast<float>(k);
    values[E::kCalcium] = 412.0f;
    values[E::kChloride] = 19350.0f;
    values[E::kSulfate] = 2710.0f;
    // Two decimals tell the temperature page's cation cells from the others'.
    values[E::kManganese] = 0.25f;
    values[E::kZinc] = 1.06f;
    values[E::kLead] = 0.04f;
    values[E::kTemperature] = 77.0f;
    values[E::kPressure] = 1.0f + static_cast<float>(k);
    values[E::kPco2] = k == 0 ? 0.0f : 0.01f * static_cast<float>(k);
    values[E::kDensity] = 1.025f;
    values[E::kConductivity] = k == 6 ? 0.0f : 43322.0f;
    values[E::kMAlkalinity] = 130.0f + static_cast<float>(k);
    values[E::kPAlkalinity] = 2.0f + static_cast<float>(k);
    for (int i = 0; i < kResultRowValues; ++i)
        results[i] = 0.5f + 0.125f * static_cast<float>(i) + 0.01f * static_cast<float>(k);
    results[27] = 100.0f;
    results[29] = 10.0f;
    results[13] = 1.5f;
    results[14] = 0.5f;
    results[28] = 120.0f + static_cast<float>(k);
    results[55] = kSolverNotReachable;
    for (int i = 0; i < 22; ++i) excess[i] = static_cast<float>(i) + 0.5f * static_cast<float>(k);
}

class ProfilePageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetEngineRecords();
        ResetShellRecords();
        ResetDisplaySettingsRecords();
        ResetHeadingRecords();
        ResetMixingProfileRecords();
        whatIfResults = WhatIfResults{};
        mixProfileTables = MixProfileTables{};
        whatIfOptions = WhatIfOptions{};
        phControlSettings = PhControlSettings{};
        productTable = ProductTable{};
        precipitationFactor = 0.34845498f;
        surfaceWater.sampleNumber = 7;
        surfaceWater.reportDate = 1120315;
        surfaceWater.sampleDate = 1120314;
        surfaceWater.sampleTime = 930;
        injectionWater.sampleNumber = 8;
        injectionWater.reportDate = 1240102;
        injectionWater.sampleTime = 5;
        for (ProfileTable* t : {&whatIfResults.phProfile, &whatIfResults.pressureProfile}) {
            for (int k = 0; k < 7; ++k) {
                FillPoint(t->analysis[k], t->results[k], t->excess[k], k);
                t->carbonateFigure[k] = 50.0f + static_cast<float>(k);
                t->dissolvedCO2[k] = 20.0f + static_cast<float>(k);
                t->bicarbonate[k] = 140.0f + static_cast<float>(k);
                t->carbonate[k] = 1.0f + static_cast<float>(k);
                t->acidDose[k] = 10.0f;
                t->alkaliDose[k] = 20.0f;
                t->dose[k] = 2.5f;
                t->corrosion[k][0] = 1.25f;  // the rate shown
                t->corrosion[k][3] = 99.0f;
            }
        }
        for (int k = 0; k < 7; ++k) {
            FillPoint(mixProfileTables.mixChemistry[k], mixProfileTables.mixResults[k],
                      mixProfileTables.mixExcess[k], k);
            mixProfileTables.mixAcidity[k] = 60.0f;
            mixProfileTables.mixDissolvedCO2[k] = 30.0f;
            mixProfileTables.mixCorrosion[k][0] = 0.75f;
            mixProfileTables.mixCorrosion[k][3] = 99.0f;
            mixPercent[k] = 20.0f + 5.0f * static_cast<float>(k);
        }
        mixPointCount = 7;
    }

    static ReportLayout Page(void (*build)(const ReportSource&, ReportLayout&), int profile) {
        ReportLayout layout;
        build(ReportSource{0, profile}, layout);
        return layout;
    }
    static ReportLayout Chemistry(int profile) { return Page(BuildProfileChemistryPage, profile); }
    static ReportLayout Indicators(int profile) {
        return Page(profile == ProfileKind::kMixing ? BuildMixingIndicatorsPage
                                                    : BuildProfileIndicatorsPage,
                    profile);
    }
};

TEST_F(ProfilePageTest, GoldenPages) {
    EXPECT_TRUE(MatchesGolden(Chemistry(ProfileKind::kPh), "profile-ph-chemistry"));
    EXPECT_TRUE(MatchesGolden(Indicators(ProfileKind::kPh), "profile-ph-indicators-ratio-ppm"));
    AlkalinityFormOf(ProfileKind::kPressure) = 1;
    mixAlkalinityLabels = 1;
    displaySettings.indexFormat = 1;
    displaySettings.precipitationUnit = 1;
    EXPECT_TRUE(
        MatchesGolden(Chemistry(ProfileKind::kPressure), "profile-pressure-chemistry-species"));
    EXPECT_TRUE(
        MatchesGolden(Indicators(ProfileKind::kPressure), "profile-pressure-indicators-index-lbs"));
    displaySettings.precipitationUnit = 2;
    phControlSettings.phControlMethod = 3;
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].name, 20, "PHOSBA");
    EXPECT_TRUE(MatchesGolden(Chemistry(ProfileKind::kMixing), "profile-mixing-chemistry-species"));
    EXPECT_TRUE(
        MatchesGolden(Indicators(ProfileKind::kMixing), "profile-mixing-indicators-index-kg"));
}

TEST_F(ProfilePageTest, AxisHeaders) {
    // pH page: the rule with " pH " over it, the pH values.
    ReportLayout ph = Chemistry(ProfileKind::kPh);
    EXPECT_EQ(At(ph, 3, 0, 80),
              std::string(24, ' ') + std::string(27, '_') + " pH " + std::string(25, '_'));
    EXPECT_EQ(At(ph, 4, 24, 7), "   6.00");
    EXPECT_EQ(At(ph, 4, 72, 7), "   7.50");
    EXPECT_EQ(ph.title, "WATER CHEMISTRY VERSUS pH");
    EXPECT_EQ(Indicators(ProfileKind::kPh).title, "DEPOSITION POTENTIAL INDICATORS VERSUS pH");
    // Over pCO2 the axis and the copied text's titles name pCO2, as the print does.
    whatIfOptions.varyPco2 = 1;
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kPh), 3, 51)->text, " pCO_2 ");
    EXPECT_EQ(At(Indicators(ProfileKind::kPh), 4, 32, 7), " 0.0100");
    EXPECT_EQ(Chemistry(ProfileKind::kPh).title, "WATER CHEMISTRY VERSUS pCO2");
    EXPECT_EQ(Indicators(ProfileKind::kPh).title, "DEPOSITION POTENTIAL INDICATORS VERSUS pCO2");
    EXPECT_EQ(Chemistry(ProfileKind::kPressure).title, "WATER CHEMISTRY VERSUS PRESSURE");

    // Pressure page: " Pressure (psia) " at column 47, no unit for code 7,
    // FormatValue7 on the axis.
    unitCodes.code[UnitItem::kPressure] = 2;
    EXPECT_EQ(ItemAt(Indicators(ProfileKind::kPressure), 3, 47)->text, " Pressure (psia) ");
    unitCodes.code[UnitItem::kPressure] = 7;
    EXPECT_EQ(ItemAt(Indicators(ProfileKind::kPressure), 3, 47)->text, " Pressure ");
    EXPECT_EQ(At(Indicators(ProfileKind::kPressure), 4, 24, 7), "   1.00");

    // Mixing page: the two labels and percent rows in their colours.
    const ReportLayout mix = Indicators(ProfileKind::kMixing);
    EXPECT_EQ(ItemAt(mix, 3, 38)->text, " % INJECTION -");
    EXPECT_EQ(ItemAt(mix, 3, 38)->colour, win::RGB(0, 0, 127));
    EXPECT_EQ(ItemAt(mix, 3, 52)->colour, win::RGB(127, 0, 0));
    for (int k = 0; k < 7; ++k) {
        char injection[16], formation[16];
        std::snprintf(injection, sizeof injection, "%7.2f", 20.0 + 5.0 * k);
        std::snprintf(formation, sizeof formation, "%7.2f", 80.0 - 5.0 * k);
        EXPECT_EQ(ItemAt(mix, 4, 24 + 8 * k)->text, injection);
        EXPECT_EQ(ItemAt(mix, 4, 24 + 8 * k)->colour, win::RGB(0, 0, 127));
        EXPECT_EQ(ItemAt(mix, 5, 24 + 8 * k)->text, formation);
        EXPECT_EQ(ItemAt(mix, 5, 24 + 8 * k)->colour, win::RGB(127, 0, 0));
    }
    EXPECT_EQ(ItemAt(mix, 5, 2)->colour, 0u);
}

TEST_F(ProfilePageTest, PressurePageDifferences) {
    unitCodes.code[UnitItem::kBarium] = 2;
    unitCodes.code[UnitItem::kIron] = 2;
    unitCodes.code[UnitItem::kPolyphosphate] = 1;
    unitCodes.code[UnitItem::kPressure] = 3;
    const ReportLayout pr = Chemistry(ProfileKind::kPressure);
    EXPECT_EQ(ItemAt(pr, 7, 4)->text,
              "Barium(\xF8"
              "Fr)");
    EXPECT_EQ(ItemAt(pr, 12, 4)->text, "Iron(as Fe2O3)");
    // Too long to end a blank before the first value's digits: it starts as
    // far left as keeps that blank; a shorter one stays at 4.
    auto labelEnd = [](const ReportLayout& l, int line, const char* text) {
        for (int c = 0; c <= 4; ++c)
            if (const LayoutItem* item = ItemAt(l, line, c); item != nullptr && item->text == text)
                return c + static_cast<int>(std::strlen(text)) - 1;  // one '_' marker
        return -1;
    };
    const int firstDigit = 24 + static_cast<int>(ItemAt(pr, 30, 24)->text.find_first_not_of(' '));
    EXPECT_EQ(labelEnd(pr, 30, "Polyphosphate (as CaCO_3)"), firstDigit - 1);
    EXPECT_EQ(ItemAt(pr, 38, 4)->text,
              "Temperature(\xF8"
              "F)");
    EXPECT_EQ(ItemAt(pr, 39, 4)->text, "Pressure(KPa) ");
    // The OEM degree becomes the degree sign in the text copies.
    EXPECT_EQ(At(pr, 38, 4, 15),
              "Temperature(\xB0"
              "F)");
    const ReportLayout ph = Chemistry(ProfileKind::kPh);
    EXPECT_EQ(ItemAt(ph, 7, 4)->text, "Barium(^oFr)");
    EXPECT_EQ(ItemAt(ph, 12, 4)->text, "Iron(as Fe_2O_3)");
    EXPECT_EQ(labelEnd(ph, 30, "Polyphosphate(as CaCO_3)"),
              std::min(4 + 23,
                       23 + static_cast<int>(ItemAt(ph, 30, 24)->text.find_first_not_of(' '))));
    // A value as wide as its cell leaves a row's label in the column.
    whatIfResults.pressureProfile.results[0][51] = 1234.56f;
    unitCodes.code[UnitItem::kPolyphosphate] = 0;
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kPressure), 30, 4)->text, "Polyphosphate (as PO_4)");
    // Mixing page: "Sulfate" without a suffix for code 4.
    unitCodes.code[UnitItem::kSulfate] = 4;
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kMixing), 22, 4)->text, "Sulfate");
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kPh), 21, 4)->text, "Sulfate(as Na_2SO_4)");

    // Indicators: Total Barium by FormatValue7, calcium oxalate in the
    // labels' column (without its formula, which would reach the first
    // value), no magnesium silicate excess row.
    whatIfResults.pressureProfile.results[0][38] = 12345.6f;
    whatIfResults.phProfile.results[0][38] = 12345.6f;
    const ReportLayout pv = Indicators(ProfileKind::kPressure);
    EXPECT_EQ(At(pv, 39, 24, 7), "  12346");
    EXPECT_EQ(At(Indicators(ProfileKind::kPh), 39, 24, 7), "12345.6");
    EXPECT_EQ(ItemAt(pv, 9, 4)->text, "Calcium oxalate");
    EXPECT_EQ(ItemAt(pv, 8, 4)->text, "Strontianite (SrCO_3)");
    EXPECT_EQ(At(pv, 52, 24, 7), "1234.56");
    EXPECT_EQ(ItemAt(pv, 52, 4)->text, "Strontianite (SrCO_3)");
    EXPECT_EQ(At(pv, 56, 2, 32), "FREE ION MOMENTARY EXCESS (mg/L)");
    EXPECT_EQ(Lines(pv).size(), 77u);
    EXPECT_EQ(Lines(Indicators(ProfileKind::kPh)).size(), 79u);
}

TEST_F(ProfilePageTest, DoseCellsAndBlocks) {
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].name, 20, "PHOSBA");
    const int16_t statuses[] = {0, 1, 2, 3, 4, 0, 0};
    for (int k = 0; k < 7; ++k) whatIfResults.phProfile.doseStatus[k] = statuses[k];
    whatIfResults.phProfile.dose[1] = 12345.0f;
    ReportLayout l = Chemistry(ProfileKind::kPh);
    // pH control method 0: no heading; the dosage block follows the blank line.
    EXPECT_EQ(At(l, 47, 2, 6), "DOSAGE");
    EXPECT_EQ(ItemAt(l, 48, 24)->text, "   2.50");
    EXPECT_EQ(ItemAt(l, 48, 24)->colour, 0u);
    EXPECT_EQ(ItemAt(l, 48, 32)->text, "[ 1.2e+4]");  // drawn whole
    EXPECT_EQ(ItemAt(l, 48, 32)->colour, win::RGB(42, 0, 42));
    EXPECT_EQ(ItemAt(l, 48, 40)->text, "[2.500]");
    EXPECT_EQ(ItemAt(l, 48, 40)->colour, win::RGB(42, 0, 0));
    EXPECT_EQ(ItemAt(l, 48, 48)->colour, win::RGB(42, 0, 42));
    EXPECT_EQ(ItemAt(l, 48, 56)->colour, 0u);
    EXPECT_EQ(At(l, 50, 2, 25), "CORROSION RATE PREDICTION");
    EXPECT_EQ(At(l, 51, 24, 7), "   1.25");  // the first model's rate

    // dataVersion 199 drops the dosage block.
    mainWindowState.dataVersion = 199;
    EXPECT_EQ(At(Chemistry(ProfileKind::kPh), 47, 2, 25), "CORROSION RATE PREDICTION");
    mainWindowState.dataVersion = 557;

    // pH control methods; the pressure page has none.
    struct Case {
        int method;
        const char* rows[2];
    } cases[] = {{1, {"Sulfuric Acid", nullptr}},
                 {2, {"Caustic Soda", nullptr}},
                 {3, {"Sulfuric Acid", "Caustic Soda"}},
                 {5, {nullptr, nullptr}}};
    phControlSettings.alkaliChemical = 3;
    for (const Case& c : cases) {
        phControlSettings.phControlMethod = static_cast<uint16_t>(c.method);
        l = Chemistry(ProfileKind::kPh);
        EXPECT_EQ(At(l, 47, 2, 10), "pH CONTROL") << c.method;
        int line = 48;
        for (const char* row : c.rows) {
            if (row == nullptr) break;
            EXPECT_EQ(ItemAt(l, line++, 4)->text, row) << c.method;
        }
        EXPECT_EQ(At(l, line + 1, 2, 6), "DOSAGE") << c.method;
    }
    EXPECT_EQ(At(Chemistry(ProfileKind::kPressure), 47, 2, 6), "DOSAGE");
    // A product mode above 2: an empty heading line, the product line kept.
    phControlSettings.phControlMethod = 0;
    productTable.records[0].productMode = 3;
    l = Chemistry(ProfileKind::kPh);
    EXPECT_EQ(At(l, 47, 0, 40), "");
    EXPECT_EQ(At(l, 48, 4, 6), "PHOSBA");
}

TEST_F(ProfilePageTest, SimpleIndexRules) {
    ProfileTable& t = whatIfResults.phProfile;
    t.results[0][10] = -14.0f;
    t.results[1][10] = -13.9f;
    t.results[2][31] = 14.0f;
    t.results[3][31] = 13.9f;
    t.results[4][11] = 14.0f;
    t.analysis[5][E::kChloride] = 0.0f;
    t.analysis[5][E::kSulfate] = 0.0f;
    t.results[6][27] = 0.0f;
    t.results[6][29] = 1e-06f;
    ReportLayout l = Indicators(ProfileKind::kPh);
    EXPECT_EQ(At(l, 29, 24, 7), "    N/A");
    EXPECT_EQ(At(l, 29, 32, 7), "  -13.9");
    EXPECT_EQ(At(l, 33, 40, 7), "    N/A");
    EXPECT_EQ(At(l, 33, 48, 7), "   13.9");
    EXPECT_EQ(At(l, 30, 56, 7), "    N/A");
    EXPECT_EQ(At(l, 34, 64, 7), "    N/A");  // Larson-Skold without chloride and sulfate
    EXPECT_NE(At(l, 29, 64, 7), "    N/A");
    for (int line = 29; line <= 34; ++line) EXPECT_EQ(At(l, line, 72, 7), "    N/A") << line;
    // The solver's marker in a precipitation potential slot.
    EXPECT_EQ(At(l, 54, 24, 7), "    N/A");

    // The mixing page has no limits.
    mixProfileTables.mixResults[0][10] = -14.0f;
    mixProfileTables.mixResults[1][11] = 14.0f;
    l = Indicators(ProfileKind::kMixing);
    EXPECT_EQ(At(l, 30, 24, 7), "  -14.0");
    EXPECT_EQ(At(l, 31, 32, 7), "   14.0");
    EXPECT_EQ(ItemAt(l, 32, 4)->text, "Oddo-Tomson");
}

TEST_F(ProfilePageTest, AlkalinityBlockAndItsOhAlkalinity) {
    AlkalinityRow rows[kAlkalinityRowsMax];
    ASSERT_EQ(AlkalinityBlock(ProfileKind::kPh, 0, rows), 4);
    // Point 2: acidity 52 (the results pass's figure), "M" slot 28 = 122,
    // OH alkalinity 122 - 1.5 - 0.5 = 120.
    EXPECT_FLOAT_EQ(rows[0].values[2], 52.0f);
    EXPECT_FLOAT_EQ(rows[1].values[2], 122.0f);
    EXPECT_FLOAT_EQ(rows[3].values[2], 120.0f);
    EXPECT_STREQ(rows[3].label, "OH Alkalinity");
    ASSERT_EQ(AlkalinityBlock(ProfileKind::kMixing, 1, rows), 3);
    EXPECT_STREQ(rows[1].label, "Bicarbonate    ");
    EXPECT_FLOAT_EQ(rows[1].values[3], 133.0f);  // element 13 of the mix
    EXPECT_FLOAT_EQ(rows[2].values[3], 5.0f);    // element 14
    // On the page: the species form's labels, and nothing else changes.
    AlkalinityFormOf(ProfileKind::kPh) = 0;
    const std::vector<std::string> before = Lines(Chemistry(ProfileKind::kPh));
    AlkalinityFormOf(ProfileKind::kPh) = 1;
    const std::vector<std::string> after = Lines(Chemistry(ProfileKind::kPh));
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i + 1 >= 23 && i + 1 <= 26) continue;
        EXPECT_EQ(before[i], after[i]) << i + 1;
    }
    EXPECT_EQ(after[22].substr(4, 13), "Dissolved CO2");
}

TEST_F(ProfilePageTest, IdentificationOfTheProfilesWater) {
    EXPECT_EQ(At(Chemistry(ProfileKind::kPh), 1, 2, 16), "Sample ID:     7");
    EXPECT_EQ(At(Indicators(ProfileKind::kPressure), 1, 38, 10), "03-15-2012");
    EXPECT_EQ(At(Chemistry(ProfileKind::kMixing), 1, 13, 5), "    8");
    EXPECT_EQ(At(Indicators(ProfileKind::kMixing), 1, 72, 4), "0005");
    // Whatever the working analysis holds.
    currentAnalysis.sampleNumber = 99;
    EXPECT_EQ(At(Chemistry(ProfileKind::kPh), 1, 13, 5), "    7");
}

// The temperature page's chemistry: its lines are the pH page's plus one (it
// draws from its second line), with its own axis, polyphosphate captions and
// alkali names.
TEST_F(ProfilePageTest, TemperatureChemistryPage) {
    ProfileTable& t = whatIfResults.tempProfile;
    for (int k = 0; k < 7; ++k) {
        FillPoint(t.analysis[k], t.results[k], t.excess[k], k);
        t.analysis[k][E::kTemperature] = 70.0f + 10.0f * static_cast<float>(k);
        t.carbonateFigure[k] = 40.0f;
        t.corrosion[k][0] = 2.5f;
        t.corrosion[k][3] = 99.0f;
    }
    auto build = [] {
        ReportLayout l;
        BuildTempChemistryPage(ReportSource{0, ProfileKind::kTemperature}, l);
        return l;
    };
    // Page line L of the temperature page is layout line L - 2.
    auto at = [](const ReportLayout& l, int line, int column, std::size_t n) {
        return At(l, line - 1, column, n);
    };
    ReportLayout l = build();
    EXPECT_EQ(l.title, "WATER CHEMISTRY VERSUS TEMPERATURE");
    EXPECT_TRUE(MatchesGolden(l, "profile-temperature-chemistry"));
    EXPECT_EQ(at(l, 2, 2, 16), "Sample ID:     7");  // the surface water's header
    // The label's 18 cells cut the rule of 56 underscores.
    EXPECT_EQ(at(l, 4, 24, 56), std::string(20, '_') +
                                    " TEMPERATURE (\xB0"
                                    "F) " +
                                    std::string(18, '_'));
    EXPECT_EQ(at(l, 5, 0, 9), "  CATIONS");
    EXPECT_EQ(at(l, 5, 24, 7), "  70.00");
    EXPECT_EQ(at(l, 6, 4, 14), "Calcium(as Ca)");
    EXPECT_EQ(at(l, 24, 4, 7), "Acidity");
    EXPECT_EQ(at(l, 37, 2, 10), "PARAMETERS");
    EXPECT_EQ(at(l, 46, 4, 17), "Calc. Resistivity");
    unitCodes.code[UnitItem::kTemperature] = 3;
    unitCodes.code[UnitItem::kPolyphosphate] = 0;
    l = build();
    const LayoutItem* label = nullptr;
    for (const LayoutItem& item : l.items)
        if (item.line == 2 && item.column == 44 && item.text != std::string(18, ' ')) label = &item;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text, " TEMPERATURE ");
    EXPECT_EQ(at(l, 39, 4, 12), "Temperature ");
    // Its caption runs into the first value cell's padding: the label keeps
    // the rows' column and the text copy keeps its end, a blank before the
    // value's digits.
    EXPECT_EQ(at(l, 31, 4, 24), "Polyphosphate (as PO4)  ");

    // pH control 1 and a product: lines 48, 49, 51, 52, 54 and 55.
    unitCodes.code[UnitItem::kTemperature] = 0;
    phControlSettings.phControlMethod = 1;
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].name, 20, "PHOSBA");
    l = build();
    EXPECT_EQ(at(l, 48, 2, 10), "pH CONTROL");
    EXPECT_EQ(at(l, 49, 4, 13), "Sulfuric Acid");
    EXPECT_EQ(at(l, 51, 2, 6), "DOSAGE");
    EXPECT_EQ(at(l, 52, 4, 6), "PHOSBA");
    EXPECT_EQ(at(l, 54, 2, 25), "CORROSION RATE PREDICTION");
    EXPECT_EQ(at(l, 55, 24, 7), "   2.50");
    // Both chemicals: acid first, "OH Soda", then two blank lines.
    phControlSettings.phControlMethod = 3;
    phControlSettings.alkaliChemical = 3;
    l = build();
    EXPECT_EQ(at(l, 50, 4, 7), "OH Soda");
    EXPECT_EQ(at(l, 53, 2, 6), "DOSAGE");
}

// The temperature indicators page: 23 mineral rows (calcium silicate keeps no
// value), the carbonates' potential after them, indices without limits.
TEST_F(ProfilePageTest, TemperatureIndicatorsPage) {
    ProfileTable& t = whatIfResults.tempProfile;
    for (int k = 0; k < 7; ++k) {
        FillPoint(t.analysis[k], t.results[k], t.excess[k], k);
        t.analysis[k][E::kTemperature] = 70.0f + 10.0f * static_cast<float>(k);
    }
    t.results[0][10] = -14.0f;
    auto build = [] {
        ReportLayout l;
        BuildTempIndicatorsPage(ReportSource{0, ProfileKind::kTemperature}, l);
        return l;
    };
    auto at = [](const ReportLayout& l, int line, int column, std::size_t n) {
        return At(l, line - 1, column, n);
    };
    displaySettings.precipitationUnit = 2;
    ReportLayout l = build();
    EXPECT_TRUE(MatchesGolden(l, "profile-temperature-indicators-ratio-kg"));
    EXPECT_EQ(l.title, "DEPOSITION POTENTIAL INDICATORS VERSUS TEMPERATURE");
    EXPECT_EQ(at(l, 4, 2, 16), "SATURATION RATIO");
    EXPECT_EQ(at(l, 5, 24, 7), "  70.00");
    EXPECT_EQ(at(l, 6, 4, 15), "Calcite (CaCO3)");
    EXPECT_EQ(at(l, 22, 4, 16), "Calcium silicate");
    EXPECT_EQ(at(l, 22, 24, 7), "    N/A");
    EXPECT_EQ(at(l, 28, 4, 18), "Iron sulfide (FeS)");
    // The carbonates' block is their precipitation potential; the excess
    // heading stands over the mineral rows only.
    EXPECT_EQ(at(l, 30, 2, 50), "FREE ION PRECIPITATION POTENTIAL (kg/1000 Barrels)");
    EXPECT_EQ(at(l, 58, 2, 43), "FREE ION MOMENTARY EXCESS (kg/1000 Barrels)");
    EXPECT_EQ(at(l, 36, 24, 7), "    N/A");  // siderite: the solver's marker
    EXPECT_EQ(at(l, 39, 24, 7), "  -14.0");  // no limit on this page
    EXPECT_EQ(at(l, 47, 4, 13), "Total Calcium");
    EXPECT_EQ(at(l, 75, 4, 16), "Calcium silicate");
    EXPECT_EQ(at(l, 75, 24, 7), "    N/A");
    EXPECT_EQ(at(l, 81, 4, 18), "Iron sulfide (FeS)");
    EXPECT_EQ(l.NamedLine(LayoutLine::kBandTop) + 2, 6);
    EXPECT_EQ(l.NamedLine(LayoutLine::kBandBottom) + 2, 82);
    displaySettings.indexFormat = 1;
    EXPECT_EQ(at(build(), 5, 2, 17), "as LOG10(IAP/Ksp)");
}

TEST_F(ProfilePageTest, GasRowsAndResistivity) {
    const ReportLayout l = Chemistry(ProfileKind::kPh);
    EXPECT_EQ(ItemAt(l, 40, 24)->text, "   0.00");  // a zero pCO2, ending at column 31
    EXPECT_EQ(At(l, 40, 24, 7), "   0.00");
    EXPECT_EQ(At(l, 40, 32, 7), " 0.0100");  // three significant figures
    EXPECT_EQ(At(l, 45, 72, 7), "    N/A");  // conductivity 0
    // A point not calculated, or one whose conductivity is no number, has no
    // resistivity either (not "< 0.001" or "0.00").
    for (float marked : {1.0e37f, std::numeric_limits<float>::quiet_NaN()}) {
        whatIfResults.phProfile.analysis[5][E::kConductivity] = marked;
        whatIfResults.pressureProfile.analysis[5][E::kConductivity] = marked;
        EXPECT_EQ(At(Chemistry(ProfileKind::kPh), 45, 64, 7), "    N/A") << marked;
        EXPECT_EQ(At(Chemistry(ProfileKind::kPressure), 45, 64, 7), "    N/A") << marked;
    }
    unitCodes.code[UnitItem::kGasH2S] = 7;
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kPh), 41, 4)->text, "pH_2S");
    unitCodes.code[UnitItem::kGasCo2] = 4;
    EXPECT_EQ(ItemAt(Chemistry(ProfileKind::kMixing), 40, 4)->text, "CO_2(ppm in gas)");
    EXPECT_EQ(At(Chemistry(ProfileKind::kMixing), 40, 32, 7), " 0.0100");
}

}  // namespace
