// The values as typed of a stored water.
#include "input/typed_values.h"

#include <algorithm>
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
