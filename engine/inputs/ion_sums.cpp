// Charge and mass sums of the speciated water.
#include "engine/inputs/ion_sums.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace {

// Records left out of the sums: the sulfide total (16), the silica and boron
// totals (34, 86) and the rows 69, 70, 71 and 83.
struct SumsTable {
    bool counts[kSpeciesCount];
    constexpr SumsTable() : counts{} {
        for (int i = 0; i < kSpeciesCount; ++i) counts[i] = true;
        for (int i : {16, 34, 69, 70, 71, 83, 86}) counts[i] = false;
    }
};
constexpr SumsTable kSums;

}  // namespace

IonSums CalcIonSums(const SpeciatedWater& w) {
    double cationEq = 0.0, anionEq = 0.0;
    double cationMass = 0.0, anionMass = 0.0, neutralMass = 0.0;
    static_assert(kSpeciesCount % 8 == 0, "species come in groups of eight");
    for (int eight = 0; eight < kSpeciesCount; eight += 8) {
        // Most of the table is absent from any one water: eight species that hold only
        // zeros (of either sign) are passed over at once.
        uint64_t bits = 0;
        for (int i = eight; i < eight + 8; ++i) bits |= std::bit_cast<uint64_t>(w.M(i)) << 1;
        if (bits == 0) continue;
        for (int i = eight; i < eight + 8; ++i) {
            const double m = w.M(i);
            if (!(m > 0.0) || !kSums.counts[i]) continue;
            const double z = w.speciesTable->charge[i];
            const double mass = m * w.speciesTable->molarMass[i] * w.massFactor;
            if (z > 0.0) {
                cationEq += m * z;
                cationMass += mass;
            } else if (z < 0.0) {
                anionEq += m * -z;
                anionMass += mass;
            } else {
                neutralMass += mass;
            }
        }
    }
    // The organic acids are carried outside the species table: the anion side takes
    // their dissociated amount (the anions' charge), the dissolved solids three
    // times the total less the dissociated amount.
    double organicAnions = 0.0, organicSolids = 0.0;
    for (int k = 0; k < 4; ++k) {
        organicAnions += w.organicAcidDissociated[k];
        organicSolids += 3.0 * w.organicAcidTotal[k] - w.organicAcidDissociated[k];
    }
    IonSums sums;
    sums.cationEquivalents = cationEq;
    sums.anionEquivalents = anionEq + organicAnions;
    sums.tds = (cationMass + anionMass + neutralMass + organicSolids) * w.resultScale;
    return sums;
}

double CationAnionRatio(const IonSums& sums) {
    if (!(sums.cationEquivalents > 0.0) || !(sums.anionEquivalents > 0.0)) return 0.0;
    return std::fabs(sums.cationEquivalents / sums.anionEquivalents);
}
