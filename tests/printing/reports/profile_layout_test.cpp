// The printed profile reports' layouts from a fixture profile: rows per kind,
// captions, pH control and dosage rows, ratio doses, and the indicator pages.
#include <cstring>

#include "input/records.h"
#include "printing/reports/layouts/profile_chemistry_layout.h"
#include "printing/reports/layouts/profile_indicators_layout.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "tests/printing/reports/report_layout_fixture.h"

namespace reporttest {
namespace {

class ProfileLayoutTest : public ReportLayoutTest {
  protected:
    void SetUp() override {
        ReportLayoutTest::SetUp();
        whatIfOptions = WhatIfOptions{};
        phControlSettings = PhControlSettings{};
        mixAlkalinityLabels = 0;
        mixDosesDone = 1;
        for (int k = 0; k < kProfileViewPoints; ++k) {
            for (int e = 0; e < 64; ++e) {
                values[k][e] = 100.0f * static_cast<float>(k) + static_cast<float>(e);
                sat[k][e] = 1.0f + static_cast<float>(k);
            }
            for (int e = 0; e < 38; ++e) excess[k][e] = 0.5f * static_cast<float>(e);
            ProfilePoint& p = view.points[k];
            p = ProfilePoint{};
            p.values = values[k];
            p.results = sat[k];
            p.excess = excess[k];
            p.acidDose = 1.5f;
            p.alkaliDose = 2.5f;
            p.injectionPercent = 100.0f * static_cast<float>(k) / 6.0f;
        }
    }
    std::vector<std::string> Labels(const ReportLayout& l) const {
        std::vector<std::string> labels;
        for (const LayoutItem& item : l.items)
            if (item.anchor == Anchor::kStart) labels.push_back(item.text);
        return labels;
    }
    static bool Has(const std::vector<std::string>& labels, const std::string& label) {
        for (const std::string& l : labels)
            if (l == label) return true;
        return false;
    }

