// The weights of the multi-mix blend: kept, rescaled, derived from flows, or
// refused when nothing gives them.
#include "scenarios/multimix/multimix_weights.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/scenarios/multimix_fixture.h"

namespace multimix_test {
namespace {

MultiMixState WithWeights(std::initializer_list<float> weights) {
    MultiMixState m{};
    int j = 0;
    for (float w : weights) m.weightPercent[j++] = w;
    m.lastWaterIndex = j - 1;
    return m;
}

TEST(BlendWeights, PercentsAddingUpTo100StandAndOthersAreRescaled) {
    struct Case {
        std::initializer_list<float> entered;
        WeightSource source;
        float first, second;
    };
    const Case cases[] = {
        {{60.0f, 40.0f}, WeightSource::kAsEntered, 60.0f, 40.0f},
        {{30.0f, 30.0f}, WeightSource::kRescaled, 50.0f, 50.0f},
        {{20.0f, 60.0f, 20.0f}, WeightSource::kAsEntered, 20.0f, 60.0f},
        {{150.0f, 50.0f}, WeightSource::kRescaled, 75.0f, 25.0f},
        // 100.00002 lies past the 100.00001 bound and is brought back to 100.
        {{50.00002f, 50.0f}, WeightSource::kRescaled, 50.00001f, 49.99999f},
    };
    for (const Case& c : cases) {
        const MultiMixState m = WithWeights(c.entered);
        const BlendWeights w = ResolveBlendWeights(m, m.lastWaterIndex + 1);
        EXPECT_EQ(w.source, c.source) << c.first;
        EXPECT_NEAR(w.percent[0], c.first, 2e-5f);
        EXPECT_NEAR(w.percent[1], c.second, 2e-5f);
        EXPECT_TRUE(WeightsMakeABlend(w, m.lastWaterIndex + 1));
    }
}

TEST(BlendWeights, WithoutPercentsTheBrineFlowsDecide) {
    MultiMixState m = WithWeights({0.0f, 0.0f});
    m.sourceWaters[0].values[E::kDensity] = 1.0f;
    m.sourceWaters[0].values[E::kBrineFlow] = 100.0f;
    m.sourceWaters[1].values[E::kDensity] = 1.0f;
    m.sourceWaters[1].values[E::kBrineFlow] = 300.0f;
    BlendWeights w = ResolveBlendWeights(m, 2);
    EXPECT_EQ(w.source, WeightSource::kFromFlows);
    EXPECT_FLOAT_EQ(w.percent[0], 25.0f);
    EXPECT_FLOAT_EQ(w.percent[1], 75.0f);

    // The flows are volumes, as the percents are: a denser brine takes the
    // same share of the blend's volume (the blend weighs its mass itself).
    m.sourceWaters[0].values[E::kDensity] = 1.2f;
    w = ResolveBlendWeights(m, 2);
    EXPECT_FLOAT_EQ(w.percent[0], 25.0f);
    EXPECT_FLOAT_EQ(w.percent[1], 75.0f);
}

TEST(BlendWeights, NothingToBlendByIsRefused) {
    const MultiMixState none = WithWeights({0.0f, 0.0f, 0.0f});
    const BlendWeights w = ResolveBlendWeights(none, 3);
    EXPECT_EQ(w.source, WeightSource::kNone);
    EXPECT_FALSE(WeightsMakeABlend(w, 3));
    // Densities without flows give no flow either.
    MultiMixState dense = none;
    for (WaterAnalysis& s : dense.sourceWaters) s.values[E::kDensity] = 1.0f;
    EXPECT_FALSE(WeightsMakeABlend(ResolveBlendWeights(dense, 3), 3));
    // A negative weight would make the mixed hydrogen ion negative.
    const MultiMixState negative = WithWeights({120.0f, -20.0f});
    EXPECT_FALSE(WeightsMakeABlend(ResolveBlendWeights(negative, 2), 2));
}

TEST_F(MultiMixTest, AllZeroWeightsWithoutFlowsChangeNothing) {
    UseStandInEngine();
    Source(0, 0.0f, 6.0f, 100.0f, 0.0f, 10.0f);
    Source(1, 0.0f, 8.0f, 100.0f, 1.0f, 0.0f);
    mixedWater.values[E::kCalcium] = 55.0f;
    BlendSnapshot().ExpectRefusedWith(MultiMixText::kNoWeights);
}

TEST_F(MultiMixTest, NoStoredWaterIsRefused) {
    UseStandInEngine();
    for (int32_t last : {-1, kMultiMixWaterCount}) {
        shown.clear();
        multiMixState.lastWaterIndex = last;
        MixWaters(1, nullptr);
        ASSERT_EQ(shown.size(), 1u) << last;
        EXPECT_EQ(shown[0].text, MultiMixText::kNoWaters);
        EXPECT_EQ(multiMixState.multiMixDone, 0u);
    }
    EXPECT_TRUE(engineCalls.empty());
}

TEST_F(MultiMixTest, TheBlendKeepsTheWeightsItUsed) {
    UseStandInEngine();
    Source(0, 30.0f, 7.0f, 100.0f, 0.0f, 10.0f);
    Source(1, 30.0f, 7.0f, 100.0f, 0.0f, 10.0f);
    MixWaters(1, nullptr);
    EXPECT_FLOAT_EQ(multiMixState.weightPercent[0], 50.0f);
    EXPECT_FLOAT_EQ(multiMixState.weightPercent[1], 50.0f);
    EXPECT_EQ(multiMixState.multiMixDone, 1u);
}

}  // namespace
}  // namespace multimix_test
