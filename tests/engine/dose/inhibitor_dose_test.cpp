// The scale-inhibitor dose on synthetic products and waters. Component doses are
// chosen so that their logarithms are round numbers (x = 3 gives e^3 = 20.0855);
// the blends and splits are worked by hand beside each case.
#include "engine/dose/inhibitor_dose.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "input/unit_factor_table.h"

namespace {

int16_t hookAnswer = 0;
int hookCalls = 0;
float hookTime = 0.0f;
int16_t RecordingHook(const DoseContext&, float, const float (&)[kLimitInputCount], float time) {
    ++hookCalls;
    hookTime = time;
    return hookAnswer;
}

class DoseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FillUnitFactors(factors);
        units.code[UnitItem::kTemperature] = TemperatureUnit::kCelsius;
        units.code[UnitItem::kCorrosionRate] = 0;  // mpy
        product->headerValue = 1.0f;
        product->headerLimit = kUnsetLimit;
        analysis.analysis[AnalysisElement::kPh] = 7.0f;
    }

    DoseEnvironment Env(TreatmentLimitsHook hook = nullptr) {
        return DoseEnvironment{*product,
                               selected,
                               analysis,
                               UnitContext{units, ReportingMode::kMgPerL, 2, factors},
                               corrosionTarget,
                               0.0f,
                               hook ? hook : CurrentTreatmentLimitsHook()};
    }

    // A kind-0 component whose dose is e^(c5 + c9 ln v) with the intercept as is.
    ProductRecord& LogDriver(int k, uint16_t treated, float c5, float actives, float share,
                             float conc) {
        ProductRecord& r = product->records[k];
        r.treatedIndex = treated;
        r.modelKind = DoseModelKind::kLogDriver;
        r.energyForm = -1;
        r.c[4] = c5;    // c5
        r.c[8] = 1.0f;  // c9
        r.activesPercent = actives;
        r.blendShare = share;
        r.activeConc = conc;
        if (product->componentCount < k + 1) product->componentCount = static_cast<int16_t>(k + 1);
        return r;
    }

    int16_t Dose(float temperature = 60.0f, TreatmentLimitsHook hook = nullptr) {
        return CalcInhibitorDosage(Env(hook), limits, inputs, temperature, drivers, time, dose);
    }

    float factors[kUnitFactorRows][kUnitFactorColumns]{};
    UnitCodes units{};
    std::unique_ptr<ProductTable> product = std::make_unique<ProductTable>();
    DoseAnalysis analysis{};
    bool selected = true;
    float corrosionTarget = 0.0f;
    DoseLimitState limits{};
    DoseContext inputs{};
    float drivers[kLimitInputCount] = {};
    float time = 180.0f;
    float dose = -1.0f;
};

const double kE3 = std::exp(3.0);
const double kE2 = std::exp(2.0);

TEST_F(DoseTest, NoProductGivesNoDoseAndLeavesTheOutputsAlone) {
    selected = false;
    LogDriver(0, IndexCode::kCalcite, 2.0f, 50.0f, 1.0f, 0.5f);
    drivers[0] = static_cast<float>(std::exp(1.0));
    inputs.value[DoseInput::kIngredient1] = 7.0f;
    inputs.value[DoseInput::kIngredient3] = 9.0f;
    limits = DoseLimitState{3.0f, 4.0f, 0, 5};
    EXPECT_EQ(Dose(), 0);
    EXPECT_EQ(dose, -1.0f);
    EXPECT_EQ(inputs.value[DoseInput::kIngredient1], 7.0f);
    EXPECT_EQ(inputs.value[DoseInput::kIngredient3], 9.0f);
    EXPECT_EQ(limits.runningLimitDose, 3.0f);
    EXPECT_EQ(limits.evaluationMode, 5);
}

TEST_F(DoseTest, ColdWaterGivesStatusZeroAndNoDose) {
    LogDriver(0, IndexCode::kCalcite, 2.0f, 50.0f, 1.0f, 0.5f);
    drivers[0] = static_cast<float>(std::exp(1.0));
    EXPECT_EQ(Dose(-23.2f), 0);  // 249.96 K
    EXPECT_EQ(dose, 0.0f);
    units.code[UnitItem::kTemperature] = TemperatureUnit::kKelvin;
    EXPECT_EQ(Dose(250.0f), 0);
    EXPECT_EQ(dose, 0.0f);
}

