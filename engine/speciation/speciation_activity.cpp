// Ionic strength, water activity and activity coefficients of one pass.
//
// The major ions take Truesdell-Jones coefficients (extended Debye-Hückel with a
// linear term in I, Truesdell and Jones 1974); every other charged species takes
// the extended Debye-Hückel term with its ion size a, which is the limiting law
// when a is 0. Neutral species take 10^(0.1 I), held at 1.0 at most, which is
// 1.0 for any non-negative ionic strength.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

// Records that do not count in the molality sum and the ionic strength: the
// sulfide total (16), the silica and boron totals (34, 86), the hydrogen ion and
// the rows 64, 65, 69, 70, 71, 83.
constexpr bool ExcludedFromSums(int i) {
    switch (i) {
        case 16:
        case 34:
        case 63:
        case 64:
        case 65:
        case 69:
        case 70:
        case 71:
        case 83:
        case 86:
            return true;
        default:
            return false;
    }
}

// The sums' mask as bit patterns: all ones keeps a molality as it is, zero turns
// it into +0.0, which adds nothing.
struct SumMask {
    uint64_t bits[kSpeciesCount];
    constexpr SumMask() : bits{} {
        for (int i = 0; i < kSpeciesCount; ++i) bits[i] = ExcludedFromSums(i) ? 0 : ~uint64_t{0};
    }
};
constexpr SumMask kSumMask;

// Truesdell-Jones parameters of Ca, Mg, Na, K, Cl (which takes those of K) and SO4:
// charge squared, ion size a and the linear coefficient b of log g = DH + b I.
struct TruesdellJones {
    double zSquared;
    double ionSize;
    double linear;
};
constexpr TruesdellJones kMajorIons[6] = {
    {4.0, 5.0, 0.165},  // Ca2+
    {4.0, 5.5, 0.20},   // Mg2+
    {1.0, 4.0, 0.075},  // Na+
    {1.0, 3.5, 0.015},  // K+
    {1.0, 3.5, 0.015},  // Cl-: the coefficient of K+
    {4.0, 5.0, -0.04},  // SO4 2-
};

}  // namespace

namespace {

inline double Coefficient(double x) {
    if (x >= 300.0) return 1e300;  // the bound, exactly
    if (x < -300.0) x = -300.0;
    const double g = Exp10(x);
    return g < 0.01 ? 0.01 : g;
}

}  // namespace

double CoefficientFromLog(double x) {
    return Coefficient(x);
}

double DebyeHuckelLog(double a, double b, double z, double ionSize, double sqrtI) {
    return -a * z * z * sqrtI / (1.0 + ionSize * b * sqrtI);
}

namespace {

// Species whose molality a pass writes outside the component blocks: the water
// ions, the acid species of sulfate and chloride, the carbonate species, the
// phosphate species that follow the free HPO4, the potassium pair 96 and the free
// ligands the balances relax. The blocks mark what they write as they go.
struct OutsideBlocks {
    bool bit[kSpeciesCount];
    constexpr OutsideBlocks() : bit{} {
        constexpr int kWritten[] = {26, 63, 62, 92, 95, 6, 17, 85,  // water, acids, carbonate
                                    44, 47, 96,                     // PO4, H2PO4, K pair
                                    5,  61, 46, 4,  379};           // free ligands
        for (int i : kWritten) bit[i] = true;
    }
};
constexpr OutsideBlocks kOutsideBlocks;

// The species written outside the blocks and every species a block has formed in
// this process.
OutsideBlocks passWritten = kOutsideBlocks;

// The hydrogen ion fills short columns of the list: the sums leave it out.
constexpr int16_t kFiller = 63;
static_assert(ExcludedFromSums(kFiller));

}  // namespace

bool PassWritesSpecies(int i) {
    return i >= 0 && i < kSpeciesCount && passWritten.bit[i];
}

void BeginPassSpecies(SpeciationWork& w) {
    std::memcpy(w.summed, passWritten.bit, sizeof w.summed);
    w.summedChanged = true;
}

void MarkBlockSpecies(SpeciationWork& w, int i) {
    w.summed[i] = true;
    passWritten.bit[i] = true;
    if (!w.summedChanged) AddPassSpecies(w.present, w.rec.table, i);
}

