// CalcInhibitorDosage: the product dose of the current treatment product for the
// water whose copies DoseAnalysis holds.
//
// Components that treat the same scale form a group (consecutive components with
// the same treated IndexCode; calcium phosphate's codes 3 and 39 count as one).
// A group's dose blends its members' doses harmonically, weighted by their blend
// shares: with A the sum of actives percentages, W the sum of share x active
// concentration, S the sum of shares and H the sum of share / dose over the
// members with a dose, the group dose is (W / S)(1000 / A)(S / H) in mg/L of
// product (dose mode 2: (1 / A)(S / H)). The product dose is the largest group
// dose.
#include "engine/dose/inhibitor_dose.h"

#include <algorithm>
#include <cmath>

#include "engine/dose/dose_models.h"
#include "engine/tables/power_of_ten.h"
#include "input/records.h"

using namespace dose;

namespace {

constexpr double kIngredientPresent = 1e-06;

bool IsCalciumPhosphate(int code) {
    return code == IndexCode::kCalciumPhosphate || code == 39;
}

bool SameScale(int a, int b) {
    return a == b || (IsCalciumPhosphate(a) && IsCalciumPhosphate(b));
}

// The fraction of the active acting at the water's pH: the share of its acid in
// dissociated form, with pKa(T) from pKa at 25 degrees C and its enthalpy (van 't
// Hoff, R = 0.00198719 kcal/(mol K)). No pKa: all of it acts.
double ActingFraction(const ProductRecord& first, double temperatureK, double ph) {
    if (first.pKa25 == 0.0f) return 1.0;
    double pKa = first.pKa25;
    if (first.pKaEnthalpy != 0.0f)
        pKa -= (298.16 - temperatureK) / (temperatureK * 298.16 * 2.3025851 * 0.00198719) *
               first.pKaEnthalpy;
    const double acid = Exp10(-pKa);
    return acid / (Exp10(-ph) + acid);
}

struct GroupSums {
    double actives = 0, weightedConc = 0, shares = 0, inverseDoses = 0;
};

// Which ingredients the product holds, by its first component.
struct Ingredients {
    bool first, second, third;
};

struct GroupContext {
    const ProductTable& product;
    const double* raw;
    uint16_t doseMode;
    bool keep;
    Ingredients holds;
    const DoseContext& entry;
};

// Closes the group of components [begin, end) into its dose; may set status 3 and
// the two limit doses.
double CloseGroup(const GroupContext& g, int begin, int end, DoseLimitState& limits,
                  int16_t& status, bool& calciumPhosphateMet) {
    GroupSums sums;
    for (int k = begin; k < end; ++k) {
        if (!(g.raw[k] > 0.0)) continue;
        const ProductRecord& r = g.product.records[k];
        sums.actives += r.activesPercent;
        sums.weightedConc += static_cast<double>(r.blendShare) * r.activeConc;
        sums.shares += r.blendShare;
        sums.inverseDoses += r.blendShare / g.raw[k];
    }
    double groupDose = 0.0;
    if (sums.shares > 0.0 && g.product.headerValue > 0.0f && sums.actives > 0.0 &&
        sums.inverseDoses > 0.0) {
        const double harmonic = sums.shares / sums.inverseDoses;
        groupDose = g.doseMode == 2
                        ? (1.0 / sums.actives) * harmonic
                        : (sums.weightedConc / sums.shares) * (1000.0 / sums.actives) * harmonic;
    }

    const ProductRecord& last = g.product.records[end - 1];
    if (IsCalciumPhosphate(last.treatedIndex)) {
        calciumPhosphateMet = true;
        if (g.keep) limits.runningLimitDose = static_cast<float>(groupDose);
    } else if (last.modelKind == DoseModelKind::kLogTerms || g.doseMode == 1) {
        // Net of the inhibitor already present in the water.
        double present = 0.0;
        if (g.holds.first)
            present = g.entry.value[DoseInput::kPhosphate];
        else if (g.holds.second)
            present = g.entry.value[DoseInput::kIngredient2];
        else if (g.holds.third)
            present = g.entry.value[DoseInput::kIngredient3];
        if (sums.actives > 0.0) groupDose -= present / sums.actives;
        if (groupDose < 0.0) {
            groupDose = 0.0;
            status = DoseStatus::kCannotCover;
        }
        if (last.modelKind == DoseModelKind::kLogTerms)
            limits.presentLimitDose = static_cast<float>(groupDose);
    }
    return groupDose;
}

// One depletion total: running blends over the components whose depletion term
// (driver above threshold, per unit of active concentration) is positive.
double DepletionTotal(const ProductTable& product, int count, double driver,
                      float ProductRecord::*rate, float ProductRecord::*threshold) {
    if (!(driver > 0.0)) return 0.0;
    double total = 0.0;
    GroupSums sums;
    for (int k = 0; k < count; ++k) {
        const ProductRecord& r = product.records[k];
        double term = 0.0;
        if (r.*rate > 0.0f && driver > r.*threshold && r.activeConc != 0.0f)
            term = (driver - r.*threshold) * 0.001 * (r.*rate) / r.activeConc;
        if (term > 0.0) {
            sums.shares += r.blendShare;
            sums.actives += r.activesPercent;
            sums.inverseDoses += r.blendShare / term;
            sums.weightedConc += static_cast<double>(r.activeConc) * r.blendShare;
        }
        if (sums.inverseDoses > 0.0 && sums.actives > 0.0)
            total += (1000.0 / sums.actives) * sums.weightedConc * sums.shares / sums.inverseDoses;
    }
    return total;
}

}  // namespace

