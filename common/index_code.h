// IndexCode: the code of a mineral or a scaling index. It indexes
// SaturationResults and keys graphs, treatment products and limits. A treated
// mineral has a code of its own in product records.
#pragma once

#include <cstdint>

namespace IndexCode {
enum : int {
    kCalcite = 0,
    kAragonite = 1,
    kAmorphousSilica = 2,
    kCalciumPhosphate = 3,
    kAnhydrite = 4,
    kGypsum = 5,
    kLangelier = 10,
    kRyznar = 11,
    kBrucite = 12,
    kLarsonSkold = 18,
    kStrontianite = 19,
    kFluorite = 20,
    kBarite = 21,
    kWitherite = 22,
    kIronHydroxide = 23,
    kSiderite = 24,
    kMagnesite = 25,
    kStrengite = 26,
    kPuckorius = 31,
    kHalite = 32,
    kHydroxyapatite = 36,
    kCelestite = 37,
    kOddoTomson = 42,
    kStiffDavis = 43,
    kMackinawite = 44,
    kThenardite = 45,
    kSiltDensityIndex = 46,
    kMagnesiumSilicate = 47,
    kCalciumOxalate = 62,
    kCount = 64,
};
}  // namespace IndexCode

// The untreated and treated code of each mineral that a product can treat.
struct TreatedCodePair {
    int16_t code;
    int16_t treatedCode;
};

inline constexpr TreatedCodePair kTreatedCodes[] = {
    {0, 100},  {1, 101},  {2, 114},  {3, 109},  {4, 105},  {5, 106},  {12, 112}, {19, 116},
    {20, 115}, {21, 107}, {22, 102}, {23, 113}, {24, 103}, {25, 104}, {26, 111}, {32, 119},
    {36, 110}, {37, 108}, {44, 117}, {45, 118}, {47, 121}, {62, 120},
};

// The treated code of a mineral, or -1 when the code has no treated variant.
constexpr int TreatedCodeOf(int code) {
    for (const TreatedCodePair& p : kTreatedCodes)
        if (p.code == code) return p.treatedCode;
    return -1;
}

// The mineral of a treated code, or -1 when the code is not a treated code.
constexpr int UntreatedCodeOf(int treatedCode) {
    for (const TreatedCodePair& p : kTreatedCodes)
        if (p.treatedCode == treatedCode) return p.code;
    return -1;
}
