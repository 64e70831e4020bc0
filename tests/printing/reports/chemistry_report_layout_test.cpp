// The printed chemistry report's layout: columns, left-out rows, captions and
// values from fixture records.
#include "printing/reports/layouts/chemistry_report_layout.h"

#include "tests/printing/reports/report_layout_fixture.h"

namespace reporttest {
namespace {

using ChemistryLayoutTest = ReportLayoutTest;

std::vector<std::string> TextsAt(const ReportLayout& l, int column) {
    std::vector<std::string> texts;
    for (const LayoutItem* item : ItemsAt(l, column)) texts.push_back(item->text);
    return texts;
}

// The label of the item row `row` draws (with its caption).
std::string Label(const PrintedWater& w, int row) {
    ReportLayout l;
    PrintChemistryBody(l, 0, 21, 55, row, w);
    return l.items.empty() ? "<none>" : l.items[0].text;
}
std::string Value(const PrintedWater& w, int row) {
    ReportLayout l;
    PrintChemistryBody(l, 0, 21, 55, row, w);
    return l.items.size() < 2 ? "<none>" : l.items[1].text;
}

TEST_F(ChemistryLayoutTest, EveryItemShownGivesThePartsColumnsAndRows) {
    ReportLayout l;
    std::snprintf(texts.text[4], sizeof texts.text[4], "Taken after the filter");
    LayOutChemistryReport(printed, l);
    EXPECT_EQ(l.title, "SURFACE WATER CHEMISTRY INPUT");
    const std::vector<std::string> cations = TextsAt(l, 2);
    ASSERT_EQ(cations.size(), 14u);
    EXPECT_EQ(cations[0], "  CATIONS");
    EXPECT_EQ(cations[1], "  Calcium (as Ca)");
    EXPECT_EQ(cations[13], "  Lead (as Pb)");
    const std::vector<std::string> anions = TextsAt(l, 40);
    ASSERT_EQ(anions.size(), 14u);
    EXPECT_EQ(anions[0], "  ANIONS");
    EXPECT_EQ(anions[7], "  Oxalic acid (as C_2O_4)");
    EXPECT_EQ(anions[13], "  Boron (as B)");
    EXPECT_EQ(Item(l, "  ANIONS")->font, FontRole::kBold);
    // Values end at 33 and 78: Lead is element 42, Boron element 18.
    EXPECT_EQ(LineText(l, 13).substr(26, 7), "  52.00");
    EXPECT_EQ(LineText(l, 13).substr(71, 7), "  28.00");

    EXPECT_EQ(Item(l, "PARAMETERS")->column, 33);
    EXPECT_EQ(Item(l, "PARAMETERS")->line, 16);
    const std::vector<std::string> parameters = TextsAt(l, 21);
    ASSERT_EQ(parameters.size(), 11u);
    EXPECT_EQ(parameters[10], "   COMMENTS ");
    EXPECT_EQ(parameters[0], "  Calculated T.D.S.");
    EXPECT_EQ(parameters[2], "  Resistivity");
    EXPECT_EQ(parameters[3], "  Sp.Gr.(g/mL)");
    EXPECT_EQ(parameters[8], "  pH");
    EXPECT_EQ(parameters[9], "  CO_2 - H_2S Rate(mpy)");
    const LayoutItem* heading = Item(l, "CORROSION RATE PREDICTION");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->column, 26);
    EXPECT_EQ(heading->line, 27);  // pH on 25, a blank line, then the heading
    EXPECT_EQ(Item(l, "  CO_2 - H_2S Rate(mpy)")->line, 28);
    EXPECT_EQ(LineText(l, 28).substr(48, 7), "   3.25");
    // The comments a line lower, between the columns, in the user's font.
    EXPECT_EQ(Item(l, "   COMMENTS ")->column, 21);
    const LayoutItem* comment = Item(l, "Taken after the filter");
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->line, 30);
    EXPECT_EQ(comment->anchor, Anchor::kEnd);
    EXPECT_EQ(comment->column, 55);
    EXPECT_EQ(comment->font, FontRole::kUserText);
    EXPECT_EQ(l.endLine, 31);
}

