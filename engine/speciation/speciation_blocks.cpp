// The component blocks of a speciation pass: the weak acids and bases and the
// metals with their ion pairs and complexes.
//
// Every block solves one mass balance. For a component with analytical total T and
// key species X, each partner j has a factor c_j = K_j (ligand activities, each to
// its count) (10^pH)^n / g_j, n the hydrogen ions its reaction releases; then
// m(X) = T / (1 + g(X) sum c_j), a(X) = g(X) m(X), m_j = a(X) c_j, a_j = g_j m_j.
// Iron(III) forms are written on the Fe2+ basis and carry 1 / a(e-); iron
// hydrolysis carries the water activity to the number of waters used. Blocks run
// in a fixed order and each sees the ligand activities that earlier blocks of the
// same pass left.
#include <cmath>

#include "engine/speciation/speciation_steps.h"
#include "engine/tables/power_of_ten.h"

namespace {

// Pyrophosphate (P2O7 4-, written L) complexes of calcium and magnesium, log K at
// 25 C: CaL 6.8, CaHL 12.7 with a(H), CaOHL -11.9 with a(OH), MgHL 12.58 with
// a(H), MgOHL -11.9 with a(OH). MgL takes 7.2, the zero-ionic-strength value of
// the critical compilations (Martell and Smith), which puts magnesium a little
// above calcium as for the other phosphates.
const double kCaL = Exp10(6.8);
const double kCaHL = Exp10(12.7);
const double kCaOHL = Exp10(-11.9);
const double kMgL = Exp10(7.2);
const double kMgHL = Exp10(12.58);
const double kMgOHL = Exp10(-11.9);

constexpr int kMaxPartners = 24;

struct Partner {
    int species;
    double factor;  // activity product of the partner per unit a(X), before 1 / g_j
};

struct Block {
    Partner partners[kMaxPartners];
    int count = 0;
    // Partners whose ligand the water lacks in this pass: they form nothing.
    int absent[kMaxPartners];
    int absentCount = 0;
    [[gnu::always_inline]] void Add(int species, double factor) {
        partners[count++] = {species, factor};
    }
    [[gnu::always_inline]] void Absent(int species) { absent[absentCount++] = species; }
    // Three partners of one ligand: formed with it, written nothing without it.
    template <bool kWithLigand>
    [[gnu::always_inline]] void AddThree(const int (&species)[3], const double (&factors)[3]) {
        for (int j = 0; j < 3; ++j) {
            if constexpr (kWithLigand)
                Add(species[j], factors[j]);
            else
                Absent(species[j]);
        }
    }
};

// m(X) = T / (1 + g(X) (extra + sum c_j)) and the partners from a(X). The key and
// the partners are marked as species the passes sum once they hold an amount (a
// species written 0 adds nothing to the sums).
// Inlined into each block, so that the partners' species are constants there.
[[gnu::always_inline]] inline void SolveBlock(SpeciationWork& w, int key, double total,
                                              const Block& block, double extra = 0.0) {
    SpeciesRecord* s = w.s;
    double c[kMaxPartners];
    double g[kMaxPartners];
    double sum = extra;
    // The coefficients by class, and the partners' 1 / g by class (one division per
    // class and pass instead of one per partner); species of no class have theirs in
    // their records.
    const uint8_t* classOf = w.classes.classOf;
    for (int j = 0; j < block.count; ++j) {
        const int i = block.partners[j].species;
        const uint8_t k = classOf[i];
        const bool own = k == ActivityClasses::kOwn;
        g[j] = own ? s[i].gamma : w.gammaByClass[k];
        c[j] = own ? block.partners[j].factor / s[i].gamma
                   : block.partners[j].factor * w.inverseGamma[k];
        sum += c[j];
    }
    const uint8_t keyClass = classOf[key];
    const double gX = keyClass == ActivityClasses::kOwn ? s[key].gamma : w.gammaByClass[keyClass];
    const double mX = total / (1.0 + gX * sum);
    const double aX = gX * mX;
    s[key].molality = mX;
    s[key].activity = aX;
    if (!w.summed[key] && mX != 0.0) [[unlikely]]
        MarkBlockSpecies(w, key);
    for (int j = 0; j < block.count; ++j) {
        const int i = block.partners[j].species;
        SpeciesRecord& p = s[i];
        p.molality = aX * c[j];
        if (!w.summed[i] && p.molality != 0.0) [[unlikely]]
            MarkBlockSpecies(w, i);
        p.activity = g[j] * p.molality;
    }
    // What a factor of 0 would have given them.
    for (int j = 0; j < block.absentCount; ++j) {
        s[block.absent[j]].molality = 0.0;
        s[block.absent[j]].activity = 0.0;
    }
}

// 10^(logK + count log10 a) for the complexes written in log form: 0 without the
// ligand, 1e300 once the logarithm reaches 308.
double LogFormFactor(double logK, double ligandActivity, int count) {
    if (!(ligandActivity > 0.0)) return 0.0;
    const double x = logK + count * std::log10(ligandActivity);
    if (x >= 308.0) return 1e300;
    return Exp10(x);
}

double Sq(double x) {
    return x * x;
}
double Cube(double x) {
    return x * x * x;
}

void SolveAcidBases(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double* k = w.k;
    const SpeciationState& st = w.rec.state;
    const double t = w.tenPh;
    if (st.sulfideT > 0.0) {
        Block b;
        b.Add(66, k[91] * t);              // HS-
        b.Add(67, k[91] * k[92] * t * t);  // S2-
        SolveBlock(w, Sp::kH2S, st.sulfideT, b);
    }
    if (st.silicaT > 0.0) {
        const double aw = st.waterActivity;
        Block b;
        b.Add(24, k[13] * t);      // H3SiO4-
        b.Add(25, k[14] * t * t);  // H2SiO4 2-
        // SiF6 2-: H4SiO4 + 4 H+ + 6 F- = SiF6 2- + 4 H2O.
        b.Add(124, k[201] * Sq(Cube(s[Sp::kF].activity)) * Sq(Sq(s[Sp::kH].activity)) /
                       Sq(Sq(aw)));
        SolveBlock(w, Sp::kH4SiO4, st.silicaT, b);
    }
    if (st.boronT > 0.0) {
        Block b;
        b.Add(36, k[25] * t);  // H2BO3-
        SolveBlock(w, Sp::kH3BO3, st.boronT, b);
    }
    if (st.ammoniaT > 0.0) {
        Block b;
        b.Add(37, k[26] * t);                      // NH3
        b.Add(91, k[131] * s[Sp::kSO4].activity);  // NH4SO4-
        SolveBlock(w, Sp::kNH4, st.ammoniaT, b);
    }
    if (st.po4T > 0.0) {
        // The free HPO4 comes from the phosphate balance; PO4 3- and H2PO4- follow
        // from it by reactions 15 (H+ + PO4 = HPO4) and 16 (2 H+ + PO4 = H2PO4).
        SpeciesRecord& po4 = s[Sp::kPO4];
        po4.activity = s[Sp::kHPO4].activity * t / k[15];
        po4.molality = po4.activity / po4.gamma;
        SpeciesRecord& h2po4 = s[Sp::kH2PO4];
        h2po4.activity = k[16] * po4.activity * Sq(s[Sp::kH].activity);
        h2po4.molality = h2po4.activity / h2po4.gamma;
    }
}

// Magnesium and calcium. Their phosphate and polyphosphate partners are formed only
// while the water holds the ligand: without it every factor is 0 and they are
// written nothing, and the sums of the blocks come out the same.
template <bool kPhosphate, bool kPolyphosphate>
void SolveMagnesiumCalciumWith(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double* k = w.k;
    const SpeciationState& st = w.rec.state;
    const double t = w.tenPh;
    const double aCo3 = s[Sp::kCO3].activity;
    const double aHco3 = s[Sp::kHCO3].activity;
    const double aSo4 = s[Sp::kSO4].activity;
    const double aPo4 = s[Sp::kPO4].activity;
    const double aHpo4 = s[Sp::kHPO4].activity;
    const double aH2po4 = s[Sp::kH2PO4].activity;
    const double aL = s[Sp::kPolyphosphate].activity;
    const double aH = s[Sp::kH].activity;
    const double aOH = s[Sp::kOH].activity;
    if (st.mgT > 0.0) {
        Block b;
        b.Add(18, k[24] * t);                   // MgOH+
        b.Add(20, k[73] * aCo3);                // MgCO3
        b.Add(19, k[22] * s[Sp::kF].activity);  // MgF+
        b.Add(21, k[74] * aHco3);               // MgHCO3+
        b.Add(22, k[75] * aSo4);                // MgSO4
        // MgPO4-, MgH2PO4+, MgHPO4; MgL 2-, MgHL-, MgOHL 3-.
        b.AddThree<kPhosphate>({39, 40, 72}, {k[123] * aPo4, k[124] * aH2po4, k[33] * aHpo4});
        b.AddThree<kPolyphosphate>({388, 389, 390}, {kMgL * aL, kMgHL * aL * aH, kMgOHL * aL * aOH});
        SolveBlock(w, Sp::kMg, st.mgT, b);
    }
    if (st.caT > 0.0) {
        Block b;
        b.Add(28, k[76] * t);           // CaOH+
        b.Add(30, k[78] * aCo3);        // CaCO3
        b.Add(29, k[77] * aHco3);       // CaHCO3+
        b.Add(31, k[23] * aSo4);        // CaSO4
        // CaHPO4, CaPO4-, CaH2PO4+; CaL 2-, CaHL-, CaOHL 3-.
        b.AddThree<kPhosphate>({73, 74, 75}, {k[34] * aHpo4, k[121] * aPo4, k[122] * aH2po4});
        b.AddThree<kPolyphosphate>({384, 385, 386}, {kCaL * aL, kCaHL * aL * aH, kCaOHL * aL * aOH});
        SolveBlock(w, Sp::kCa, st.caT, b);
    }
}

void SolveMagnesiumCalcium(SpeciationWork& w) {
    const SpeciesRecord* s = w.s;
    const bool phosphate = s[Sp::kPO4].activity != 0.0 || s[Sp::kHPO4].activity != 0.0 ||
                           s[Sp::kH2PO4].activity != 0.0;
    const bool polyphosphate = s[Sp::kPolyphosphate].activity != 0.0;
    if (phosphate) {
        if (polyphosphate)
            SolveMagnesiumCalciumWith<true, true>(w);
        else
            SolveMagnesiumCalciumWith<true, false>(w);
    } else if (polyphosphate) {
        SolveMagnesiumCalciumWith<false, true>(w);
    } else {
        SolveMagnesiumCalciumWith<false, false>(w);
    }
}

void SolveAlkaliMetals(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double* k = w.k;
    const SpeciationState& st = w.rec.state;
    const double aCo3 = s[Sp::kCO3].activity;
    const double aSo4 = s[Sp::kSO4].activity;
    const double aCl = s[Sp::kCl].activity;
    const double aHpo4 = s[Sp::kHPO4].activity;
    if (st.naT > 0.0) {
        // The two-sodium species take the sodium activity of the previous pass.
        const double aNa = s[Sp::kNa].activity;
        Block b;
        b.Add(42, k[70] * s[Sp::kHCO3].activity);  // NaHCO3
        b.Add(41, k[69] * aCo3);                   // NaCO3-
        b.Add(48, k[69] * aCo3 * aNa);             // Na2CO3
        b.Add(68, k[148] * aSo4 * aNa);            // Na2SO4
        b.Add(43, k[71] * aSo4);                   // NaSO4-
        b.Add(93, k[133] * aCl);                   // NaCl
        b.Add(49, k[30] * aHpo4);                  // NaHPO4-
        SolveBlock(w, Sp::kNa, st.naT, b);
    }
    if (st.kT > 0.0) {
        Block b;
        b.Add(60, k[32] * aHpo4);  // KHPO4-
        b.Add(45, k[72] * aSo4);   // KSO4-
        b.Add(94, k[134] * aCl);   // KCl
        SolveBlock(w, Sp::kK, st.kT, b);
        s[96].molality *= s[Sp::kK].activity;
        s[96].activity = s[96].gamma * s[96].molality;
    }
}

void SolveAluminiumIron(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double* k = w.k;
    const SpeciationState& st = w.rec.state;
    const double t = w.tenPh;
    const double aF = s[Sp::kF].activity;
    const double aSo4 = s[Sp::kSO4].activity;
    const double aCl = s[Sp::kCl].activity;
    if (st.alT > 0.0) {
        // Reaction 82 is Al3+ + 4 H2O = Al(OH)4- + 4 H+: over Kw^4 it forms the
        // complex from a(OH)^4.
        Block b;
        b.Add(51, k[80] * t);                                            // AlOH 2+
        b.Add(52, k[81] * t * t);                                        // Al(OH)2+
        b.Add(53, LogFormFactor(w.logs.alOH4, s[Sp::kOH].activity, 4));  // Al(OH)4-
        b.Add(54, k[83] * aF);                                           // AlF 2+
        b.Add(55, k[84] * aF * aF);                                      // AlF2+
        b.Add(56, LogFormFactor(w.logs.alF3, aF, 3));                    // AlF3
        b.Add(57, LogFormFactor(w.logs.alF4, aF, 4));                    // AlF4-
        b.Add(58, k[87] * aSo4);                                         // AlSO4+
        b.Add(59, LogFormFactor(w.logs.alSulfate2, aSo4, 2));            // Al(SO4)2-
        SolveBlock(w, Sp::kAl, st.alT, b);
    }
    if (st.feT > 0.0) {
        const double aw = st.waterActivity;
        const double perE = 1.0 / st.electronActivity;  // iron(III) forms
        const double aHpo4 = s[Sp::kHPO4].activity;
        const double aH2po4 = s[Sp::kH2PO4].activity;
        Block b;
        b.Add(8, k[0] * perE);                                  // Fe3+
        b.Add(9, k[1] * aw * t * perE);                         // FeOH 2+
        b.Add(10, k[2] * aw * t);                               // FeOH+
        b.Add(11, k[3] * Cube(aw) * Cube(t));                   // Fe(OH)3-
        b.Add(12, k[139] * aHpo4 * perE);                       // FeHPO4+
        b.Add(14, k[4] * aSo4 * perE);                          // FeSO4+
        b.Add(15, k[5] * aCl * perE);                           // FeCl 2+
        b.Add(27, k[6] * aCl * aCl * perE);                     // FeCl2+
        b.Add(32, LogFormFactor(w.logs.feCl3, aCl, 3) * perE);  // FeCl3
        b.Add(33, k[8] * aSo4);                                 // FeSO4
        b.Add(64, k[120] * aH2po4);                             // FeH2PO4+
        b.Add(76, k[102] * Sq(aw) * t * t * perE);              // Fe(OH)2+
        b.Add(79, k[105] * Sq(aw) * t * t);                     // Fe(OH)2
        b.Add(77, k[103] * Cube(aw) * Cube(t) * perE);          // Fe(OH)3
        b.Add(78, k[104] * Sq(Sq(aw)) * Sq(t * t) * perE);      // Fe(OH)4-
        b.Add(98, k[156] * aH2po4 * perE);                      // FeH2PO4 2+
        b.Add(99, k[138] * aHpo4);                              // FeHPO4
        SolveBlock(w, Sp::kFe, st.feT, b);
    }
}

void SolveTraceMetals(SpeciationWork& w) {
    SpeciesRecord* s = w.s;
    const double* k = w.k;
    SpeciationState& st = w.rec.state;
    const double t = w.tenPh;
    const double aSo4 = s[Sp::kSO4].activity;
    const double aOH = s[Sp::kOH].activity;
    {
        Block b;
        b.Add(82, k[126] * aSo4);  // LiSO4-
        b.Add(81, k[125] * aOH);   // LiOH
        SolveBlock(w, Sp::kLi, st.liT, b);
    }
    {
        Block b;
        b.Add(88, k[129] * t);  // SrOH+
        SolveBlock(w, Sp::kSr, st.srT, b);
    }
    if (st.baT > 0.0) {
        // The bicarbonate, carbonate and sulfate pairs of barium are formed first
        // from the free barium of the previous pass, with the coefficients of the
        // calcium pairs, and enter the factor sum as amounts.
        const double aBa = s[Sp::kBa].activity;
        st.bariumBicarbonate =
            w.in.bariumBicarbonatePairK * aBa * s[Sp::kHCO3].activity / s[Sp::kCaHCO3].gamma;
        st.bariumCarbonate =
            w.in.bariumCarbonatePairK * aBa * s[Sp::kCO3].activity / s[Sp::kCaCO3].gamma;
        st.bariumSulfate = w.in.bariumSulfatePairK * aBa * aSo4 / s[Sp::kCaSO4].gamma;
        Block b;
        b.Add(90, k[130] * aOH);  // BaOH+
        SolveBlock(w, Sp::kBa, st.baT, b,
                   st.bariumBicarbonate + st.bariumCarbonate + st.bariumSulfate);
    } else {
        st.bariumBicarbonate = st.bariumCarbonate = st.bariumSulfate = 0.0;
    }
    if (st.znT > 0.0) {
        const double aCl = s[Sp::kCl].activity;
        const double aF = s[Sp::kF].activity;
        const double aHS = s[Sp::kHS].activity;
        const double aBr = s[Sp::kBr].activity;
        const double aHco3 = s[Sp::kHCO3].activity;
        const double aCo3 = s[Sp::kCO3].activity;
        const double aI = 0.0;  // iodide is not an input
        Block b;
        b.Add(146, k[251] * aCl);            // ZnCl+
        b.Add(147, k[252] * aCl * aCl);      // ZnCl2
        b.Add(148, k[253] * Cube(aCl));      // ZnCl3-
        b.Add(149, k[254] * Sq(aCl * aCl));  // ZnCl4 2-
        b.Add(150, k[255] * aF);             // ZnF+
        b.Add(151, k[256] * t);              // ZnOH+
        b.Add(152, k[257] * t * t);          // Zn(OH)2
        b.Add(153, k[258] * Cube(t));        // Zn(OH)3-
        b.Add(154, k[259] * Sq(t * t));      // Zn(OH)4 2-
        b.Add(155, k[260] * aCl * t);        // ZnOHCl
        b.Add(156, k[261] * aHS * aHS);      // Zn(HS)2
        b.Add(157, k[262] * Cube(aHS));      // Zn(HS)3-
        b.Add(158, k[263] * aSo4);           // ZnSO4
        b.Add(159, k[264] * aSo4 * aSo4);    // Zn(SO4)2 2-
        b.Add(229, k[447] * aBr);            // ZnBr+
        b.Add(230, k[448] * aBr * aBr);      // ZnBr2
        b.Add(231, k[449] * aI);             // ZnI+
        b.Add(232, k[450] * aI * aI);        // ZnI2
        b.Add(272, k[511] * aHco3);          // ZnHCO3+
        b.Add(273, k[512] * aCo3);           // ZnCO3
        b.Add(274, k[513] * aCo3 * aCo3);    // Zn(CO3)2 2-
        SolveBlock(w, Sp::kZn, st.znT, b);
    }
}

}  // namespace

void SolveComponentBlocks(SpeciationWork& w) {
    SolveAcidBases(w);
    SolveMagnesiumCalcium(w);
    SolveAlkaliMetals(w);
    SolveAluminiumIron(w);
    SolveTraceMetals(w);
}
