// The ion unit converters, for every unit code of their item and in epm
// reporting. Expected factors are typed from the unit tables (the unit factor
// table's columns and the converters' fixed factors and equivalent weights), not
// read back from UnitFactorTable.
#include "engine/inputs/unit_conversions.h"

#include <gtest/gtest.h>

#include "engine/records.h"
#include "input/unit_factor_table.h"

namespace {

using Converter = double (*)(float, const UnitContext&);

struct ConverterCase {
    const char* name;
    Converter convert;
    int unitItem;
    double epmWeight;
    double factor[8];  // by unit code 0..7; code 7 has no row and is taken as the ion
};

// Codes whose factor is 1 are the base unit or a unit the converter passes on as is.
const ConverterCase kConverters[] = {
    {"Ca", ConvCaUnits, 0, 20.03, {1, 0.4, 1, 1, 1, 1, 1, 1}},
    {"Mg", ConvMgUnits, 1, 12.156, {1, 0.2429, 2.429, 4.348, 1, 1, 12.156, 1}},
    {"Fe", ConvFeUnits, 4, 18.6, {1, 0.372, 0.6992, 3.72, 6.6588, 1, 18.6, 1}},
    {"Cl", ConvClUnits, 9, 35.453, {1, 0.7085, 0.60661, 7.085, 12.682, 1, 35.453, 1}},
    {"SO4", ConvSO4Units, 10, 48.0308, {1, 0.9597, 9.597, 17.179, 0.67631, 1, 96.0616, 1}},
    {"SiO2", ConvSiO2Units, 14, 60.0848, {1, 1.2006, 2.139, 12.006, 21.4907, 1, 60.0848, 1}},
    {"PO4", ConvPO4Units, 15, 31.7, {1, 0.6325, 0.47, 3.0665, 6.325, 11.322, 31.7, 1}},
    {"Sr", ConvSrUnits, 19, 43.8, {1, 0.88, 1, 1, 1, 1, 1, 1}},
    {"Ba", ConvBaUnits, 20, 68.7, {1, 1.37, 1, 1, 1, 1, 1, 1}},
    {"NH3", ConvNH3Units, 5, 16.5, {1, 0.825, 1.125, 1, 1, 1, 1, 1}},
    {"Zn", ConvZnUnits, 33, 65.37, {1, 0.65, 6.5, 3.652, 1, 65.38, 0, 1}},
    {"Mn", ConvMnUnits, 32, 27.5, {1, 0.55, 5.5, 3.0899, 1, 1, 54.938, 1}},
    // Polyphosphate has the phosphate captions and converts by the phosphate factors.
    {"PolyPO4", ConvPolyPO4Units, 36, 94.9714, {1, 0.6325, 0.47, 3.0665, 6.325, 11.322, 31.7, 1}},
};

class UnitConversionTest : public ::testing::Test {
  protected:
    void SetUp() override { FillUnitFactors(factors); }
    UnitContext Context(uint16_t mode = ReportingMode::kMgPerL, uint16_t alkMode = 2) {
        return UnitContext{units, mode, alkMode, factors};
    }
    float factors[kUnitFactorRows][kUnitFactorColumns]{};
    UnitCodes units{};
};

TEST_F(UnitConversionTest, EveryConverterAtEveryUnitCode) {
    for (const ConverterCase& c : kConverters) {
        for (uint16_t code = 0; code <= 7; ++code) {
            units = UnitCodes{};
            units.code[c.unitItem] = code;
            const double got = c.convert(10.0f, Context());
            EXPECT_NEAR(got, 10.0 * c.factor[code], 1e-5 * (1 + 10.0 * c.factor[code]))
                << c.name << " code " << code;
            // ppm reporting converts like mg/L.
            EXPECT_DOUBLE_EQ(c.convert(10.0f, Context(ReportingMode::kPpm)), got) << c.name;
        }
    }
}

TEST_F(UnitConversionTest, EpmReportingUsesTheEquivalentWeightWhateverTheCode) {
    for (const ConverterCase& c : kConverters) {
        for (uint16_t code : {0, 2}) {
            units = UnitCodes{};
            units.code[c.unitItem] = code;
            EXPECT_NEAR(c.convert(2.0f, Context(ReportingMode::kEpm)), 2.0 * c.epmWeight, 1e-9)
                << c.name;
        }
    }
}

// Ammonia, manganese and polyphosphate read their own unit choice, not the items
// that lie at hydrogen sulfide (13), corrosion rate (25) and residence time (26).
TEST_F(UnitConversionTest, ConvertersIgnoreOtherItemsUnitChoices) {
    for (const ConverterCase& c : kConverters) {
        units = UnitCodes{};
        for (int item = 0; item < UnitItem::kCount; ++item)
            if (item != c.unitItem) units.code[item] = 2;
        EXPECT_DOUBLE_EQ(c.convert(7.0f, Context()), 7.0) << c.name;
    }
}

TEST_F(UnitConversionTest, AlkalinityByEntryModeOnly) {
    // Mode 1 as CaCO3 -> as CO3: 60.05 / 50.05; 6 French degrees: 60.05 / 5.005;
    // 7 German degrees: 1074.895 / 5.005; 2..5 as entered.
    const double expected[8] = {10, 11.998002, 10, 10, 10, 10, 119.98002, 2147.6424};
    for (uint16_t mode = 0; mode <= 7; ++mode) {
        EXPECT_NEAR(ConvAlkUnits(10.0f, Context(ReportingMode::kMgPerL, mode)), expected[mode],
                    1e-4)
            << "mode " << mode;
        // There is no epm step for alkalinity.
        EXPECT_NEAR(ConvAlkUnits(10.0f, Context(ReportingMode::kEpm, mode)), expected[mode], 1e-4);
    }
}

TEST_F(UnitConversionTest, IonUnitFactorOfAnalysisElements) {
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kTemperature, Context()), 1.0f);
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kChloride, Context()), 1.0f);
    units.code[UnitItem::kChloride] = 2;  // as NaCl
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kChloride, Context()), 0.60661f);
    units.code[UnitItem::kLithium] = 6;  // millimole
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kLithium, Context()), 6.939f);
    units.code[UnitItem::kPotassium] = 4;  // the table has no such conversion
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kPotassium, Context()), 0.0f);
    units.code[UnitItem::kSodium] = 9;  // no such code: taken as the ion
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kSodium, Context()), 1.0f);

    // In epm every ion takes its equivalent weight, also with unit code 0.
    units = UnitCodes{};
    EXPECT_NEAR(GetIonUnitFactor(AnalysisElement::kChloride, Context(ReportingMode::kEpm)), 35.453,
                1e-4);
    EXPECT_NEAR(GetIonUnitFactor(AnalysisElement::kSulfate, Context(ReportingMode::kEpm)), 48.0308,
                1e-4);
    EXPECT_NEAR(GetIonUnitFactor(AnalysisElement::kSodium, Context(ReportingMode::kEpm)), 22.9898,
                1e-4);
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kTemperature, Context(ReportingMode::kEpm)),
                    1.0f);
}