TEST_F(ChemistryLayoutTest, HiddenItemsCloseUpAndMoveALoneColumn) {
    HideChemistry(14, 24);  // every anion row but oxalate and boron
    displaySettings.chemistryItemsHidden[49] = 1;
    displaySettings.chemistryItemsHidden[10] = 1;
    ReportLayout l;
    LayOutChemistryReport(printed, l);
    EXPECT_EQ(Item(l, "  ANIONS"), nullptr);
    ASSERT_NE(Item(l, "  CATIONS"), nullptr);
    EXPECT_EQ(Item(l, "  CATIONS")->column, 21);
    EXPECT_EQ(TextsAt(l, 21).size(), 1u + 13u + 10u);
    EXPECT_EQ(LineText(l, 1).substr(0, 55), std::string(21, ' ') + "  Calcium (as Ca)" +
                                                std::string(55 - 21 - 17 - 7, ' ') + "  17.00");
    // No comment, no parameters: the headings go, the blank lines stay.
    HideChemistry(25, 35);
    HideChemistry(45, 47);
    LayOutChemistryReport(printed, l);
    EXPECT_EQ(Item(l, "PARAMETERS"), nullptr);
    EXPECT_EQ(l.endLine, 1 + 13 + 2 + 1 + 1);
    // Every item hidden: no headings, one line for the ion block.
    HideChemistry(0, 63);
    LayOutChemistryReport(printed, l);
    EXPECT_TRUE(l.items.empty());
    EXPECT_EQ(l.endLine, 1 + 2 + 1 + 1);
}

TEST_F(ChemistryLayoutTest, CaptionsFollowTheUnitChoices) {
    // Alkalinity rows by entry mode.
    EXPECT_EQ(Label(printed, 24), "  Acidity (as CaCO_3)");
    EXPECT_EQ(Label(printed, 25), "  \"M\" Alkalinity (as CaCO_3)");
    alkalinityMode = 3;
    EXPECT_EQ(Label(printed, 24), "  Dissolved CO_2 (as CO_2)");
    EXPECT_EQ(Label(printed, 25), "  Bicarbonate (as HCO_3)");
    EXPECT_EQ(Label(printed, 26), "  Carbonate (as CO_3)");
    alkalinityMode = 8;
    EXPECT_EQ(Label(printed, 26), "  \"P\" Alkalinity");
    // Gas phase CO2 by its unit.
    unitCodes.code[UnitItem::kGasCo2] = 3;
    EXPECT_EQ(Label(printed, 45), "  pCO_2(KPa)");
    unitCodes.code[UnitItem::kGasCo2] = 4;
    EXPECT_EQ(Label(printed, 45), "  gas phase CO_2(ppm)");
    unitCodes.code[UnitItem::kGasCo2] = 5;
    EXPECT_EQ(Label(printed, 45), "  gas phase CO_2(mole %)");
    // Density in pounds per gallon with three decimals.
    unitCodes.code[UnitItem::kDensity] = 1;
    water.values[AnalysisElement::kDensity] = 8.34f;
    EXPECT_EQ(Label(printed, 43), "  Density(lbs/gal)");
    EXPECT_EQ(Value(printed, 43), "  8.340");
    // Sulfate as Na2SO4 touches its label; fluoride in French degrees.
    unitCodes.code[UnitItem::kSulfate] = 4;
    EXPECT_EQ(Label(printed, 22), "  Sulfate(as Na2SO_4)");
    unitCodes.code[UnitItem::kFluoride] = 2;
    EXPECT_EQ(Label(printed, 31),
              "  Fluoride (\xF8"
              "Fr)");
    unitCodes.code[UnitItem::kFluoride] = 9;
    EXPECT_EQ(Label(printed, 31), "  Fluoride");
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_EQ(Label(printed, 53), "  CO_2 - H_2S Rate(mm/yr)");
}

TEST_F(ChemistryLayoutTest, ResistivityAndTotalDissolvedSolids) {
    water.values[AnalysisElement::kConductivity] = 1000.0f;
    EXPECT_EQ(Value(printed, 49), "   1000");
    // No conductivity, a water not calculated, no number: no resistivity.
    for (float none : {0.0f, -5.0f, 1.0e37f, std::numeric_limits<float>::quiet_NaN()}) {
        water.values[AnalysisElement::kConductivity] = none;
        EXPECT_EQ(Label(printed, 49), "  Resistivity");
        EXPECT_EQ(Value(printed, 49), "    N/A") << none;
    }
    results[35] = 34110.4f;
    EXPECT_EQ(Value(printed, 47), "  34110");
    EXPECT_EQ(Label(printed, 99), "<none>");
}

TEST_F(ChemistryLayoutTest, TitlesByKind) {
    const char* titles[] = {"SURFACE WATER CHEMISTRY INPUT",   "INJECTION WATER CHEMISTRY INPUT",
                            "FORMATION WATER CHEMISTRY INPUT", "",
                            "MIXED WATER CHEMISTRY",           "SOURCE WATER CHEMISTRY FOR MIXING"};
    for (int kind = 0; kind <= 5; ++kind) EXPECT_STREQ(ChemistryReportTitle(kind), titles[kind]);
}

}  // namespace
}  // namespace reporttest
