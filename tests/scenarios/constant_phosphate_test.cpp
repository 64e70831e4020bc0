// The constant recirculating phosphate as the constant-values dialog leaves it:
// the mixing profile's doses run on it at every point.
#include "tests/scenarios/mixing_fixture.h"

namespace mixing_test {
namespace {

using ConstantPhosphate = MixingTest;

TEST_F(ConstantPhosphate, TheMixingProfileCarriesItAtEveryPoint) {
    SelectProduct("PLAIN.INH");
    CalcMixingProfile(nullptr);
    constantConcentrations.switches[0] = 1;
    constantConcentrations.values[0] = 2.5f;
    constantConcentrations.constantValuesOn = 1;
    // Another product: the doses are computed again from the stored points.
    ClearScript();
    std::strcpy(productTable.records[0].fileName, "OTHER.INH");
    CalcMixingProfile(nullptr);
    ASSERT_EQ(Doses(), kMixPoints);
    for (int k = 0; k < kMixPoints; ++k)
        EXPECT_EQ(mixProfileTables.mixChemistry[k][AE::kPhosphate], 2.5f) << k;
}

}  // namespace
}  // namespace mixing_test