DoseEnvironment GlobalDoseEnvironment() {
    return DoseEnvironment{productTable,
                           resultStatus.productSelected != 0,
                           doseAnalysis,
                           GlobalUnitContext(),
                           corrosionTarget,
                           doseFigure,
                           CurrentTreatmentLimitsHook()};
}

int16_t CalcInhibitorDosage(const DoseEnvironment& env, DoseLimitState& limits,
                            DoseContext& doseInputs, float temperature,
                            const float (&driverValues)[kLimitInputCount], float time,
                            float& productDose) {
    if (!env.productSelected) return DoseStatus::kNone;
    if (limits.keepLimitDoses == 0) {
        limits.runningLimitDose = 0.0f;
        limits.presentLimitDose = 0.0f;
    }
    productDose = 0.0f;

    const double temperatureK =
        DoseTemperatureK(temperature, env.units.units.code[UnitItem::kTemperature]);
    if (temperatureK <= 250.0) return DoseStatus::kNone;

    const ProductTable& product = env.product;
    const ProductRecord& first = product.records[0];
    const double acting =
        ActingFraction(first, temperatureK, env.analysis.analysis[AnalysisElement::kPh]);

    // The inputs as given; entries 5, 8 and 9 become outputs.
    const DoseContext entry = doseInputs;
    doseInputs.value[DoseInput::kIngredient1] = 0.0f;
    doseInputs.value[DoseInput::kIngredient2] = 0.0f;
    doseInputs.value[DoseInput::kIngredient3] = 0.0f;
    const Ingredients holds{first.ingredient1 > kIngredientPresent,
                            first.ingredient2 > kIngredientPresent,
                            first.ingredient3 > kIngredientPresent};

    const int count = std::clamp<int>(product.componentCount, 0, kDosedComponentCount);
    const VariableSource variables{env.analysis, env.units,           temperatureK,
                                   time,         env.corrosionTarget, env.doseFigure};
    const uint16_t doseMode = first.doseMode;
    int16_t status = DoseStatus::kNone;

    // Component doses.
    double raw[kDosedComponentCount] = {};
    double firstDriver = 0.0, secondDriver = 0.0;
    for (int k = 0; k < count; ++k) {
        const ProductRecord& r = product.records[k];
        const bool active = r.activeConc != 0.0f;
        firstDriver = r.depletion1Rate > 0.0f && active
                          ? ConvFeUnits(entry.value[DoseInput::kIron], env.units)
                          : 0.0;
        secondDriver = r.ingredient2 > 0.0f && active
                           ? GetIonUnitFactor(AnalysisElement::kAluminum, env.units) *
                                 static_cast<double>(entry.value[DoseInput::kIngredient3])
                           : 0.0;
        const ComponentDose c =
            EvaluateComponent(ComponentInputs{r, temperatureK, driverValues[k], firstDriver,
                                              secondDriver, entry, variables, doseMode});
        raw[k] = c.dose;
        if (raw[k] > 0.0) {
            raw[k] /= acting;
            status = std::max(status, c.limitStatus);
        }
    }

    // Group doses; the product dose is the largest.
    const GroupContext groups{product, raw, doseMode, limits.keepLimitDoses != 0, holds, entry};
    bool calciumPhosphateMet = false;
    double dose = 0.0;
    for (int begin = 0; begin < count;) {
        int end = begin + 1;
        while (end < count &&
               SameScale(product.records[end].treatedIndex, product.records[end - 1].treatedIndex))
            ++end;
        const double groupDose =
            CloseGroup(groups, begin, end, limits, status, calciumPhosphateMet);
        if (groupDose > dose) dose = groupDose;
        begin = end;
    }

    const double depletion =
        DepletionTotal(product, count, firstDriver, &ProductRecord::depletion1Rate,
                       &ProductRecord::depletion1Threshold) +
        DepletionTotal(product, count, secondDriver, &ProductRecord::ingredient2,
                       &ProductRecord::ingredient3);

    // The amounts of the active ingredients in the dose.
    for (int k = 0; k < count; ++k) {
        const ProductRecord& r = product.records[k];
        if (!(r.activesPercent > kIngredientPresent)) continue;
        const double share = dose * r.activesPercent * 0.01;
        if (r.ingredient1 > kIngredientPresent)
            doseInputs.value[DoseInput::kIngredient1] += static_cast<float>(share * r.ingredient1);
        if (r.ingredient2 > kIngredientPresent)
            doseInputs.value[DoseInput::kIngredient2] += static_cast<float>(share * r.ingredient2);
        if (r.ingredient3 > kIngredientPresent)
            doseInputs.value[DoseInput::kIngredient3] += static_cast<float>(share * r.ingredient3);
    }

    // Calcium phosphate already past twice saturation that the kept dose cannot cover.
    const float* res = env.analysis.results;
    if (doseInputs.value[DoseInput::kIngredient1] > 0.0f && limits.keepLimitDoses != 0 &&
        calciumPhosphateMet &&
        (limits.presentLimitDose < limits.runningLimitDose || limits.runningLimitDose == 0.0f ||
         limits.presentLimitDose < dose) &&
        (res[IndexCode::kCalciumPhosphate] > 2.0f || res[39] > 2.0f))
        status = DoseStatus::kCannotCover;

    if (doseMode == 2) {
        // A corrosion product: the figure is a rate in mils per year, rated against
        // the product limit and given back in the user's corrosion-rate unit.
        status = DoseStatus::kNone;
        if (product.headerLimit > kUnsetLimit && product.headerLimit <= dose)
            status = DoseStatus::kOverProductLimit;
        if (!CorrosionRateInMpy(env.units.units)) dose *= kMmPerMil;
    } else {
        dose += depletion;
    }
    productDose = static_cast<float>(dose);

    limits.evaluationMode = kEvaluationFromDose;
    const int16_t rated = env.evaluateLimits(doseInputs, temperature, driverValues, time);
    return rated >= 0 && rated > status ? rated : status;
}

int16_t CalcInhibitorDosage(DoseContext* doseInputs, float temperature, const float* driverValues,
                            float time, float* productDose) {
    if (doseInputs == nullptr || driverValues == nullptr || productDose == nullptr) return 0;
    float drivers[kLimitInputCount];
    std::copy(driverValues, driverValues + kLimitInputCount, drivers);
    return CalcInhibitorDosage(GlobalDoseEnvironment(), doseLimitState, *doseInputs, temperature,
                               drivers, time, *productDose);
}
