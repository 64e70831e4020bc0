// Steps shared by the points of the profiles and the cells of the grids.
#include "scenarios/frame/point_steps.h"

#include <cstring>

#include "common/index_code.h"
#include "engine/carbonate/ph_adjustment.h"
#include "engine/corrosion/corrosion_models.h"
#include "engine/inputs/engine_unit_factors.h"
#include "engine/inputs/inputs_records.h"
#include "engine/speciation/speciation_records.h"
#include "scenarios/frame/engine_port.h"

namespace {
namespace AE = AnalysisElement;

// Alkalinity entry mode 3: the carbonate species themselves are given.
constexpr float kSpeciesGivenMode = 3.0f;

// The engine stores a result that came to no number (NaN) or overflowed as
// 1e37; a pass's pCO2 there, or one its unit carries that far, is no figure
// the pass reached.
constexpr float kNoPassFigure = 1.0e37f;

// The carbonate the last pass shows: its dissolved CO2 (the one its pH and
// bicarbonate hold), bicarbonate and carbonate.
ShownCarbonate PassCarbonate(const DriverContext& c) {
    return PassCarbonateShown(c.out.equilibriumCarbonicAcid, c.out.saturation[27],
                              c.out.saturation[29], c.units.reportingMode,
                              c.current.values[AE::kResultScale]);
}

}  // namespace

void RunGivenSpeciesPass(DriverContext& c, uint16_t passMode, uint16_t stepFlag,
                         SolverAnswers answers) {
    float* w = c.current.values;
    w[AE::kSpeciesGiven] = 1.0f;
    w[AE::kAlkalinityMode] = kSpeciesGivenMode;
    c.out.calcPassMode = passMode;
    c.out.profileStepFlag = stepFlag;
    c.out.givenSpeciesPerKilogram = 1;
    // A point brought to its pH by carbon dioxide keeps the alkalinity it had
    // at the pH the dose starts from: the CO2 brings no ion and adds to the
    // total carbonate. The water before the dose gives that alkalinity (a
    // stand-in engine speciates nothing to give it). The dose is the carbon
    // dioxide the water took: the carbonate the dosed water shows over the
    // water before the dose at the same conditions.
    const bool carbonDioxide = passMode == PassMode::kWhatIf &&
                               DosedWithCarbonDioxide(c.control, c.out.acidDemand) &&
                               SettlesPhDoses();
    ShownCarbonate undosed{};
    if (carbonDioxide) {
        const WaterAnalysis dosed = c.current;
        w[AE::kPh] = c.surface.values[AE::kPh];
        c.calls.runCalculationsAnswersReplaced();
        heldAlkalinity = speciation.passAlkalinity;
        undosed = PassCarbonate(c);
        c.current = dosed;
    }
    if (answers == SolverAnswers::kReplaced)
        c.calls.runCalculationsAnswersReplaced();
    else
        c.calls.runCalculations();
    heldAlkalinity = 0.0;
    if (carbonDioxide) {
        if (const auto taken = CarbonDioxideTaken(undosed, PassCarbonate(c)))
            c.out.acidDemand = static_cast<float>(*taken);
    }
    c.out.profileStepFlag = 0;
    c.out.givenSpeciesPerKilogram = 0;
}

float PhFromPco2Pass(DriverContext& c, uint16_t predictionMethod, uint16_t passMode,
                     uint16_t stepFlag) {
    uint16_t& method = c.engine.control.phPredictionMethod;
    const uint16_t inForce = method;
    method = predictionMethod;
    RunGivenSpeciesPass(c, passMode, stepFlag, SolverAnswers::kReplaced);
    method = inForce;
    return c.current.values[AE::kPh];
}

bool DropsHydrogenSulfide(const DriverContext& c, float temperature) {
    if (c.h2sOff != 0) return true;
    const double celsius =
        corrosion::TemperatureCelsius(temperature, c.units.units.code[UnitItem::kTemperature]);
    return c.surface.values[AE::kPH2S] > 0.0f && celsius > 100.0;
}

