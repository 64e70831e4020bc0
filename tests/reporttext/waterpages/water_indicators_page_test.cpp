// The indicators page of one water and of the blend: golden pages in both
// index formats and the three precipitation units, and the value rules.
#include "tests/reporttext/waterpages/water_page_fixture.h"

namespace waterpages {
namespace {

constexpr int kFirst = 1;       // "DisplayMUValues" draws its first line at line 1
constexpr int kBlendFirst = 2;  // "DisplayMixedValuesOut" at line 2

void SelectProduct(const char* name, int16_t mode) {
    resultStatus.productSelected = 1;
    std::snprintf(productTable.records[0].name, sizeof productTable.records[0].name, "%s", name);
    productTable.records[0].productMode = mode;
}

void StoreBlend() {
    FillWater(mixedWater);
    StoredResults r;
    FillResults(r);
    std::memcpy(multiMixBlend.blendResults, r.saturation, sizeof multiMixBlend.blendResults);
    std::memcpy(multiMixBlend.blendExcess, r.excess, sizeof multiMixBlend.blendExcess);
    multiMixBlend.blendDose = 4.5f;
    multiMixBlend.meanResidenceSeconds = 7200.0f;
}

TEST_F(WaterPageTest, IndicatorsGoldenPages) {
    EXPECT_TRUE(MatchesGolden(Indicators(0), "indicators-ratio-mgl"));
    EXPECT_EQ(IndicatorsFirstLine(false) + Indicators(0).endLine, 49);  // after the time line
    displaySettings.indexFormat = 1;
    displaySettings.precipitationUnit = 1;
    SelectProduct("PHOSBA", 0);
    EXPECT_TRUE(MatchesGolden(Indicators(0), "indicators-index-lbs-product"));
    displaySettings.indexFormat = 0;
    displaySettings.precipitationUnit = 2;
    EXPECT_TRUE(MatchesGolden(Indicators(0), "indicators-ratio-kg-product"));

    StoreBlend();
    const ReportLayout blend = Indicators(WaterSelector::kMixed);
    EXPECT_TRUE(MatchesGolden(blend, "indicators-blend-ratio-kg-product"));
    EXPECT_EQ(blend.title, "MIXED WATER DEPOSITION POTENTIAL INDICATORS");
    EXPECT_EQ(blend.NamedLine(LayoutLine::kBandTop) + kBlendFirst, 4);
    EXPECT_EQ(blend.NamedLine(LayoutLine::kBandBottom) + kBlendFirst, 40);
    resultStatus.productSelected = 0;
    displaySettings.indexFormat = 1;
    displaySettings.precipitationUnit = 0;
    EXPECT_TRUE(MatchesGolden(Indicators(WaterSelector::kMixed), "indicators-blend-index-mgl"));
}

TEST_F(WaterPageTest, TheBlendShowsNoSampleNumberWithoutWritingIt) {
    StoreBlend();
    mixedWater.sampleNumber = 12;
    const ReportLayout l = Indicators(WaterSelector::kMixed);
    EXPECT_EQ(At(l, kBlendFirst, 2, 3, 23), "Sample ID:             ");
    EXPECT_EQ(At(l, kBlendFirst, 2, 26, 22), "Report Date:03-15-2012");
    EXPECT_EQ(mixedWater.sampleNumber, 12);
}

TEST_F(WaterPageTest, SaturationRatiosAndIndices) {
    WaterResults.surface.saturation[1] = 1.0f;   // aragonite
    WaterResults.surface.saturation[22] = 0.0f;  // witherite
    EXPECT_EQ(At(Indicators(0), kFirst, 4, 34, 7), "   4.19");
    EXPECT_EQ(At(Indicators(0), kFirst, 5, 34, 7), "   1.00");
    EXPECT_EQ(At(Indicators(0), kFirst, 6, 34, 7), "   0.00");
    displaySettings.indexFormat = 1;
    EXPECT_EQ(At(Indicators(0), kFirst, 3, 3, 38), " SATURATION INDEX as LOG10(IAP/Ksp)   ");
    EXPECT_EQ(At(Indicators(0), kFirst, 4, 34, 7), "   0.62");  // log10 4.19289
    EXPECT_EQ(At(Indicators(0), kFirst, 5, 34, 7), "   0.00");
    EXPECT_EQ(At(Indicators(0), kFirst, 6, 34, 7), "    N/A");
    // A ratio of eight digits before the point: an exponent form, not its first digits.
    WaterResults.surface.saturation[0] = 123456789.0f;
    displaySettings.indexFormat = 0;
    EXPECT_EQ(At(Indicators(0), kFirst, 4, 34, 7), "1.2e+08");
    // Formulas end at column 32; bound ions "%7.1f".
    EXPECT_EQ(At(Indicators(0), kFirst, 15, 20, 13), "Ca5(PO4)3(OH)");
    EXPECT_EQ(At(Indicators(0), kFirst, 4, 44, 30), "Calcium:       412.0     363.4");
}

TEST_F(WaterPageTest, SimpleIndicesNeedCarbonateAndLarsonSkoldChlorideOrSulfate) {
    EXPECT_EQ(At(Indicators(0), kFirst, 28, 3, 38),
              "Langelier: " + std::string(20, ' ') + "   0.24");
    EXPECT_EQ(At(Indicators(0), kFirst, 33, 34, 7), "   5.00");  // slot 18: 0.5 + 0.25 x 18
    surfaceWater.values[E::kChloride] = 0.0f;
    surfaceWater.values[E::kSulfate] = 0.0f;
    EXPECT_EQ(At(Indicators(0), kFirst, 33, 34, 7), "    N/A");
    EXPECT_EQ(At(Indicators(0), kFirst, 28, 34, 7), "   0.24");
    surfaceWater.values[E::kSulfate] = 1.0f;
    EXPECT_EQ(At(Indicators(0), kFirst, 33, 34, 7), "   5.00");
    WaterResults.surface.saturation[27] = 1e-06f;
    WaterResults.surface.saturation[29] = 0.0f;
    for (int line = 28; line <= 33; ++line)
        EXPECT_EQ(At(Indicators(0), kFirst, line, 34, 7), "    N/A") << line;
}

TEST_F(WaterPageTest, ExcessAndPotentialInEachUnit) {
    const char* excess[] = {" 100.00", "  34.85", "  15.82"};
    const char* potential[] = {"  40.50", "  14.11", "   6.41"};
    for (uint16_t unit = 0; unit < 3; ++unit) {
        displaySettings.precipitationUnit = unit;
        const ReportLayout l = Indicators(0);
        EXPECT_EQ(At(l, kFirst, 12, 67, 7), excess[unit]) << unit;
        EXPECT_EQ(At(l, kFirst, 36, 49, 7), potential[unit]) << unit;
        EXPECT_EQ(At(l, kFirst, 41, 49, 7), "    N/A") << unit;  // the solver's marker
    }
    displaySettings.precipitationUnit = 0;
    EXPECT_EQ(TextAt(Indicators(0), kFirst, 11, 44), "MOMENTARY EXCESS (mg/L) ");
    EXPECT_EQ(TextAt(Indicators(0), kFirst, 35, 26), "PRECIPITATION POTENTIAL (mg/L) ");
    displaySettings.precipitationUnit = 1;
    EXPECT_EQ(At(Indicators(0), kFirst, 10, 44, 16), "MOMENTARY EXCESS");
    EXPECT_EQ(At(Indicators(0), kFirst, 11, 44, 18), "(Lbs/1000 Barrels)");
    displaySettings.precipitationUnit = 7;  // any other unit counts as kg
    EXPECT_EQ(At(Indicators(0), kFirst, 35, 26, 17), "(kg/1000 Barrels)");
    EXPECT_EQ(At(Indicators(0), kFirst, 12, 67, 7), "  15.82");
}

TEST_F(WaterPageTest, ResidenceTimeUnits) {
    struct Case {
        float seconds;
        const char* value;
        const char* word;
    } cases[] = {
        {60.0f, "  60.00", "secs"},
        {3600.0f, "  60.00", "mins"},
        {7294400.0f, "2026.22", "hrs."},
        {7294401.0f, "  84.43", "days"},
    };
    for (const Case& c : cases) {
        waterResidenceSeconds[0] = c.seconds;
        const ReportLayout l = Indicators(0);
        EXPECT_EQ(At(l, kFirst, 48, 50, 7), c.value) << c.seconds;
        EXPECT_EQ(At(l, kFirst, 48, 22, 11), std::string("Time(") + c.word + "):") << c.seconds;
    }
    SelectProduct("PHOSBA", 0);
    waterResidenceSeconds[0] = 60.0f;
    EXPECT_EQ(At(Indicators(0), kFirst, 48, 44, 11), "Time(secs):");
    EXPECT_EQ(At(Indicators(0), kFirst, 48, 67, 7), "  60.00");
}

TEST_F(WaterPageTest, TreatmentBlockFollowsTheProduct) {
    ReportLayout l = Indicators(0);
    EXPECT_EQ(At(l, kFirst, 44, 0, 80), "");
    EXPECT_EQ(At(l, kFirst, 45, 0, 80), "");
    EXPECT_EQ(TextAt(l, kFirst, 46, 22), "        OPERATING CONDITIONS       ");
    EXPECT_EQ(At(l, kFirst, 47, 50, 7), "   77.0");  // right-aligned to column 57

    SelectProduct("ABCDEFGHIJKLMNOP", 0);  // 16 characters: the unit at column 20
    l = Indicators(0);
    EXPECT_EQ(TextAt(l, kFirst, 44, 3), "       TREATMENT RECOMMENDATION       ");
    EXPECT_EQ(At(l, kFirst, 45, 3, 38), "ABCDEFGHIJKLMNOP mg/l" + std::string(10, ' ') + "  3.250");
    EXPECT_EQ(TextAt(l, kFirst, 46, 44), "     OPERATING CONDITIONS     ");
    EXPECT_EQ(At(l, kFirst, 47, 67, 7), "   77.0");

    SelectProduct("ABCDEFGHIJKLMNOPQ", 2);  // 17 characters: no unit
    l = Indicators(0);
    EXPECT_EQ(TextAt(l, kFirst, 44, 3), "       CORROSION RATE PREDICTION      ");
    EXPECT_EQ(At(l, kFirst, 45, 3, 38), "ABCDEFGHIJKLMNOPQ" + std::string(14, ' ') + "  3.250");
    SelectProduct("CORR", 2);
    unitCodes.code[UnitItem::kCorrosionRate] = 1;
    EXPECT_EQ(At(Indicators(0), kFirst, 45, 3, 10), "CORR mm/yr");
    unitCodes.code[UnitItem::kCorrosionRate] = 0;
    SelectProduct("ODD", 3);  // a kind of 3 or more: no heading, the product line stays
    l = Indicators(0);
    EXPECT_EQ(At(l, kFirst, 44, 0, 40), "");
    EXPECT_EQ(At(l, kFirst, 45, 3, 7), "ODD mpy");

    // The blend's dose is its own.
    StoreBlend();
    SelectProduct("PHOSBA", 0);
    l = Indicators(WaterSelector::kMixed);
    EXPECT_EQ(At(l, kBlendFirst, 38, 34, 7), "  4.500");
    EXPECT_EQ(At(l, kBlendFirst, 39, 67, 7), "   2.00");  // 7200 s
    EXPECT_EQ(At(l, kBlendFirst, 39, 44, 11), "Time(hrs.):");
}

}  // namespace
}  // namespace waterpages