TEST_F(DoseTest, SingleComponentDose) {
    // x = 2 + 1 x ln e = 3, raw e^3; group: (W / S)(1000 / A)(S / H) with A = 50,
    // W = 0.5, S = 1, H = 1 / e^3: 0.5 x 20 x e^3 = 200.855 mg/L.
    LogDriver(0, IndexCode::kCalcite, 2.0f, 50.0f, 1.0f, 0.5f);
    drivers[0] = static_cast<float>(std::exp(1.0));
    EXPECT_EQ(Dose(), 0);
    EXPECT_NEAR(dose, 200.855, 1e-3);
    // Driver at or below 1: kind 0 gives no dose; kind 1 takes any positive driver.
    drivers[0] = 1.0f;
    Dose();
    EXPECT_EQ(dose, 0.0f);
    product->records[0].modelKind = DoseModelKind::kLogDriverPlain;
    Dose();
    EXPECT_NEAR(dose, 0.5 * 20 * std::exp(2.0), 1e-3);  // x = 2 + ln 1
}

TEST_F(DoseTest, ConsecutiveComponentsOfOneScaleBlend) {
    // raw e^3 (share 1, conc 0.5, actives 50) and e^2 (share 3, conc 0.2, actives 30):
    // A = 80, W = 1.1, S = 4, H = 1/e^3 + 3/e^2: (1.1/4)(1000/80)(4/H) = 30.1672.
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    LogDriver(1, IndexCode::kBarite, 1.0f, 30.0f, 3.0f, 0.2f);
    drivers[0] = drivers[1] = static_cast<float>(std::exp(1.0));
    Dose();
    EXPECT_NEAR(dose, 30.1672, 1e-3);
    // Calcium phosphate's two codes, 3 and 39, are one scale as well.
    product->records[0].treatedIndex = 3;
    product->records[1].treatedIndex = 39;
    Dose();
    EXPECT_NEAR(dose, 30.1672, 1e-3);
}

TEST_F(DoseTest, SeparateScalesTakeTheLargestGroup) {
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);   // 200.855
    LogDriver(1, IndexCode::kCalcite, 1.0f, 50.0f, 1.0f, 0.5f);  // 0.5 x 20 x e^2 = 73.89
    LogDriver(2, IndexCode::kBarite, 1.0f, 50.0f, 1.0f, 0.5f);   // a new barite group: 73.89
    for (float& d : drivers) d = static_cast<float>(std::exp(1.0));
    Dose();
    EXPECT_NEAR(dose, 200.855, 1e-3);
    product->records[0].c[4] = 0.0f;  // first group now e^1: 27.18; the largest is 73.89
    Dose();
    EXPECT_NEAR(dose, 10.0 * kE2, 1e-3);
}

TEST_F(DoseTest, ComponentWithoutActiveConcentrationContributesNothing) {
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.0f);
    ProductRecord& r = product->records[0];
    r.depletion1Rate = 5.0f;  // its depletion term would divide by the concentration
    r.depletion2Rate = 5.0f;
    r.ingredient2 = 0.5f;
    r.depletion1Threshold = 0.0f;
    inputs.value[DoseInput::kIron] = 10.0f;
    drivers[0] = static_cast<float>(std::exp(1.0));
    LogDriver(1, IndexCode::kBarite, 1.0f, 50.0f, 1.0f, 0.5f);
    drivers[1] = drivers[0];
    Dose();
    EXPECT_TRUE(std::isfinite(dose));
    EXPECT_NEAR(dose, 10.0 * kE2, 1e-3);  // the second component alone
    // Nor does a kinetic component.
    r.modelKind = DoseModelKind::kKinetic;
    analysis.results[IndexCode::kBarite] = 10.0f;
    Dose();
    EXPECT_NEAR(dose, 10.0 * kE2, 1e-3);
}

TEST_F(DoseTest, ExponentLimits) {
    LogDriver(0, IndexCode::kBarite, 32.0f, 100.0f, 1.0f, 1.0f);  // x = 32 + ln 1 on kind 1
    product->records[0].modelKind = DoseModelKind::kLogDriverPlain;
    drivers[0] = 1.0f;
    Dose();
    // raw 9999999; group (1/1)(1000/100)(9999999) = 99999990.
    EXPECT_NEAR(dose, 99999990.0, 10.0);
    product->records[0].c[4] = -32.0f;
    Dose();
    EXPECT_EQ(dose, 0.0f);
}

