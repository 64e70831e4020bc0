// The weight rules of the multi-mix blend.
#include "scenarios/multimix/multimix_weights.h"

namespace {

namespace AE = AnalysisElement;

// Percents that add up to 100 within these bounds stand as entered.
constexpr double kUpperSum = 100.00001;
constexpr double kLowerSum = 99.999999;

}  // namespace

BlendWeights ResolveBlendWeights(const MultiMixState& m, int waterCount) {
    BlendWeights w{};
    float sum = 0.0f;
    for (int j = 0; j < waterCount; ++j) sum += m.weightPercent[j];

    if (sum != 0.0f) {
        const bool rescale = sum > kUpperSum || sum < kLowerSum;
        w.source = rescale ? WeightSource::kRescaled : WeightSource::kAsEntered;
        for (int j = 0; j < waterCount; ++j)
            w.percent[j] = rescale ? m.weightPercent[j] * 100.0f / sum : m.weightPercent[j];
        return w;
    }

    // No percents: the share of each water in the total brine flow, a share of
    // the volume as typed percents are (the blend weighs the masses itself
    // where its basis is per kilogram).
    float flow = 0.0f;
    for (int j = 0; j < waterCount; ++j) flow += m.sourceWaters[j].values[AE::kBrineFlow];
    if (flow == 0.0f) {
        w.source = WeightSource::kNone;
        return w;
    }
    w.source = WeightSource::kFromFlows;
    for (int j = 0; j < waterCount; ++j)
        w.percent[j] = 100.0f * m.sourceWaters[j].values[AE::kBrineFlow] / flow;
    return w;
}

bool WeightsMakeABlend(const BlendWeights& w, int waterCount) {
    if (w.source == WeightSource::kNone) return false;
    bool anyPositive = false;
    for (int j = 0; j < waterCount; ++j) {
        if (!(w.percent[j] >= 0.0f)) return false;  // negative or not a number
        anyPositive = anyPositive || w.percent[j] > 0.0f;
    }
    return anyPositive;
}
