// The ion unit converters, for every unit code of their item and in epm
// reporting. Expected factors are worked out from molar masses, not read back
// from UnitFactorTable.
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

// Factors worked out here from molar masses: "as CaCO3" is 50.0445 mg of CaCO3
// per meq, a French degree 10 and a German degree 17.9 mg/L as CaCO3. Codes past
// an item's captions keep the table's constants (1, or the millimole row 6).
constexpr double kCaCO3Eq = 50.0445;
constexpr double Eq(double mass, double z) {
    return mass / z;
}
#define HARDNESS(mass, z) Eq(mass, z) / kCaCO3Eq, 10 * Eq(mass, z) / kCaCO3Eq, 17.9 * Eq(mass, z) / kCaCO3Eq
constexpr double kO = 15.9994, kNa = 22.9898, kP = 30.9738, kPO4 = kP + 4 * kO;
#define PHOSPHATE \
    1, Eq(kPO4, 3) / kCaCO3Eq, 2 * kPO4 / (2 * kP + 5 * kO), kPO4 / kP, 10 * Eq(kPO4, 3) / kCaCO3Eq, \
        17.9 * Eq(kPO4, 3) / kCaCO3Eq, 31.7, 1
const ConverterCase kConverters[] = {
    {"Ca", ConvCaUnits, 0, Eq(40.08, 2), {1, HARDNESS(40.08, 2), 1, 1, 20.04, 1}},
    {"Mg", ConvMgUnits, 1, Eq(24.312, 2), {1, HARDNESS(24.312, 2), 1, 1, 12.156, 1}},
    // The iron of the calculation is ferrous; code 2 is as Fe2O3.
    {"Fe",
     ConvFeUnits,
     4,
     Eq(55.847, 2),
     {1, Eq(55.847, 2) / kCaCO3Eq, 2 * 55.847 / (2 * 55.847 + 3 * kO), 10 * Eq(55.847, 2) / kCaCO3Eq,
      17.9 * Eq(55.847, 2) / kCaCO3Eq, 1, 18.6, 1}},
    {"Cl",
     ConvClUnits,
     9,
     35.453,
     {1, 35.453 / kCaCO3Eq, 35.453 / (kNa + 35.453), 354.53 / kCaCO3Eq, 17.9 * 35.453 / kCaCO3Eq, 1,
      35.453, 1}},
    {"SO4",
     ConvSO4Units,
     10,
     48.0308,
     {1, HARDNESS(96.0616, 2), 96.0616 / (2 * kNa + 96.0616), 1, 96.0616, 1}},
    {"SiO2",
     ConvSiO2Units,
     14,
     60.0848,
     {1, 60.0848 / kCaCO3Eq, 60.0848 / 28.086, 600.848 / kCaCO3Eq, 17.9 * 60.0848 / kCaCO3Eq, 1,
      60.0848, 1}},
    {"PO4", ConvPO4Units, 15, Eq(kPO4, 3), {PHOSPHATE}},
    {"Sr", ConvSrUnits, 19, Eq(87.62, 2), {1, HARDNESS(87.62, 2), 1, 1, 87.62, 1}},
    {"Ba", ConvBaUnits, 20, Eq(137.34, 2), {1, HARDNESS(137.34, 2), 1, 1, 137.34, 1}},
    // Ammonia: code 2 is as N.
    {"NH3",
     ConvNH3Units,
     5,
     17.0306,
     {1, 17.0306 / kCaCO3Eq, 17.0306 / 14.0067, 170.306 / kCaCO3Eq, 17.9 * 17.0306 / kCaCO3Eq, 1,
      17.0306, 1}},
    {"Zn", ConvZnUnits, 33, Eq(65.37, 2), {1, HARDNESS(65.37, 2), 1, 65.38, 0, 1}},
    {"Mn", ConvMnUnits, 32, Eq(54.938, 2), {1, HARDNESS(54.938, 2), 1, 1, 54.938, 1}},
    // Polyphosphate has the phosphate captions and converts by the phosphate factors.
    {"PolyPO4", ConvPolyPO4Units, 36, Eq(kPO4, 3), {PHOSPHATE}},
};
#undef HARDNESS
#undef PHOSPHATE

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
            EXPECT_NEAR(c.convert(2.0f, Context(ReportingMode::kEpm)), 2.0 * c.epmWeight, 1e-6)
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
    EXPECT_NEAR(GetIonUnitFactor(AnalysisElement::kChloride, Context()), 0.60663, 1e-5);
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
    // By hand: 6.325 mg/L PO4 is 6.325 / 31.657 x 50.0445 = 9.99877 mg/L as CaCO3,
    // and 6.325 / 31.657 = 0.199797 meq/L.
    units = UnitCodes{};
    units.code[UnitItem::kPhosphate] = 1;
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context()), 9.99877, 1e-4);
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context(ReportingMode::kEpm)), 0.199797, 1e-6);
    // As P2O5 (1.33815 mg/L PO4 each) and as P (3.06618 each).
    units.code[UnitItem::kPhosphate] = 2;
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context()), 6.325 / 1.33815, 1e-4);
    units.code[UnitItem::kPhosphate] = 3;
    EXPECT_NEAR(PhosphateDoseInUserUnits(dose, Context()), 6.325 / 3.06618, 1e-4);
}

TEST_F(UnitConversionTest, NamedEntriesReadTheGlobalUnitChoices) {
    InitUnitFactors();
    unitCodes = UnitCodes{};
    unitCodes.code[UnitItem::kSulfate] = 4;  // as Na2SO4
    reportingMode = ReportingMode::kMgPerL;
    EXPECT_NEAR(ConvSO4Units(100.0f), 67.629, 1e-3);
    reportingMode = ReportingMode::kEpm;
    EXPECT_NEAR(ConvSO4Units(1.0f), 48.0308, 1e-6);  // 96.0616 x 0.5
    alkalinityMode = 6;
    EXPECT_NEAR(ConvAlkUnits(10.0f), 119.98, 0.01);
    EXPECT_FLOAT_EQ(GetIonUnitFactor(AnalysisElement::kTemperature), 1.0f);
    ResetEngineRecords();
    ResetUnitFactorRecords();
}

}  // namespace