TEST_F(DoseTest, DriverRatedAgainstItsLimit) {
    ProductRecord& r = LogDriver(0, IndexCode::kBarite, 0.0f, 100.0f, 1.0f, 1.0f);
    r.driverLimit = 10.0f;
    analysis.results[IndexCode::kBarite] = 1.0f;  // the treated variable stays well inside
    struct Case {
        float driver;
        int16_t status;
    };
    // At 90 % of the limit nothing yet; above it borderline; at the limit out of range.
    for (const Case c : {Case{8.9f, 0}, Case{9.0f, 0}, Case{9.01f, 1}, Case{10.0f, 2}}) {
        drivers[0] = c.driver;
        EXPECT_EQ(Dose(), c.status) << c.driver;
    }
    // The treated variable (barite ratio, code 21) is rated too: above the limit 2,
    // from 90 % on 1.
    drivers[0] = 5.0f;
    analysis.results[IndexCode::kBarite] = 9.0f;
    EXPECT_EQ(Dose(), 1);
    analysis.results[IndexCode::kBarite] = 10.0f;
    EXPECT_EQ(Dose(), 1);
    analysis.results[IndexCode::kBarite] = 10.5f;
    EXPECT_EQ(Dose(), 2);
    // A component without a dose raises no status.
    drivers[0] = 0.5f;
    EXPECT_EQ(Dose(), 0);
}

TEST_F(DoseTest, DoseModeTwoRatesAgainstTheProductLimit) {
    // Mode 2: group dose (1 / A)(S / H) = e^3 / 50 = 0.401711.
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f).doseMode = 2;
    drivers[0] = static_cast<float>(std::exp(1.0));
    EXPECT_EQ(Dose(), 0);  // limit unset (-99.0)
    EXPECT_NEAR(dose, 0.401711, 1e-5);
    product->headerLimit = 0.5f;
    EXPECT_EQ(Dose(), 0);
    product->headerLimit = 0.4f;
    EXPECT_EQ(Dose(), DoseStatus::kOverProductLimit);
    // The figure is in mils per year; in mm/yr it is multiplied by 0.0254.
    units.code[UnitItem::kCorrosionRate] = 1;
    Dose();
    EXPECT_NEAR(dose, 0.401711 * 0.0254, 1e-6);
}

TEST_F(DoseTest, DoseModeOneNetsWhatIsPresent) {
    // Mode 1 with phosphate in the product: the group dose less phosphate present / A.
    ProductRecord& r = LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    r.doseMode = 1;
    r.ingredient1 = 0.2f;
    drivers[0] = static_cast<float>(std::exp(1.0));
    inputs.value[DoseInput::kPhosphate] = 500.0f;  // 500 / 50 = 10 off 200.855
    EXPECT_EQ(Dose(), 0);
    EXPECT_NEAR(dose, 190.855, 1e-3);
    inputs.value[DoseInput::kPhosphate] = 20000.0f;
    EXPECT_EQ(Dose(), DoseStatus::kCannotCover);
    EXPECT_EQ(dose, 0.0f);
}

TEST_F(DoseTest, IngredientsSplitTheDose) {
    // 200.855 mg/L of product at 50 % actives: ingredient1 0.2 gives 20.0855,
    // ingredient3 0.1 gives 10.0428.
    ProductRecord& r = LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    r.ingredient1 = 0.2f;
    r.ingredient3 = 0.1f;
    drivers[0] = static_cast<float>(std::exp(1.0));
    inputs.value[DoseInput::kIngredient2] = 4.0f;  // no second ingredient: becomes 0
    Dose();
    EXPECT_NEAR(inputs.value[DoseInput::kIngredient1], 20.0855, 1e-3);
    EXPECT_EQ(inputs.value[DoseInput::kIngredient2], 0.0f);
    EXPECT_NEAR(inputs.value[DoseInput::kIngredient3], 10.0428, 1e-3);
}

TEST_F(DoseTest, IronDepletionAddsToTheDose) {
    // Iron 12 mg/L above a threshold of 2 at rate 50 with conc 0.5:
    // term (12 - 2) x 0.001 x 50 / 0.5 = 1.0, added to the component dose e^3 and
    // as the depletion total (1000 / 50) x 0.5 x 1 / (1 / 1) = 10.
    ProductRecord& r = LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    r.depletion1Rate = 50.0f;
    r.depletion1Threshold = 2.0f;
    inputs.value[DoseInput::kIron] = 12.0f;
    drivers[0] = static_cast<float>(std::exp(1.0));
    Dose();
    EXPECT_NEAR(dose, 10.0 * (kE3 + 1.0) + 10.0, 1e-3);
}

