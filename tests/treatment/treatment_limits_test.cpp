// Rating a water against the product's limit slots.
#include "treatment/treatment_limits.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/records.h"
#include "input/records.h"
#include "input/unit_factor_table.h"

namespace {

TEST(RateLimit, TenPercentBandsAtBothBounds) {
    struct Case {
        double value;
        float lower, upper;
        int16_t rating;
    };
    const Case cases[] = {
        {89.9, kUnsetLimit, 100.0f, 0},     {90.0, kUnsetLimit, 100.0f, 0},
        {90.1, kUnsetLimit, 100.0f, 1},     {100.0, kUnsetLimit, 100.0f, 1},
        {100.1, kUnsetLimit, 100.0f, 2},    {11.0, 10.0f, kUnsetLimit, 0},
        {10.9, 10.0f, kUnsetLimit, 1},      {10.0, 10.0f, kUnsetLimit, 1},
        {9.9, 10.0f, kUnsetLimit, 2},       {50.0, 10.0f, 100.0f, 0},
        {1e9, kUnsetLimit, kUnsetLimit, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RateLimit(c.value, c.lower, c.upper), c.rating) << c.value;
}

// A negative bound's band lies inside the bounds too: a tenth of its magnitude
// below an upper bound of -10 (from -11) and above a lower bound of -10 (to -9).
TEST(RateLimit, NegativeBoundsHaveTheirBandInside) {
    struct Case {
        double value;
        float lower, upper;
        int16_t rating;
    };
    const Case cases[] = {
        {-12.0, kUnsetLimit, -10.0f, 0}, {-11.0, kUnsetLimit, -10.0f, 0},
        {-10.5, kUnsetLimit, -10.0f, 1}, {-10.0, kUnsetLimit, -10.0f, 1},
        {-9.9, kUnsetLimit, -10.0f, 2},  {-8.0, -10.0f, kUnsetLimit, 0},
        {-9.0, -10.0f, kUnsetLimit, 0},  {-9.5, -10.0f, kUnsetLimit, 1},
        {-10.0, -10.0f, kUnsetLimit, 1}, {-10.1, -10.0f, kUnsetLimit, 2},
        {0.0, -10.0f, 10.0f, 0},         {-9.5, -10.0f, 10.0f, 1},
        {9.5, -10.0f, 10.0f, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RateLimit(c.value, c.lower, c.upper), c.rating)
            << c.value << " in " << c.lower << " .. " << c.upper;
}

class LimitsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillUnitFactors(factors);
        units.code[UnitItem::kCorrosionRate] = 1;  // mm/yr
    }
    int16_t Evaluate() {
        const LimitEvaluationInputs in{*product, analysis,
                                       UnitContext{units, ReportingMode::kMgPerL, 2, factors},
                                       corrosionTarget, 99};
        return EvaluateTreatmentLimits(in, inputs, 60.0f, limitInputs, 300.0f, out);
    }
    void Slot(int s, int16_t code, float lower, float upper) {
        product->limits[s] = LimitSlot{code, 1, lower, upper};
    }
    float factors[kUnitFactorRows][kUnitFactorColumns]{};
    UnitCodes units{};
    std::unique_ptr<ProductTable> product = std::make_unique<ProductTable>();
    DoseAnalysis analysis{};
    DoseContext inputs{};
    float limitInputs[kLimitInputCount] = {};
    float corrosionTarget = 0.0f;
    TreatmentLimitEvaluation out{};
};

TEST_F(LimitsTest, NoEnabledSlotRatesZero) {
    product->limits[0] = LimitSlot{0, 0, kUnsetLimit, 0.5f};
    analysis.results[0] = 5.0f;
    EXPECT_EQ(Evaluate(), 0);
    EXPECT_EQ(out.rowCount, 0);
    EXPECT_EQ(out.mode, 99);
}

TEST_F(LimitsTest, SlotValuesFromTheirVariables) {
    analysis.results[IndexCode::kBarite] = 50.0f;
    Slot(0, IndexCode::kBarite, kUnsetLimit, 100.0f);  // 0
    // Calcium entered as CaCO3 (x 20.04 / 50.0445): 250 -> 100.11 mg/L against an
    // upper 105: 1.
    units.code[UnitItem::kCalcium] = 1;
    analysis.analysis[AnalysisElement::kCalcium] = 250.0f;
    Slot(1, 107, kUnsetLimit, 105.0f);
    Slot(2, 200, 400.0f, kUnsetLimit);  // residence time 300 s below 400: 2
    analysis.excess[3] = 7.0f;
    Slot(3, 503, kUnsetLimit, 10.0f);  // 0
    corrosionTarget = 0.1f;
    Slot(4, 301, kUnsetLimit, 3.0f);  // the target in mpy: 0.1 mm/yr is 3.937 mpy, outside
    EXPECT_EQ(Evaluate(), 2);
    ASSERT_EQ(out.rowCount, 5);
    EXPECT_EQ(out.rating[0], 0);
    EXPECT_NEAR(out.value[1], 250.0 * 20.04 / 50.0445, 1e-4);
    EXPECT_EQ(out.rating[1], 1);
    EXPECT_EQ(out.value[2], 300.0f);
    EXPECT_EQ(out.rating[2], 2);
    EXPECT_EQ(out.value[3], 7.0f);
    EXPECT_NEAR(out.value[4], 0.1 / 0.0254, 1e-5);
    EXPECT_EQ(out.rating[4], 2);
    EXPECT_EQ(out.worstRating, 2);
    // Entered in mils per year the target is taken as it is: 0.1, within.
    units.code[UnitItem::kCorrosionRate] = 0;
    Evaluate();
    EXPECT_EQ(out.rating[4], 0);
}

TEST_F(LimitsTest, ComponentsLimitInputsStandForTheirCodes) {
    product->componentCount = 2;
    product->records[1].limitCode = 121;  // zinc
    limitInputs[1] = 9.5f;
    analysis.analysis[AnalysisElement::kZinc] = 1.0f;
    Slot(7, 121, kUnsetLimit, 10.0f);
    EXPECT_EQ(Evaluate(), 1);
    EXPECT_EQ(out.slotIndex[0], 7);
    EXPECT_EQ(out.value[0], 9.5f);
}

TEST_F(LimitsTest, TheDoseReportsAWorseLimitRating) {
    ResetEngineRecords();
    ResetTreatmentRecords();
    ResetInputRecords();
    InitUnitFactors();
    InstallTreatmentHooks();
    unitCodes.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
    resultStatus.productSelected = 1;
    productTable.headerValue = 1.0f;
    productTable.componentCount = 1;
    ProductRecord& r = productTable.records[0];
    r.modelKind = DoseModelKind::kLogDriverPlain;
    r.energyForm = -1;
    r.c[8] = 1.0f;
    r.activesPercent = 50.0f;
    r.blendShare = 1.0f;
    r.activeConc = 0.5f;
    doseAnalysis.results[IndexCode::kBarite] = 120.0f;
    productTable.limits[0] = LimitSlot{IndexCode::kBarite, 1, kUnsetLimit, 100.0f};

    DoseContext doseInputs{};
    const float drivers[kLimitInputCount] = {2.0f};
    float productDose = 0.0f;
    EXPECT_EQ(CalcInhibitorDosage(&doseInputs, 60.0f, drivers, 180.0f, &productDose), 2);
    EXPECT_GT(productDose, 0.0f);
    EXPECT_EQ(treatmentLimitEvaluation.mode, kEvaluationFromDose);
    EXPECT_EQ(treatmentLimitEvaluation.value[0], 120.0f);
    EXPECT_EQ(CalcInhibitorDosage(nullptr, 60.0f, drivers, 180.0f, &productDose), 0);

    InstallTreatmentLimitsHook(nullptr);
    ResetEngineRecords();
    ResetTreatmentRecords();
    ResetDoseRecords();
    ResetPipelineRecords();
    ResetUnitFactorRecords();
}

}  // namespace
