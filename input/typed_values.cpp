// The values as typed of a stored water.
#include "input/typed_values.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace E = AnalysisElement;

bool HoldsEnteredValues(const float* entered) {
    return entered != nullptr &&
           std::any_of(entered, entered + E::kCount, [](float x) { return x != 0.0f; });
}

void ValuesAsTyped(const float* stored, const float* entered, bool entered_known, float* out) {
    if (!entered_known || !HoldsEnteredValues(entered)) {
        if (out != stored) std::memmove(out, stored, E::kCount * sizeof(float));
        return;
    }
    const float ph = stored[E::kPh];
    const float companion = stored[E::kCompanionPh];
    std::memmove(out, entered, E::kCount * sizeof(float));
    if (out[E::kPh] < 0.0f) out[E::kPh] = ph;
    out[E::kCompanionPh] = companion;
}

void ClearCalculatedCarbonate(float* values) {
    for (int e = E::kBicarbonate; e <= E::kTotalCarbonate; ++e) values[e] = 0.0f;
}

void StartFromValuesAsEntered(WaterAnalysis& stored, const float* entered) {
    if (!HoldsEnteredValues(entered)) return;
    for (int e = 0; e < E::kCount; ++e)
        if (e < E::kBicarbonate || e > E::kTotalCarbonate) stored.values[e] = entered[e];
}

namespace {

// The elements no calculation writes into a stored water: the balancing adds
// sodium, potassium, sulfate, chloride or nitrate, the reference pass writes
// the pH, H2S, the partial pressures, the carbonate, the acidity and a raised
// pressure, and the alkalinities follow the carbonate.
constexpr int kKeptAsTyped[] = {
    E::kSilica,    E::kPhosphate, E::kFluoride,  E::kCalcium,       E::kMagnesium, E::kAmmonia,
    E::kIron,      E::kAluminum,  E::kManganese, E::kBoron,         E::kZinc,      E::kBromine,
    E::kStrontium, E::kBarium,    E::kLithium,   E::kLead,          E::kPolyphosphate,
    E::kOxalate,   E::kTemperature, E::kDensity, E::kBrineFlow,     E::kOilFlow,   E::kGasFlow,
};

// Two floats of one value, allowing for the rounding of a conversion. A
// stored 0 agrees with a typed value the save's clean-up makes 0.
bool Agree(float a, float b) {
    if (a == b) return true;
    if (a == 0.0f && b > 0.0f && b < kSmallestStoredValue) return true;
    constexpr double kRounding = 1e-5;
    const double x = a;
    const double y = b;
    return std::fabs(x - y) <= kRounding * std::max(std::fabs(x), std::fabs(y));
}

}  // namespace

int DisagreeingTypedValue(const float* stored, const float* entered) {
    if (!HoldsEnteredValues(entered)) return -1;
    for (int e : kKeptAsTyped) {
        if (e == E::kDensity && entered[e] == 0.0f) continue;  // the default
        if (!Agree(stored[e], entered[e])) return e;
    }
    return -1;
}

bool StoredConditionKept(int element, float /*stored*/, const float* entered) {
    // Only a partial pressure left blank is the calculation's to find; a
    // density left blank takes a default the form's range holds.
    return HoldsEnteredValues(entered) && element != E::kDensity && entered[element] == 0.0f;
}