namespace {

// Writes species k, with its charge and sums mask, at row `row` of `column`.
void PutPassSpecies(PassSpecies& list, const SpeciesTable& table, int row, int column, int k) {
    list.index[row][column] = static_cast<int16_t>(k);
    list.charge[row][column] = table.charge[k];
    list.sumMask[row][column] = kSumMask.bits[k];
}

}  // namespace

void ListPassSpecies(const SpeciesRecord* s, const bool* summed, const SpeciesTable& table,
                     PassSpecies& list) {
    // Every species is written at its column's next row, which moves on only for a
    // listed one: no branch on the amounts of a group that lists any. A group of four
    // that holds nothing (no amount but a signed zero) and that no pass writes adds no
    // row: most of the table is absent from any one water.
    int count[4] = {0, 0, 0, 0};
    for (int i = 0; i < kSpeciesCount; i += 4) {
        uint64_t any = 0;
        for (int column = 0; column < 4; ++column)
            any |= (std::bit_cast<uint64_t>(s[i + column].molality) << 1) | summed[i + column];
        if (any == 0) continue;
        for (int column = 0; column < 4; ++column) {
            const int k = i + column;
            PutPassSpecies(list, table, count[column], column, k);
            count[column] += (s[k].molality != 0.0) | summed[k];
        }
    }
    list.length = std::max(std::max(count[0], count[1]), std::max(count[2], count[3]));
    for (int column = 0; column < 4; ++column) {
        list.count[column] = count[column];
        for (int row = count[column]; row < list.length; ++row)
            PutPassSpecies(list, table, row, column, kFiller);
    }
}

void AddPassSpecies(PassSpecies& list, const SpeciesTable& table, int i) {
    // The sums then add the species where a new list would have it, in the same order.
    const int column = i % 4;
    int& count = list.count[column];
    int row = 0;
    while (row < count && list.index[row][column] < i) ++row;
    if (row < count && list.index[row][column] == i) return;
    for (int r = count; r > row; --r) {
        list.index[r][column] = list.index[r - 1][column];
        list.charge[r][column] = list.charge[r - 1][column];
        list.sumMask[r][column] = list.sumMask[r - 1][column];
    }
    PutPassSpecies(list, table, row, column, i);
    ++count;
    if (count > list.length) {
        for (int other = 0; other < 4; ++other)
            if (other != column) PutPassSpecies(list, table, list.length, other, kFiller);
        list.length = count;
    }
}

void SumSpecies(SpeciesRecord* s, const PassSpecies& list, double& molalSum,
                double& ionicStrength) {
    // Four running sums each, species i in sum i mod 4 in table order, so that the
    // additions do not wait on one another. A species off the list holds nothing
    // and would add exactly nothing; so does the filler.
    double sum[4] = {0.0, 0.0, 0.0, 0.0};
    double strength[4] = {0.0, 0.0, 0.0, 0.0};
    for (int row = 0; row < list.length; ++row) {
        for (int j = 0; j < 4; ++j) {
            double& m = s[list.index[row][j]].molality;
            if (m < 0.0) [[unlikely]]
                m = 0.0;
            const double counted =
                std::bit_cast<double>(std::bit_cast<uint64_t>(m) & list.sumMask[row][j]);
            const double z = list.charge[row][j];
            sum[j] += counted;
            strength[j] += counted * z * z;
        }
    }
    molalSum = (sum[0] + sum[1]) + (sum[2] + sum[3]);
    ionicStrength = 0.5 * ((strength[0] + strength[1]) + (strength[2] + strength[3]));
}

