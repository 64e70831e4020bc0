// The chemistry page of one water and of the blend: golden pages, the
// identification line, unit suffixes, highlighting and the value rules.
#include "tests/reporttext/waterpages/water_page_fixture.h"

namespace waterpages {
namespace {

constexpr int kFirst = 2;       // "DisplayMUWater" draws its first line at line 2
constexpr int kBlendFirst = 1;  // "DisplayMixedWaterOut" at line 1

TEST_F(WaterPageTest, ChemistryGoldenPagesAndScrollMaxima) {
    const ReportLayout surface = Chemistry(WaterSelector::kSurface);
    EXPECT_TRUE(MatchesGolden(surface, "chemistry-surface"));
    EXPECT_EQ(surface.title, "SURFACE WATER ANALYSIS");
    EXPECT_EQ(ChemistryFirstLine(false) + surface.endLine, 34);

    FillWater(mixedWater);
    StoredResults blendResults;
    FillResults(blendResults);
    std::memcpy(multiMixBlend.blendResults, blendResults.saturation,
                sizeof multiMixBlend.blendResults);
    // The blend's page gives the blend's own comments, not the form's.
    std::snprintf(multiMixBlend.mixedDescription.text[4], 128, "Blended at the header tank");
    const ReportLayout blend = Chemistry(WaterSelector::kMixed);
    EXPECT_TRUE(MatchesGolden(blend, "chemistry-blend"));
    EXPECT_EQ(blend.title, "MIXED WATER CHEMISTRY");
    EXPECT_EQ(ChemistryFirstLine(true) + blend.endLine, 30);
    // The blend's copy band: line 4 to line 30.
    EXPECT_EQ(blend.NamedLine(LayoutLine::kBandTop) + kBlendFirst, 4);
    EXPECT_EQ(blend.NamedLine(LayoutLine::kBandBottom) + kBlendFirst, 30);
}

TEST_F(WaterPageTest, IdentificationDatesInEachOrderAndPaddedTimes) {
    surfaceWater.reportDate = 1120307;  // 7 March 2012
    const char* expected[] = {"03-07-2012", "07-03-2012", "2012-03-07"};
    for (int order = 0; order < 3; ++order) {
        unitCodes.code[UnitItem::kDateFormat] = static_cast<uint16_t>(order);
        EXPECT_EQ(At(Chemistry(0), kFirst, 2, 37, 10), expected[order]) << order;
    }
    surfaceWater.sampleTime = 5;
    EXPECT_EQ(At(Chemistry(0), kFirst, 2, 71, 4), "0005");
    surfaceWater.sampleTime = 1230;
    EXPECT_EQ(At(Chemistry(0), kFirst, 2, 71, 4), "1230");
    EXPECT_EQ(At(Chemistry(0), kFirst, 2, 3, 16), "Sample ID:    42");
    // The blend shows the blend's own header, at its own columns.
    FillWater(mixedWater);
    mixedWater.sampleNumber = 7;
    mixedWater.reportDate = 1240102;
    EXPECT_EQ(At(Chemistry(WaterSelector::kMixed), kBlendFirst, 2, 14, 5), "    7");
    EXPECT_EQ(At(Chemistry(WaterSelector::kMixed), kBlendFirst, 2, 38, 10), "2024-01-02");
}

TEST_F(WaterPageTest, RowLabelsCarryTheSuffixOfTheirUnitCode) {
    unitCodes.code[UnitItem::kBarium] = 2;
    unitCodes.code[UnitItem::kMagnesium] = 3;
    unitCodes.code[UnitItem::kSulfate] = 4;
    unitCodes.code[UnitItem::kAluminum] = 2;
    unitCodes.code[UnitItem::kPolyphosphate] = 6;
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    unitCodes.code[UnitItem::kFluoride] = 2;
    unitCodes.code[UnitItem::kNitrate] = 0;
    unitCodes.code[UnitItem::kIron] = 2;
    ReportLayout l = Chemistry(0);
    EXPECT_EQ(TextAt(l, kFirst, 8, 4), "Barium(^oFr)");
    EXPECT_EQ(TextAt(l, kFirst, 7, 4), "Magnesium(^oGer)");
    EXPECT_EQ(TextAt(l, kFirst, 7, 44), "Sulfate (as Na_2SO_4)");
    EXPECT_EQ(TextAt(l, kFirst, 15, 4), "Aluminum(as Al_2O_3)");
    EXPECT_EQ(TextAt(l, kFirst, 13, 4), "Iron(as Fe2O3)");
    EXPECT_EQ(TextAt(l, kFirst, 15, 44), "Pyrophosphate(epm)");
    EXPECT_EQ(TextAt(l, kFirst, 17, 44), "Fluoride(^oFr)");
    EXPECT_EQ(TextAt(l, kFirst, 33, 4), "CO_2 - H_2S Rate(mm/yr)");
    // A code without a suffix leaves the bare name.
    unitCodes.code[UnitItem::kBarium] = 9;
    EXPECT_EQ(TextAt(Chemistry(0), kFirst, 8, 4), "Barium");

    // Alkalinity rows by entry mode: species given (2) and M/P alkalinity (1).
    alkalinityMode = 2;
    l = Chemistry(0);
    EXPECT_EQ(TextAt(l, kFirst, 9, 44), "Dissolved CO_2(as CO_2)");
    EXPECT_EQ(TextAt(l, kFirst, 10, 44), "Bicarbonate(as HCO_3)");
    EXPECT_EQ(TextAt(l, kFirst, 11, 44), "Carbonate(as CO_3)");
    alkalinityMode = 1;
    l = Chemistry(0);
    EXPECT_EQ(TextAt(l, kFirst, 9, 44), "Acidity(as CaCO_3)");
    EXPECT_EQ(TextAt(l, kFirst, 10, 44), "\"M\" Alkalinity(as CaCO_3)");
    EXPECT_EQ(TextAt(l, kFirst, 11, 44), "\"P\" Alkalinity(as CaCO_3)");

    // Gas item 4 (ppm in gas) on both chemistry pages.
    unitCodes.code[UnitItem::kGasCo2] = 4;
    unitCodes.code[UnitItem::kGasH2S] = 5;
    l = Chemistry(0);
    EXPECT_EQ(TextAt(l, kFirst, 25, 4), "gas phase CO_2(ppm)");
    EXPECT_EQ(TextAt(l, kFirst, 26, 4), "gas phase H_2S(mole %)");
    FillWater(mixedWater);
    l = Chemistry(WaterSelector::kMixed);
    EXPECT_EQ(TextAt(l, kBlendFirst, 25, 4), "CO_2(ppm in gas)");
    EXPECT_EQ(TextAt(l, kBlendFirst, 26, 4), "H_2S(mole %)");
    unitCodes.code[UnitItem::kGasCo2] = 1;
    EXPECT_EQ(TextAt(Chemistry(WaterSelector::kMixed), kBlendFirst, 25, 4), "pCO_2(bars)");
}

TEST_F(WaterPageTest, ChangedValuesAreRedOnlyOnTheEnteredWaters) {
    surfaceWater.values[E::kSodium] = 10812.5f;  // balanced
    ReportLayout l = Chemistry(0);
    EXPECT_EQ(ColourAt(l, kFirst, 10, 28), kRed);
    for (int line : {6, 7, 8, 9, 11, 12}) EXPECT_EQ(ColourAt(l, kFirst, line, 28), 0u) << line;
    EXPECT_EQ(ColourAt(l, kFirst, 22, 28), 0u);  // the pH was entered

    // The same analysis as a multi-mix source water: nothing is red.
    multiMixState.editIndex = 2;
    multiMixState.sourceWaters[2] = surfaceWater;
    l = Chemistry(WaterSelector::kMultiMixSource);
    for (const LayoutItem& item : l.items) EXPECT_EQ(item.colour, 0u) << item.text;
    EXPECT_EQ(l.title, "WATER ANALYSIS FOR MIXING");

    // An entered pH of -1 (computed from pCO2) shows the pH red, and a pCO2
    // other than the entered one too.
    enteredValues[0][E::kPh] = -1.0f;
    enteredValues[0][E::kPco2] = 0.001f;
    l = Chemistry(0);
    EXPECT_EQ(ColourAt(l, kFirst, 22, 28), kRed);
    bool redGas = false;
    for (const LayoutItem& item : l.items)
        redGas = redGas || (item.line == 25 - kFirst && item.colour == kRed);
    EXPECT_TRUE(redGas);

    // A water not entered yet is never highlighted.
    resultStatus.surfaceEntered = 0;
    for (const LayoutItem& item : Chemistry(0).items) EXPECT_EQ(item.colour, 0u) << item.text;
}

TEST_F(WaterPageTest, ChemistryValueRules) {
    // The harness's figures of the sea water, formatted as the page says.
    EXPECT_EQ(At(Chemistry(0), kFirst, 6, 68, 7), "  19350");
    EXPECT_EQ(At(Chemistry(0), kFirst, 28, 28, 7), "  35046");
    EXPECT_EQ(At(Chemistry(0), kFirst, 29, 28, 7), "  43322");
    EXPECT_EQ(At(Chemistry(0), kFirst, 30, 28, 7), "  23.08");  // 1e6 / 43322.37
    // The gas rows end before column 35: a zero whole, else the short form.
    EXPECT_EQ(At(Chemistry(0), kFirst, 26, 25, 10), "      0.00");
    EXPECT_EQ(At(Chemistry(0), kFirst, 25, 28, 7), "8.52e-4");
    EXPECT_EQ(At(Chemistry(0), kFirst, 27, 28, 7), "  1.025");
    EXPECT_EQ(At(Chemistry(0), kFirst, 33, 28, 7), "   2.75");
    EXPECT_EQ(At(Chemistry(0), kFirst, 22, 44, 30), "Open sea, North Atlantic");

    surfaceWater.values[E::kConductivity] = 0.0f;
    EXPECT_EQ(At(Chemistry(0), kFirst, 30, 28, 7), "    N/A");
    // A value too long for its cell becomes an exponent form, not its first digits.
    surfaceWater.values[E::kChloride] = 1.0e10f;
    EXPECT_EQ(At(Chemistry(0), kFirst, 6, 68, 7), "1.0e+10");
    // No comments: nothing under "COMMENTS".
    waterDescriptions[0].text[4][0] = '\0';
    EXPECT_EQ(TextAt(Chemistry(0), kFirst, 22, 44), "<no item>");
}

// A water whose own calculation came to figures no water holds (the fresh
// water that read pH 26.03, T.D.S. 1.0e+16 and a conductivity of 1.0e+30; a
// dissolved CO2 of 2.8e8 mg/L) shows none of them on its pages, nor the
// blend's: "N/A" where each calculated figure stood, the results and rate
// too, while what was typed stays shown and stored as it was.
TEST_F(WaterPageTest, AWaterNoWaterCanBeShowsNAInPlaceOfItsFigures) {
    struct Planted {
        const char* name;
        int element;  // -1: the T.D.S. result
        float value;
    } planted[] = {{"T.D.S.", -1, 1.0e16f},
                   {"conductivity", E::kConductivity, 1.0e30f},
                   {"pH", E::kPh, 26.03f},
                   {"dissolved CO2", E::kAcidity, 2.8e8f}};
    FillWater(mixedWater);
    StoredResults blendResults;
    FillResults(blendResults);
    std::memcpy(multiMixBlend.blendResults, blendResults.saturation,
                sizeof multiMixBlend.blendResults);
    surfaceWater.values[E::kAlkalinityMode] = mixedWater.values[E::kAlkalinityMode] = 2.0f;
    const std::vector<std::string> settled = Lines(Chemistry(WaterSelector::kSurface));
    const std::vector<std::string> settledBlend = Lines(Chemistry(WaterSelector::kMixed));
    for (const Planted& p : planted) {
        SCOPED_TRACE(p.name);
        for (int water : {WaterSelector::kSurface, WaterSelector::kMixed}) {
            SCOPED_TRACE(water);
            WaterAnalysis& w = water == WaterSelector::kSurface ? surfaceWater : mixedWater;
            float* results = water == WaterSelector::kSurface ? WaterResults.surface.saturation
                                                              : multiMixBlend.blendResults;
            float& figure = p.element < 0 ? results[35] : w.values[p.element];
            const float kept = figure;
            figure = p.value;
            const WaterAnalysis stored = w;
            const std::vector<std::string> lines = Lines(Chemistry(water));
            std::string page;
            for (const std::string& l : lines) page += l + "\n";
            for (const char* odd : {"1.0e+16", "1.0e+30", "26.03", "2.8e+08"})
                EXPECT_EQ(page.find(odd), std::string::npos) << odd << "\n" << page;
            if (water == WaterSelector::kSurface) {
                EXPECT_EQ(At(Chemistry(0), kFirst, 28, 28, 7), "    N/A") << page;  // T.D.S.
                EXPECT_EQ(At(Chemistry(0), kFirst, 29, 28, 7), "    N/A") << page;
                EXPECT_EQ(At(Chemistry(0), kFirst, 33, 28, 7), "    N/A") << page;  // rate
                EXPECT_EQ(At(Chemistry(0), kFirst, 30, 28, 7), "    N/A") << page;  // resistivity
                EXPECT_EQ(At(Chemistry(0), kFirst, 6, 68, 7), "  19350") << page;   // typed
            }
            {
                std::string indicators;
                for (const std::string& l : Lines(Indicators(water))) indicators += l + "\n";
                EXPECT_EQ(indicators.find("4.19"), std::string::npos) << indicators;  // calcite
                EXPECT_NE(indicators.find("N/A"), std::string::npos) << indicators;
            }
            EXPECT_EQ(std::memcmp(&stored, &w, sizeof stored), 0);
            figure = kept;
        }
    }
    // Waters that settle show their pages as before.
    EXPECT_EQ(Lines(Chemistry(WaterSelector::kSurface)), settled);
    EXPECT_EQ(Lines(Chemistry(WaterSelector::kMixed)), settledBlend);
}

}  // namespace
}  // namespace waterpages