double PressureInBar(float pressure, uint16_t unitCode) {
    switch (unitCode) {
        case PressureUnit::kAtm:
            return pressure * 1.01325;
        case PressureUnit::kPsia:
            return pressure * 0.068948;
        case PressureUnit::kKPa:
            return pressure / 100.0;
        default:
            return pressure;
    }
}

void SettlePointDose(DriverContext& c, float targetPh, float& acidDose, float& alkaliDose) {
    SettlePointDose(c, c.surface.values[AE::kPh], targetPh, acidDose, alkaliDose);
}

void SettlePointDose(DriverContext& c, float startPh, float targetPh, float& acidDose,
                     float& alkaliDose) {
    if (c.control.phControlMethod == PhControlMethod::kNone) return;
    if (!(c.out.acidDemand > 0.0f) && !(c.out.alkaliDemand > 0.0f)) return;
    c.calls.settlePhDose(startPh, targetPh);
    acidDose = c.out.acidDemand;
    alkaliDose = c.out.alkaliDemand;
}

void KeepPhControlFields(const float* working, float* row) {
    constexpr int kFields[] = {AE::kAcidity,     AE::kMAlkalinity, AE::kPAlkalinity,
                               AE::kBicarbonate, AE::kCarbonate,   AE::kAlkalinity,
                               AE::kCalcium,     AE::kSodium,      AE::kPotassium,
                               AE::kSulfate,     AE::kChloride};
    for (int e : kFields) row[e] = working[e];
}

void KeepPassPco2(const DriverContext& c, float pco2Atm, float (&row)[kResultRowValues]) {
    if (!(pco2Atm > 0.0f) || pco2Atm >= kNoPassFigure) return;
    const uint16_t* units = c.units.units.code;
    const double totalBar = PressureInBar(row[AE::kPressure], units[UnitItem::kPressure]);
    const double inUnit = AtmToPartialPressureUnit(pco2Atm, units[UnitItem::kGasCo2], totalBar);
    if (inUnit > 0.0 && inUnit < kNoPassFigure) row[AE::kPco2] = static_cast<float>(inUnit);
}

void KeepPointCarbonDioxide(const DriverContext& c, bool phGiven, float& dissolvedCO2,
                            float (&row)[kResultRowValues]) {
    dissolvedCO2 = c.out.equilibriumCarbonicAcid;
    row[AE::kAcidity] = c.out.equilibriumCarbonicAcid;
    if (phGiven) KeepPassPco2(c, c.out.pco2Atm, row);
}

void ComputeCorrosionRow(const DriverContext& c, const float (&analysis)[kResultRowValues],
                         const float (&results)[kResultRowValues],
                         float (&row)[kCorrosionRowValues]) {
    static_assert(kResultRowValues == AE::kCount && kResultRowValues == kSaturationResultCount);
    const CorrosionInputs in{results, analysis, c.units};
    const double t = analysis[AE::kTemperature];
    const double ph = analysis[AE::kPh];
    const double p = analysis[AE::kPressure];
    const double pco2 = analysis[AE::kPco2];
    const double ph2s = analysis[AE::kPH2S];
    row[0] = static_cast<float>(CalcCorrRateCO2Kt(in, t, ph, p, pco2));
    row[1] = static_cast<float>(CalcCorrRateCO2Fug(in, t, ph, p, ph2s));
    row[2] = static_cast<float>(CalcCorrRateArrhenius(in, t, ph, p, pco2));
    row[3] = static_cast<float>(CalcCorrRateCO2H2S(in, t, ph, p, pco2, ph2s));
}