void BuildActivityClasses(const SpeciesTable& table, ActivityClasses& classes) {
    classes.count = 0;
    classes.ownCount = 0;
    classes.groupedCount = 0;
    classes.neutralCount = 0;
    // The first six species take their Truesdell-Jones coefficients and belong to
    // no class.
    for (int i = 0; i < 6; ++i) classes.classOf[i] = ActivityClasses::kOwn;
    for (int i = 6; i < kSpeciesCount; ++i) {
        const double z = table.charge[i];
        if (z == 0.0) {
            classes.classOf[i] = ActivityClasses::kNeutral;
            classes.neutral[classes.neutralCount++] = static_cast<int16_t>(i);
            continue;
        }
        const double zSquared = z * z;
        const double size = table.ionSize[i];
        int found = -1;
        for (int c = 0; c < classes.count; ++c) {
            if (classes.zSquared[c] == zSquared && classes.ionSize[c] == size) {
                found = c;
                break;
            }
        }
        if (found < 0 && classes.count < ActivityClasses::kMaxClasses) {
            found = classes.count++;
            classes.zSquared[found] = zSquared;
            classes.ionSize[found] = size;
        }
        if (found < 0) {
            classes.classOf[i] = ActivityClasses::kOwn;
            classes.own[classes.ownCount++] = static_cast<int16_t>(i);
        } else {
            classes.classOf[i] = static_cast<uint8_t>(found);
            ++classes.groupedCount;
        }
    }
    // The grouped species class by class.
    int at = 0;
    for (int c = 0; c < classes.count; ++c) {
        for (int i = 6; i < kSpeciesCount; ++i) {
            if (classes.classOf[i] != c) continue;
            classes.groupedClass[at] = static_cast<uint8_t>(c);
            classes.grouped[at++] = static_cast<int16_t>(i);
        }
    }
    classes.sizeCount = 0;
    for (int c = 0; c < classes.count; ++c) {
        const double zz = classes.zSquared[c];
        if (!(zz == 1.0 || zz == 4.0 || zz == 9.0 || zz == 16.0)) {
            classes.sizeCount = 0;
            break;
        }
        int found = -1;
        for (int k = 0; k < classes.sizeCount; ++k)
            if (classes.size[k] == classes.ionSize[c]) found = k;
        if (found < 0) {
            if (classes.sizeCount == ActivityClasses::kMaxSizes) {
                classes.sizeCount = 0;
                break;
            }
            found = classes.sizeCount++;
            classes.size[found] = classes.ionSize[c];
        }
        classes.sizeOf[c] = static_cast<uint8_t>(found);
        classes.chargeOf[c] = static_cast<uint8_t>(std::lround(std::sqrt(zz)) - 1);
    }
}

const ActivityClasses& ActivityClassesOf(const SpeciesTable& table) {
    // The charges and ion sizes the kept classes were built from; when they were last
    // found to be those of the engine's own table, its generation then (the engine's
    // table is compared only after a writer raised it, any other table every time).
    static double charge[kSpeciesCount];
    static double ionSize[kSpeciesCount];
    static ActivityClasses classes;
    static bool built = false;
    static bool ofEngineTable = false;
    static uint32_t generation = 0;
    const bool engineTable = &table == &speciesTable;
    if (built && engineTable && ofEngineTable && generation == thermoTablesGeneration)
        return classes;
    if (!built || std::memcmp(charge, table.charge, sizeof charge) != 0 ||
        std::memcmp(ionSize, table.ionSize, sizeof ionSize) != 0) {
        std::memcpy(charge, table.charge, sizeof charge);
        std::memcpy(ionSize, table.ionSize, sizeof ionSize);
        BuildActivityClasses(table, classes);
        built = true;
    }
    ofEngineTable = engineTable;
    generation = thermoTablesGeneration;
    return classes;
}

void WriteGroupedCoefficients(const ActivityClasses& classes, const double* byClass,
                              SpeciesRecord* s) {
    for (int k = 0; k < classes.groupedCount; ++k)
        s[classes.grouped[k]].gamma = byClass[classes.groupedClass[k]];
}

// Species of a class whose coefficients a pass reads outside the component blocks:
// bicarbonate, carbonate, hydroxide, calcium bicarbonate (the barium pairs),
// phosphate, hydrogen phosphate, dihydrogen phosphate, fluoride, bisulfate, the
// hydrogen ion, nitrate, bromide and polyphosphate.
constexpr int kReadOutsideBlocks[] = {6, 17, 26, 29, 44, 46, 47, 61, 62, 63, 84, 97, 379};