    float values[kProfileViewPoints][64] = {};
    float sat[kProfileViewPoints][64] = {};
    float excess[kProfileViewPoints][38] = {};
    ProfileViewRecord view{};
};

TEST_F(ProfileLayoutTest, RowsLeftOutByKind) {
    ProfileChemistryLayout l;
    LayOutWhatIfChemistry(0, view, l);
    EXPECT_EQ(l.head.title, "WATER CHEMISTRY VERSUS TEMPERATURE");
    std::vector<std::string> labels = Labels(l.rows);
    EXPECT_FALSE(Has(labels, "Temperature(^oF) "));
    EXPECT_TRUE(Has(labels, "pH"));
    EXPECT_TRUE(Has(labels, "Pressure(atm)"));
    EXPECT_TRUE(Has(labels, "Oxalic acid(as C_2O_4)"));
    // The axis: a run, the caption and a run ending at 75; point values at 27 + 8k.
    EXPECT_EQ(LineText(l.head, 0), std::string(75 - 20 - 17 - 20, ' ') + " ___________________" +
                                       "Temperature (^oF)" + "___________________ ");
    EXPECT_EQ(LineText(l.head, 1).substr(68, 7), " 615.00");
    LayOutWhatIfChemistry(3, view, l);
    labels = Labels(l.rows);
    EXPECT_TRUE(Has(labels, "Pressure(atm)"));
    EXPECT_TRUE(Has(labels, "Temperature(^oF) "));
    LayOutWhatIfChemistry(1, view, l);
    EXPECT_EQ(l.head.title, "WATER CHEMISTRY VERSUS pH");
    EXPECT_FALSE(Has(Labels(l.rows), "pH"));
    whatIfOptions.varyPco2 = 1;
    values[2][AnalysisElement::kPco2] = 0.000123f;
    LayOutWhatIfChemistry(1, view, l);
    EXPECT_EQ(l.head.title, "WATER CHEMISTRY VERSUS pCO_2");
    EXPECT_TRUE(Has(Labels(l.rows), "pH"));
    EXPECT_EQ(LineText(l.head, 1).substr(36, 7), "1.23e-4");
}

TEST_F(ProfileLayoutTest, CaptionsAndPhControlRows) {
    unitCodes.code[UnitItem::kBarium] = 2;
    unitCodes.code[UnitItem::kStrontium] = 3;
    unitCodes.code[UnitItem::kCalcium] = 5;
    ProfileChemistryLayout l;
    LayOutWhatIfChemistry(0, view, l);
    std::vector<std::string> labels = Labels(l.rows);
    EXPECT_TRUE(Has(labels, "Barium(Fr Deg)"));
    EXPECT_TRUE(Has(labels, "Strontium(Ger Deg)"));
    EXPECT_TRUE(Has(labels, "Manganese (as Mn)"));
    EXPECT_TRUE(Has(labels, "Calcium"));
    EXPECT_FALSE(Has(labels, "No acid feed"));
    EXPECT_FALSE(Has(labels, "Lime"));
    phControlSettings.phControlMethod = 3;
    phControlSettings.acidChemical = 7;
    phControlSettings.alkaliChemical = 3;
    LayOutWhatIfChemistry(0, view, l);
    const LayoutItem* acid = Item(l.rows, "No acid feed");
    ASSERT_NE(acid, nullptr);
    EXPECT_EQ(LineText(l.rows, acid->line).substr(20),
              "   1.50    1.50    1.50    1.50    1.50"
              "    1.50    1.50");
    EXPECT_NE(Item(l.rows, "Caustic Soda"), nullptr);
    // Species labels follow the temperature page's form.
    AlkalinityFormOf(ProfileKind::kTemperature) = 1;
    LayOutWhatIfChemistry(0, view, l);
    EXPECT_NE(Item(l.rows, "Dissolved CO_2"), nullptr);
    EXPECT_EQ(Item(l.rows, "Acidity"), nullptr);
}

TEST_F(ProfileLayoutTest, DosageHeadingAndRatioDoses) {
    ProfileChemistryLayout l;
    // No product: a blank last line on the what-if page, nothing on the ratio page.
    LayOutWhatIfChemistry(0, view, l);
    const int whatIfEnd = l.rows.endLine;
    EXPECT_EQ(LineText(l.rows, whatIfEnd - 1), "");
    LayOutRatioChemistry(view, 7, true, l);
    EXPECT_NE(LineText(l.rows, l.rows.endLine - 1), "");
    EXPECT_EQ(l.head.title, "WATER CHEMISTRY AT VARIOUS RATIOS");
    EXPECT_EQ(Item(l.rows, "Oxalic acid(as C_2O_4)"), nullptr);
    SelectProduct("Shield", 2);
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    LayOutWhatIfChemistry(0, view, l);
    EXPECT_NE(Item(l.rows, "CORROSION RATE (mm/yr)"), nullptr);
    SelectProduct("Guard", 0);
    displaySettings.chemistryItemsHidden[26] = 1;
    LayOutWhatIfChemistry(0, view, l);
    EXPECT_EQ(Item(l.rows, "DOSAGE (mg/l)"), nullptr);
    displaySettings.chemistryItemsHidden[26] = 0;
    mainWindowState.dataVersion = 199;
    LayOutRatioChemistry(view, 7, true, l);
    EXPECT_EQ(Item(l.rows, "DOSAGE (mg/l)"), nullptr);
    mainWindowState.dataVersion = 557;
    // Ratio doses: marked in brackets, unmarked as FormatValue7.
    view.points[0].inhibitorDose = 0.05f;
    view.points[0].doseStatus = 1;
    view.points[1].inhibitorDose = 12.3f;
    view.points[1].doseStatus = 2;
    view.points[2].inhibitorDose = 0.05f;
    LayOutRatioChemistry(view, 7, true, l);
    const LayoutItem* product = Item(l.rows, "Guard");
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(LineText(l.rows, product->line).substr(20, 23), "[0.050] [   12]  0.0500");
    EXPECT_EQ(Item(l.rows, "DOSAGE (mg/l)")->line, product->line - 1);
    // Doses of another product, or none computed: the label alone.
    LayOutRatioChemistry(view, 7, false, l);
    EXPECT_EQ(LineText(l.rows, Item(l.rows, "Guard")->line), " Guard");
    mixDosesDone = 0;
    LayOutRatioChemistry(view, 7, true, l);
    EXPECT_EQ(LineText(l.rows, Item(l.rows, "Guard")->line), " Guard");
    // At most seven columns; three points give three.
    LayOutRatioChemistry(view, 3, true, l);
    EXPECT_EQ(LineText(l.head, 1).size(), 43u);
}

TEST_F(ProfileLayoutTest, IndicatorPagesSectionsAndValues) {
    HideIndicators(0, 63);
    displaySettings.indicatorItemsHidden[15] = 0;  // only iron hydroxide
    displaySettings.indexFormat = 1;
    ProfileIndicatorsLayout l;
    LayOutWhatIfIndicators(0, view, l);
    const LayoutItem* heading = Item(l.page1, "SATURATION INDEX");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->line, 1);
    EXPECT_EQ(LineText(l.page1, 2).substr(0, 28),
              " Ferric hydroxide " + std::string(3, ' ') + "   0.00");
    EXPECT_EQ(Item(l.page1, "SIMPLE INDICES")->line, 3);
    // The ten ion rows stay with every item hidden.
    int totals = 0, frees = 0;
    for (const LayoutItem& item : l.page2.items) {
        totals += item.text == "Total";
        frees += item.text == "Free";
    }
    EXPECT_EQ(totals, 5);
    EXPECT_EQ(frees, 5);
    EXPECT_EQ(LineText(l.page2, 2).substr(0, 28),
              " Ca" + std::string(4, ' ') + "Total" + std::string(9, ' ') + "   1.00");
    EXPECT_EQ(l.page1.title, "VERSUS TEMPERATURE");
}

TEST_F(ProfileLayoutTest, LarsonSkoldByKind) {
    for (int k = 0; k < kProfileViewPoints; ++k) {
        sat[k][27] = 1.0f;
        sat[k][18] = 0.75f;
    }
    values[1][AnalysisElement::kChloride] = 0.0f;
    values[1][AnalysisElement::kSulfate] = 0.0f;
    auto row = [this](int kind) {
        ProfileIndicatorsLayout l;
        LayOutWhatIfIndicators(kind, view, l);
        const LayoutItem* label = Item(l.page1, "Larson-Skold  ");
        return label == nullptr ? std::string("<none>") : LineText(l.page1, label->line).substr(21);
    };
    auto cells = [](std::vector<std::string> c) {
        std::string s = c[0];
        for (std::size_t k = 1; k < c.size(); ++k) s += " " + c[k];
        return s;
    };
    const std::string v = "  0.750", na = "    N/A";
    EXPECT_EQ(row(0), cells({v, na, v, v, v, v, v}));
    EXPECT_EQ(row(1), cells({v, na, v, v, v, v, v}));
    EXPECT_EQ(row(2), cells({na, na, na, na, na, na, na}));
    EXPECT_EQ(row(3), cells({na, na, na, na, na, na, na}));
}

TEST_F(ProfileLayoutTest, RatioIndicatorPages) {
    RatioIndicatorsLayout l;
    LayOutRatioIndicators(view, 9, l);
    EXPECT_EQ(l.page1.title, "MIXED WATER");
    // Seven percents end at 27 + 8k under the saturation heading.
    EXPECT_EQ(LineText(l.head1, 1).size(), 75u);
    EXPECT_EQ(LineText(l.head1, 1).substr(68, 7), " 100.00");
    EXPECT_EQ(l.head1.items[1].text, "SATURATION RATIO IAP/Ksp");
    EXPECT_EQ(l.head1.items[1].line, 2);  // under the percents, not over them
    LayOutRatioIndicators(view, 3, l);
    EXPECT_EQ(LineText(l.head1, 1).size(), 43u);
    // Only one mineral shown: one row; calcium silicate has no figure.
    HideIndicators(0, 63);
    displaySettings.indicatorItemsHidden[15] = 0;
    LayOutRatioIndicators(view, 7, l);
    EXPECT_EQ(LineText(l.page1, 0).substr(0, 27),
              " Ferric hydroxide " + std::string(2, ' ') + "   1.00");
    EXPECT_EQ(Item(l.page1, "SIMPLE INDICES")->line, 1);
    EXPECT_EQ(Item(l.page1, "Calcium silicate "), nullptr);
    displaySettings.indicatorItemsHidden[15] = 1;
    displaySettings.indicatorItemsHidden[55] = 0;
    LayOutRatioIndicators(view, 2, l);
    EXPECT_EQ(LineText(l.page1, 0), " Calcium silicate " + std::string(2, ' ') + "    N/A     N/A");
    // The ten ion lines with every item hidden; the kg heading for unit 3.
    displaySettings.precipitationUnit = 3;
    LayOutRatioIndicators(view, 7, l);
    int totals = 0;
    for (const LayoutItem& item : l.page2.items)
        totals += item.text == "Total" || item.text == "Free";
    EXPECT_EQ(totals, 10);
    EXPECT_NE(Item(l.page2, std::string("FREE ION MOMENTARY EXCESS (kg/1000 Barrels)") +
                                std::string(29, ' ')),
              nullptr);
}

TEST_F(ProfileLayoutTest, RatioSimpleIndexBounds) {
    for (int k = 0; k < kProfileViewPoints; ++k) sat[k][29] = 1.0f;
    sat[0][11] = 14.0f;  // Ryznar
    sat[1][11] = 13.5f;
    sat[0][10] = -14.0f;  // Langelier
    sat[1][10] = -13.5f;
    values[2][AnalysisElement::kChloride] = 0.0f;
    values[2][AnalysisElement::kSulfate] = 0.0f;
    RatioIndicatorsLayout l;
    LayOutRatioIndicators(view, 3, l);
    auto row = [&l](const char* label) {
        const LayoutItem* item = Item(l.page1, label);
        return item == nullptr ? std::string("<none>") : LineText(l.page1, item->line).substr(20);
    };
    EXPECT_EQ(row("Ryznar  "), "    N/A   13.50    3.00");
    EXPECT_EQ(row("Langelier  "), "    N/A  -13.50    3.00");
    EXPECT_EQ(row("Larson-Skold  "), "   1.00    2.00     N/A");
}

}  // namespace
}  // namespace reporttest