void FillDoseInputs(DoseContext& inputs, float ph, const float (&results)[kResultRowValues],
                    const float (&analysis)[kResultRowValues], double phosphateMgL) {
    float* v = inputs.value;
    v[DoseInput::kPh] = ph;
    v[DoseInput::kResultValue] = results[IndexCode::kLarsonSkold];
    v[DoseInput::kCalciteRatio] = results[IndexCode::kCalcite];
    v[DoseInput::kSilica] = analysis[AE::kSilica];
    v[DoseInput::kIron] = analysis[AE::kIron];
    v[DoseInput::kIngredient1] = 0.0f;
    v[DoseInput::kPhosphate] = static_cast<float>(phosphateMgL);
    v[DoseInput::kCalciumPhosphateRatio] = results[IndexCode::kCalciumPhosphate];
}

void FillDoseAnalysis(DoseAnalysis& dose, const float (&analysis)[kResultRowValues],
                      const float (&results)[kResultRowValues],
                      const float (&excess)[kIndicatorRowValues], float bicarbonate,
                      float carbonate) {
    std::memcpy(dose.analysis, analysis, sizeof dose.analysis);
    std::memcpy(dose.results, results, sizeof dose.results);
    std::memcpy(dose.excess, excess, sizeof dose.excess);
    // Result slots of the calculated carbonate species that the dose reads.
    dose.results[27] = bicarbonate;
    dose.results[8] = carbonate;
    dose.results[29] = carbonate;
}

void ClearDoseState(DoseLimitState& limits) {
    limits.runningLimitDose = 0.0f;
    limits.presentLimitDose = 0.0f;
    limits.keepLimitDoses = 0;
}

bool AddPhosphateOfDose(DriverContext& c, const DoseContext& inputs) {
    const float amount = inputs.value[DoseInput::kIngredient1];
    if (c.doseLimits.keepLimitDoses != 0 || !(amount > 0.0f)) return false;
    // Added in the user's phosphate unit, so that the engine and the next dose
    // read exactly the dose more.
    c.current.values[AE::kPhosphate] =
        c.surface.values[AE::kPhosphate] +
        static_cast<float>(PhosphateDoseInUserUnits(amount, c.units));
    c.doseLimits.keepLimitDoses = 1;
    return true;
}

double PhosphateMgL(const DriverContext& c) {
    return ConvPO4Units(c.current.values[AE::kPhosphate], c.units);
}

void RestoreSurfaceConstants(DriverContext& c) {
    const CarbonateState& from = c.surfaceCarbonate.constants;
    CarbonateState& to = c.engine.carbonate;
    to.k1 = from.k1;
    to.k2 = from.k2;
    to.kw = from.kw;
    to.gammaH = from.gammaH;
    to.gammaOH = from.gammaOH;
    to.waterActivity = from.waterActivity;
    to.chargeValue = from.chargeValue;
    to.alkalinity = from.alkalinity;
    to.log10K2 = from.log10K2;
}

namespace {

float ScaledByPressure(const DriverContext& c, float surfaceValue, float pressure) {
    const float surfacePressure = c.surface.values[AE::kPressure];
    if (surfacePressure == 0.0f) return surfaceValue;
    return surfaceValue * pressure / surfacePressure;
}

}  // namespace

float PointPco2(const DriverContext& c, float pressure) {
    const float surfacePco2 = c.surface.values[AE::kPco2];
    if (c.units.units.code[UnitItem::kGasCo2] >= 4) return surfacePco2;
    return ScaledByPressure(c, surfacePco2, pressure);
}

float PointPh2s(const DriverContext& c, float pressure) {
    // The surface water's stored pH2S is what its last full calculation kept.
    const float surfacePh2s = c.surface.values[AE::kPH2S];
    if (c.units.units.code[UnitItem::kGasH2S] > 3) return surfacePh2s;
    return ScaledByPressure(c, surfacePh2s, pressure);
}

float PressurePointPh(const DriverContext& c, float fixedPh) {
    return HoldsWaterCarbonate(fixedPh) ? c.surface.values[AE::kPh] : fixedPh;
}

void CopySurfaceForPoint(DriverContext& c) {
    for (int e = 1; e < AE::kCount; ++e) {
        if (e == AE::kMAlkalinity || e == AE::kPAlkalinity || e == AE::kPco2) continue;
        c.current.values[e] = c.surface.values[e];
    }
}