void ApplyActivityCoefficients(double a, double b, double ionicStrength, double sqrtI,
                               const SpeciesTable& table, const ActivityClasses& classes,
                               SpeciesRecord* s, NeutralCoefficient& held, double* inverse,
                               double* byClassOut, bool blocksByClass) {
    // The exponents first, then their powers: independent work side by side.
    constexpr int kMajor[5] = {Sp::kCa, Sp::kMg, Sp::kNa, Sp::kK, Sp::kSO4};
    double majorLog[5];
    for (int k = 0; k < 5; ++k) {
        const TruesdellJones& tj = kMajorIons[kMajor[k]];
        const double dh = -a * tj.zSquared * sqrtI / (1.0 + tj.ionSize * b * sqrtI);
        majorLog[k] = dh + tj.linear * ionicStrength;
    }
    for (int k = 0; k < 5; ++k) s[kMajor[k]].gamma = Coefficient(majorLog[k]);
    s[Sp::kCl].gamma = s[Sp::kK].gamma;  // the same parameters give the same value

    // One coefficient per class, looked up by the species' class index. With the
    // charges 1 to 4, one power of ten per ion size: 10^(z^2 x) is (10^x)^(z^2),
    // taken by products for the four charges of each size, and the floor of 0.01
    // applied to each class.
    double byClass[ActivityClasses::kMaxClasses];
    if (classes.sizeCount > 0) {
        double unit[ActivityClasses::kMaxSizes];
        for (int k = 0; k < classes.sizeCount; ++k)
            unit[k] = std::max(-a * sqrtI / (1.0 + classes.size[k] * b * sqrtI), -300.0);
        for (int k = 0; k < classes.sizeCount; ++k) unit[k] = Exp10(unit[k]);
        double power[ActivityClasses::kMaxSizes][4];  // z = 1, 2, 3, 4
        for (int k = 0; k < classes.sizeCount; ++k) {
            const double g1 = unit[k];
            const double g4 = (g1 * g1) * (g1 * g1);
            const double g8 = g4 * g4;
            power[k][0] = g1;
            power[k][1] = g4;
            power[k][2] = g8 * g1;
            power[k][3] = g8 * g8;
        }
        for (int c = 0; c < classes.count; ++c) {
            const double g = power[classes.sizeOf[c]][classes.chargeOf[c]];
            byClass[c] = g < 0.01 ? 0.01 : g;
        }
    } else {
        for (int c = 0; c < classes.count; ++c) {
            byClass[c] = Coefficient(-a * classes.zSquared[c] * sqrtI /
                                     (1.0 + classes.ionSize[c] * b * sqrtI));
        }
    }
    // 10^(0.1 I), held at 1.0 at most: exactly 1.0 for any ionic strength from 0 on,
    // so the power is taken only for a negative one.
    double neutral = 1.0;
    if (!(ionicStrength >= 0.0)) {
        neutral = CoefficientFromLog(0.1 * ionicStrength);
        if (neutral > 1.0) neutral = 1.0;
    }
    if (!held.written || std::bit_cast<uint64_t>(neutral) != std::bit_cast<uint64_t>(held.value)) {
        for (int k = 0; k < classes.neutralCount; ++k) s[classes.neutral[k]].gamma = neutral;
        held.written = true;
        held.value = neutral;
    }

    if (!blocksByClass) {
        WriteGroupedCoefficients(classes, byClass, s);
    } else {
        for (int i : kReadOutsideBlocks) {
            const uint8_t c = classes.classOf[i];
            if (c < ActivityClasses::kMaxClasses) s[i].gamma = byClass[c];
        }
    }
    if (byClassOut != nullptr) {
        for (int c = 0; c < classes.count; ++c) byClassOut[c] = byClass[c];
        byClassOut[ActivityClasses::kNeutral] = neutral;
    }
    if (inverse != nullptr) {
        for (int c = 0; c < classes.count; ++c) inverse[c] = 1.0 / byClass[c];
        inverse[ActivityClasses::kNeutral] = 1.0 / neutral;
    }
    for (int k = 0; k < classes.ownCount; ++k) {
        const int i = classes.own[k];
        s[i].gamma =
            CoefficientFromLog(DebyeHuckelLog(a, b, table.charge[i], table.ionSize[i], sqrtI));
    }
}