TEST_F(DoseTest, ActingFractionFromThePKa) {
    // pH equal to the pKa: half the active acts, the component dose doubles.
    ProductRecord& r = LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    r.pKa25 = 7.0f;
    drivers[0] = static_cast<float>(std::exp(1.0));
    Dose(25.0f);
    EXPECT_NEAR(dose, 2 * 200.855, 2e-3);
}

TEST_F(DoseTest, TermListModel) {
    // sum = c14 + c15 x calcite ratio (code 0, transform -1) + c16 x ln(silica in
    // mg/L) (code 104, transform 1) = 1 + 0.5 x 2 + 1 x ln 7.389 = 4: raw e^4.
    ProductRecord& r = product->records[0];
    r.treatedIndex = IndexCode::kCalcite;
    r.modelKind = DoseModelKind::kTermList;
    r.activesPercent = 50.0f;
    r.blendShare = 1.0f;
    r.activeConc = 0.5f;
    r.c14 = 1.0f;
    r.c15 = 0.5f;
    r.c16 = 1.0f;
    r.termCode[0] = 0;
    r.termTransform[0] = -1;
    r.termCode[1] = 104;
    r.termTransform[1] = 1;
    for (int t = 0; t < kDoseTermCount; ++t) r.termLower[t] = r.termUpper[t] = kUnsetLimit;
    product->componentCount = 1;
    analysis.results[IndexCode::kCalcite] = 2.0f;
    analysis.analysis[AnalysisElement::kSilica] = static_cast<float>(std::exp(2.0));
    EXPECT_EQ(Dose(), 0);
    EXPECT_NEAR(dose, 10.0 * std::exp(4.0), 1e-2);

    // The calcite term's upper limit 2.2: 2.0 is within 90 % of it (1); 2.2 exactly
    // changes nothing; above it 2.
    r.termUpper[0] = 2.2f;
    EXPECT_EQ(Dose(), 1);
    analysis.results[IndexCode::kCalcite] = 2.2f;
    EXPECT_EQ(Dose(), 0);
    analysis.results[IndexCode::kCalcite] = 2.3f;
    EXPECT_EQ(Dose(), 2);
    // With both bounds set, the upper bound itself is out of range.
    r.termLower[0] = 0.5f;
    analysis.results[IndexCode::kCalcite] = 2.2f;
    EXPECT_EQ(Dose(), 2);
    r.termLower[0] = r.termUpper[0] = kUnsetLimit;

    // A logarithm of nothing on the treated scale's own term (mode 0) gives no dose.
    r.termCode[0] = 0;
    r.termTransform[0] = 1;
    analysis.results[IndexCode::kCalcite] = 0.0f;
    Dose();
    EXPECT_EQ(dose, 0.0f);
    // Result switch 3: the reciprocal of the sum (1 + ln 7.389 = 3 -> 1/3).
    analysis.results[IndexCode::kCalcite] = 1.0f;  // ln 1 = 0
    r.resultSwitch = 3;
    Dose();
    EXPECT_NEAR(dose, 10.0 / 3.0, 1e-4);
}

TEST_F(DoseTest, KineticModel) {
    // Barite ratio 10 (L = 1); E = e^(c5) = e^2 with c5 = 2; y = c6 = 0 so
    // e^y = 1; q = 1 (no ion ratio for barite). Dose = ln(180 / e^2) / 1 / (0.5 x 1000)
    // = (ln 180 - 2) / 500 = 0.0063863; group (0.5)(1000/50)(raw) = 10 x raw.
    ProductRecord& r = product->records[0];
    r.treatedIndex = IndexCode::kBarite;
    r.modelKind = DoseModelKind::kKinetic;
    r.activesPercent = 50.0f;
    r.blendShare = 1.0f;
    r.activeConc = 0.5f;
    r.c[4] = 2.0f;  // c5
    product->componentCount = 1;
    analysis.results[IndexCode::kBarite] = 10.0f;
    Dose();
    EXPECT_NEAR(dose, 10.0 * (std::log(180.0) - 2.0) / 500.0, 1e-6);
    analysis.results[IndexCode::kBarite] = 1.0f;  // not supersaturated
    Dose();
    EXPECT_EQ(dose, 0.0f);
}

TEST_F(DoseTest, TreatmentLimitsAnswerThroughTheHook) {
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    drivers[0] = static_cast<float>(std::exp(1.0));
    hookCalls = 0;
    hookAnswer = 2;
    EXPECT_EQ(Dose(60.0f, RecordingHook), 2);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(hookTime, 180.0f);
    EXPECT_EQ(limits.evaluationMode, kEvaluationFromDose);
    hookAnswer = -1;  // a negative answer is ignored
    EXPECT_EQ(Dose(60.0f, RecordingHook), 0);
    // With no hook installed nothing is rated.
    InstallTreatmentLimitsHook(nullptr);
    EXPECT_EQ(Dose(), 0);
}