// A phosphate dose added to the stored analysis must read back as the same dose.
TEST_F(UnitConversionTest, PhosphateDoseRoundTripsThroughEveryUnit) {
    const double dose = 6.325;  // mg/L as PO4
    for (uint16_t mode : {ReportingMode::kMgPerL, ReportingMode::kEpm}) {
        for (uint16_t code = 0; code <= 7; ++code) {
            units = UnitCodes{};
            units.code[UnitItem::kPhosphate] = code;
            units.code[UnitItem::kPolyphosphate] = code;
            const UnitContext u = Context(mode);
            const double inUnit = PhosphateDoseInUserUnits(dose, u);
            EXPECT_NEAR(ConvPO4Units(static_cast<float>(inUnit), u), dose, 1e-5)
                << "mode " << mode << " code " << code;
            const double polyInUnit = PolyphosphateDoseInUserUnits(dose, u);
            EXPECT_NEAR(ConvPolyPO4Units(static_cast<float>(polyInUnit), u), dose, 1e-5);
        }
    }
    // By hand: 6.325 mg/L PO4 is 10 mg/L as CaCO3 (factor 0.6325), and
    // 6.325 / 31.7 = 0.199527 meq/L.
    units = UnitCodes{};
    units.code[UnitItem::kPhosphate] = 1;
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context()), 10.0, 1e-5);
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context(ReportingMode::kEpm)), 0.199527, 1e-6);
}

TEST_F(UnitConversionTest, NamedEntriesReadTheGlobalUnitChoices) {
    InitUnitFactors();
    unitCodes = UnitCodes{};
    unitCodes.code[UnitItem::kSulfate] = 4;  // as Na2SO4
    reportingMode = ReportingMode::kMgPerL;
    EXPECT_NEAR(ConvSO4Units(100.0f), 67.631, 1e-3);
    reportingMode = ReportingMode::kEpm;
    EXPECT_NEAR(ConvSO4Units(1.0f), 48.0308, 1e-6);  // 96.0616 x 0.5
    alkalinityMode = 6;
    EXPECT_NEAR(ConvAlkUnits(10.0f), 119.98, 0.01);
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kTemperature), 1.0f);
    ResetEngineRecords();
    ResetUnitFactorRecords();
}

}  // namespace