TEST_F(DoseTest, GridDosesRunOnlyForTheDoseGraph) {
    LogDriver(0, IndexCode::kBarite, 2.0f, 50.0f, 1.0f, 0.5f);
    auto results = std::make_unique<float[][kSaturationResultCount]>(kGridCellCount);
    auto cellAnalysis = std::make_unique<float[][AnalysisElement::kCount]>(kGridCellCount);
    auto excess = std::make_unique<float[][kMomentaryExcessCount]>(kGridCellCount);
    float bicarbonate[kGridCellCount] = {}, carbonate[kGridCellCount] = {};
    float cellDose[kGridCellCount] = {};
    uint16_t cellStatus[kGridCellCount] = {};
    for (int c = 0; c < kGridCellCount; ++c) {
        results[c][IndexCode::kBarite] = static_cast<float>(std::exp(1.0 + c % 2));
        cellAnalysis[c][AnalysisElement::kTemperature] = 60.0f;
        cellAnalysis[c][AnalysisElement::kPh] = 7.0f;
        cellDose[c] = -1.0f;
    }
    const GridDoseCells cells{results.get(), cellAnalysis.get(), excess.get(),
                              bicarbonate,   carbonate,          180.0f,
                              cellDose,      cellStatus};
    DoseAnalysis scratch{};
    GraphChoice choice{0, 2, {IndexCode::kBarite, GraphCode::kDose, -1, -1}};

    CalcGridDosages(Env(), limits, scratch, choice, 1, 0, cells);  // barite graph: nothing
    EXPECT_EQ(cellDose[0], -1.0f);
    CalcGridDosages(Env(), limits, scratch, choice, 0, 1, cells);  // switch off: nothing
    EXPECT_EQ(cellDose[0], -1.0f);
    CalcGridDosages(Env(), limits, scratch, choice, 1, 1, cells);
    // The driver is the cell's barite ratio (code 21): e^1 -> x = 3, e^2 -> x = 4.
    EXPECT_NEAR(cellDose[0], 10.0 * kE3, 1e-3);
    EXPECT_NEAR(cellDose[1], 10.0 * std::exp(4.0), 1e-2);
    EXPECT_NEAR(cellDose[48], 10.0 * kE3, 1e-3);
}

TEST(DoseLookups, MineralColumnsAndRatioTime) {
    EXPECT_EQ(MapMineralCode(0), 0);
    EXPECT_EQ(MapMineralCode(2), 15);
    EXPECT_EQ(MapMineralCode(18), 22);
    EXPECT_EQ(MapMineralCode(43), 20);
    EXPECT_EQ(MapMineralCode(44), 0);
    EXPECT_EQ(MapMineralCode(-3), 0);

    // V 1000, levels 2 and 4, rate 5, percents e 10 and f 50, offset 1:
    // A = 10 x 50 / 100 = 5, B = 2 x 5 / 10 x 0.5 = 0.5.
    const RecirculationSystem s{1000.0f, 2.0f, 4.0f, 5.0f, 10.0f, 50.0f, 1.0f};
    float t = 0.0f;
    CalcRatioTime(s, TemperatureUnit::kCelsius, 1.0f, &t);
    EXPECT_NEAR(t, 1000.0 / 6.5 * 7200.0, 1.0);  // one turnover
    CalcRatioTime(s, TemperatureUnit::kCelsius, 3.0f, &t);
    EXPECT_NEAR(t, 0.693 * 1000.0 / 0.25 * 7200.0, 10.0);  // B / (r - 1) = 0.25
    CalcRatioTime(s, TemperatureUnit::kFahrenheit, 3.0f, &t);
    EXPECT_NEAR(t, 0.693 * 1000.0 / 0.25 * 120.0, 1.0);
    const RecirculationSystem flat{1000.0f, 2.0f, 2.0f, 5.0f, 0.0f, 50.0f, 0.0f};
    CalcRatioTime(flat, TemperatureUnit::kCelsius, 0.5f, &t);
    EXPECT_EQ(t, 0.0f);
    CalcRatioTime(flat, TemperatureUnit::kCelsius, 3.0f, &t);
    EXPECT_EQ(t, 3.0f * 7200.0f);
}

}  // namespace
