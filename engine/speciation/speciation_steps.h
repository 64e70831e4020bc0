// The steps of the speciation (engine/speciation.h) and the working values one
// call of it shares between them. Internal to the engine.
#pragma once

#include <cstdint>

#include "engine/speciation/speciation.h"

// Species of the species table that the speciation addresses by index.
namespace Sp {
enum : int {
    kCa = 0,
    kMg = 1,
    kNa = 2,
    kK = 3,
    kCl = 4,
    kSO4 = 5,
    kHCO3 = 6,
    kFe = 7,
    kFe3 = 8,
    kH2S = 13,
    kSulfideTotal = 16,
    kCO3 = 17,
    kH4SiO4 = 23,
    kH3SiO4 = 24,
    kH2SiO4 = 25,
    kOH = 26,
    kCaHCO3 = 29,
    kCaCO3 = 30,
    kCaSO4 = 31,
    kSilicaTotal = 34,
    kH3BO3 = 35,
    kH2BO3 = 36,
    kNH3 = 37,
    kNH4 = 38,
    kPO4 = 44,
    kHPO4 = 46,
    kH2PO4 = 47,
    kAl = 50,
    kAlOH4 = 53,
    kF = 61,
    kHSO4 = 62,
    kH = 63,
    kHS = 66,
    kS2 = 67,
    kLi = 80,
    kLiOH = 81,
    kNO3 = 84,
    kCO2 = 85,
    kBoronTotal = 86,
    kSr = 87,
    kBa = 89,
    kHCl = 92,
    kH2SO4 = 95,
    kBr = 97,
    kZn = 145,
    kPolyphosphate = 379,
};
}  // namespace Sp

// Species of equal charge magnitude and ion size share one extended
// Debye-Hückel coefficient; grouping them lets a pass take one power of ten per
// group instead of one per species.
struct ActivityClasses {
    static constexpr int kMaxClasses = 64;
    static constexpr int kMaxSizes = 16;
    static constexpr uint8_t kNeutral = 0xFF;  // neutral species: coefficient rule of I
    static constexpr uint8_t kOwn = 0xFE;      // the six Truesdell-Jones ions, or too many groups
    int count;
    double zSquared[kMaxClasses];
    double ionSize[kMaxClasses];
    // The classes' coefficients as powers of the coefficient of a unit charge of
    // the same ion size: for every class whose charge is 1 to 4, the size it takes
    // and its charge magnitude less one; sizeCount 0 when the classes do not allow it.
    int sizeCount;
    double size[kMaxSizes];
    uint8_t sizeOf[kMaxClasses];
    uint8_t chargeOf[kMaxClasses];
    uint8_t classOf[kSpeciesCount];  // used for species 6 and up
    int ownCount;                    // species computed on their own, kOwn
    int16_t own[kSpeciesCount];
    // Species 6 and up: the charged ones that belong to a class, class by class (each
    // class in table order) with the class of each, and the neutral ones in table order.
    int groupedCount;
    int16_t grouped[kSpeciesCount];
    uint8_t groupedClass[kSpeciesCount];
    int neutralCount;
    int16_t neutral[kSpeciesCount];
};

// The coefficient the neutral species were last given within one speciation. No
// other step writes their coefficients, so while the rule of I gives the same value
// (1.0 for any ionic strength from 0 on) the records already hold it.
struct NeutralCoefficient {
    bool written = false;
    double value = 0.0;
};

// The species a speciation's passes sum: those that hold an amount when the
// passes begin and those a pass writes, in table order, species i in column
// i mod 4. Shorter columns are filled up with the hydrogen ion, which the sums
// leave out.
static_assert(kSpeciesCount % 4 == 0, "species come in groups of four");
struct PassSpecies {
    int length;                           // rows in use
    int count[4];                         // species listed in each column
    int16_t index[kSpeciesCount / 4][4];  // [row][column]
    // Of each entry: the charge of its species and the mask of the sums (all ones
    // where the species counts in them, 0 where it does not and for the fillers).
    double charge[kSpeciesCount / 4][4];
    uint64_t sumMask[kSpeciesCount / 4][4];
    // The entries are written by ListPassSpecies before any is read.
    PassSpecies() {}
};
// Logarithms of constants that the passes read, taken once per speciation.
struct ConstantLogs {
    double sulfateSulfide;  // log10 K of the sulfate-sulfide couple, 0 if not positive
    double oxygen;          // log10 K of the oxygen electrode, 0 if not positive
    double temperatureK;    // log10 T
    double alOH4;           // log10 K82 - 4 log10 Kw: Al(OH)4- from a(OH)^4
    double alF3;            // log10 K85
    double alF4;            // log10 K86
    double alSulfate2;      // log10 K88
    double feCl3;           // log10 K7
    double sulfuricAcid;    // 10^(log K135): H2SO4 from a(SO4) a(H)^2
};

// What the redox level of a pass is taken from, as the pass met it: the pH and the
// activities of sulfate and hydrogen sulfide before the blocks of that pass.
struct RedoxInputs {
    double ph;
    double sulfateActivity;
    double sulfideActivity;
};

// What a pass holds of the water's carbonate while it speciates.
enum class CarbonateHold {
    // The closure of a water's own calculation (its reference pass), or, in a
    // pass at changed conditions without given species, the free-carbonate
    // estimate that the reference pass left.
    kReferenceEstimate,
    // Given species: their total carbonate, dissolved CO2 included, which the
    // pH splits (a closed system; the CO2 follows the pH in every pass).
    kTotalCarbonate,
    // Given species under a CO2 partial pressure, or in an open carbonate
    // model: their carbonate alkalinity, the dissolved CO2 as given (the gas
    // changes no alkalinity).
    kAlkalinity,
};

// Working values of one call. The lists and the coefficients by class are written
// before the passes read them (BeginPassSpecies, ListPassSpecies, the coefficients
// of the first pass), so they are not cleared first.
struct SpeciationWork {
    SpeciationWork(const SpeciationInputs& inputs, SpeciationRecords& records,
                   const ActivityClasses& activityClasses)
        : in(inputs),
          rec(records),
          s(records.species),
          k(records.reactionK),
          ph(0.0),
          tenPh(1.0),
          kw(records.reactionK[152]),
          classes(activityClasses),
          notConverged(false),
          summedChanged(true),
          logs{},
          redox{} {}

    const SpeciationInputs& in;
    SpeciationRecords& rec;
    SpeciesRecord* s;  // rec.species
    const double* k;   // rec.reactionK
    double ph;
    double tenPh;  // 10^pH, taken by TakeTenPh only
    // The pH tenPh was taken at, once it has been taken: a pass whose pH has not
    // moved keeps the power it already holds, the same double.
    bool tenPhTaken = false;
    double tenPhOf = 0.0;
    double kw;  // ion product of water
    const ActivityClasses& classes;
    NeutralCoefficient neutral;
    bool notConverged;
    // How a what-if pass on given carbonate species holds the water's carbonate
    // (CarbonateHold): set before the first pass.
    CarbonateHold carbonateHold = CarbonateHold::kReferenceEstimate;
    // A water's own calculation that was given no dissolved CO2: its CO2 is the
    // one its free bicarbonate holds at its pH, taken again in every pass as the
    // pairs form (set before the first pass).
    bool co2FollowsPh = false;
    // The dissolved CO2 that the total-carbonate target counts, as last added.
    double co2InTarget = 0.0;
    // A pass whose pH the CO2 partial pressure sets (a what-if pass under gas,
    // or a reference pass given a pCO2 and no pH): the pH is the one that the
    // held CO2 and the free bicarbonate give, taken again as the pairs form (set
    // before the first pass).
    bool phFollowsGas = false;
    PassSpecies present;         // the species the passes sum
    bool summed[kSpeciesCount];  // species a pass writes, as far as known
    bool summedChanged;          // present is to be listed again
    ConstantLogs logs;
    RedoxInputs redox;  // of the latest pass
    // 1 / g of the classes and of the neutral species in this pass, by class index
    // (ActivityClasses::classOf); the species of no class divide by their own g.
    double inverseGamma[256];
    // g of the classes and of the neutral species in this pass, by class index. The
    // blocks take the coefficients of their species from here (or from the record,
    // for the species of no class).
    double gammaByClass[256];
};

// --- Activity (speciation_activity.cpp) ---

// Limits an exponent to +-300 and takes the coefficient 10^x, never below 0.01.
[[nodiscard]] double CoefficientFromLog(double x);
// The extended Debye-Hückel term log10 g = -A z^2 sqrtI / (1 + a B sqrtI); with
// ion size 0 it is the limiting law.
[[nodiscard]] double DebyeHuckelLog(double a, double b, double z, double ionSize, double sqrtI);
// Whether a pass writes the molality of species i outside the component blocks,
// or a block has formed it in this process.
[[nodiscard]] bool PassWritesSpecies(int i);
// Before the first pass: the species written outside the blocks are summed, and so
// are those a block has formed before in this process (a species that holds nothing
// adds exactly nothing to the sums, and listing it now spares inserting it when a
// block forms it again).
void BeginPassSpecies(SpeciationWork& w);
// A block writes species i, not summed until now: it joins the list, unless the
// list is to be made again anyway.
void MarkBlockSpecies(SpeciationWork& w, int i);
// The list of the species to sum: those that hold an amount and those marked in
// `summed` (written by a pass).
void ListPassSpecies(const SpeciesRecord* s, const bool* summed, const SpeciesTable& table,
                     PassSpecies& list);
// Puts species i into the list at its place in table order, unless it is listed.
void AddPassSpecies(PassSpecies& list, const SpeciesTable& table, int i);
// Sets every negative molality of the listed species to 0, then sums the
// molalities and the ionic strength over those that count in them. Species off the
// list hold nothing (ListPassSpecies when the passes began).
void SumSpecies(SpeciesRecord* s, const PassSpecies& list, double& molalSum,
                double& ionicStrength);
void BuildActivityClasses(const SpeciesTable& table, ActivityClasses& classes);
// The classes of the table, built once and kept while its charges and ion sizes
// stay the same.
[[nodiscard]] const ActivityClasses& ActivityClassesOf(const SpeciesTable& table);
// Activity coefficients of every species at the ionic strength I. The neutral
// species are written only when their coefficient differs from `neutral`, the value
// they were last given in the same records.
// When `inverse` is given, it receives 1 / g of every class by class index, and of
// the neutral species at ActivityClasses::kNeutral; `byClass` receives g itself,
// the same way.
// With `blocksByClass`, of the species of a class only those whose coefficient a
// pass reads outside the component blocks are written (the water ions, the
// carbonate and acid species, the free ligands and calcium bicarbonate, whose
// coefficient the barium pairs take): the blocks read byClass, and the records of
// the others take theirs after the passes (WriteGroupedCoefficients).
void ApplyActivityCoefficients(double a, double b, double ionicStrength, double sqrtI,
                               const SpeciesTable& table, const ActivityClasses& classes,
                               SpeciesRecord* s, NeutralCoefficient& neutral,
                               double* inverse = nullptr, double* byClass = nullptr,
                               bool blocksByClass = false);
// The coefficients of every species of a class, from the classes' coefficients.
void WriteGroupedCoefficients(const ActivityClasses& classes, const double* byClass,
                              SpeciesRecord* s);

// --- pH before the iteration (speciation_ph.cpp) ---

[[nodiscard]] double MethodZeroPh(const SpeciationInputs& in, const SpeciesRecord* s,
                                  const double* reactionK);
[[nodiscard]] double ProductionSystemPh(const SpeciationInputs& in, const SpeciesRecord* s,
                                        double ionicStrength, double sqrtI);
// pH predicted by phPredictionMethod from what the analysis gives; the curves
// read `totalAlkalinity` in their own unit, mg/L as CaCO3.
[[nodiscard]] double PredictPh(const SpeciationInputs& in, const SpeciesRecord* s,
                               const double* reactionK, double totalAlkalinity);
// pH solved from the carbonate acidity and alkalinity of the solve inputs,
// beginning at currentPh (the method-0 pH when currentPh is not positive).
[[nodiscard]] double CarbonateSolvePh(const SpeciationInputs& in, const SpeciesRecord* s,
                                      const double* reactionK, double alkalinityElement,
                                      double currentPh);
// Settles the pH before the first pass and writes it to the analysis when it was
// computed.
[[nodiscard]] double SettleStartingPh(const SpeciationInputs& in, SpeciationRecords& rec,
                                      double waterActivity);
// The two pH-linear constants (reactions 157 and 158) at the settled pH.
void SetPhLinearConstants(double ph, double temperatureK, const ReactionTable& reactions,
                          double* reactionLogK, double* reactionK);
// One step of the charge balance by pH. Returns true when the alkalinity is not
// yet within 0.0001 of the reference (the pass has not converged).
[[nodiscard]] bool BalanceChargeByPh(double alkalinity, double reference, double& ph, double& step,
                                     int32_t& direction, double& enginePh, uint32_t& phBoundUsed);

// --- Water-level steps of a pass (speciation_water.cpp) ---

void TakeConstantLogs(SpeciationWork& w);
void SetLigandActivities(SpeciationWork& w);
// The redox level (pe and the electron activity) from w.redox and the water
// activity and ionic strength of the pass.
void SetRedoxLevel(SpeciationWork& w);
// tenPh = 10^pH at the pass's pH, unless it was last taken at that very pH.
void TakeTenPh(SpeciationWork& w);
void SetWaterIons(SpeciationWork& w);
void SetAcidSpecies(SpeciationWork& w);
void DissociateOrganicAcids(SpeciationWork& w);
void SolveMixingStepPh(SpeciationWork& w);
void SpeciateCarbonate(SpeciationWork& w);
void SpeciateOxalate(SpeciationWork& w);

// --- Component blocks (speciation_blocks.cpp) ---

void SolveComponentBlocks(SpeciationWork& w);

// --- Closing balances (speciation_balances.cpp) ---

// Ligand, carbonate and alkalinity sums of the pass, stored in the state.
void SumBalances(SpeciationWork& w);
// The alkalinity terms that are not carbonate (eq/kg).
[[nodiscard]] double NonCarbonateAlkalinity(const SpeciesRecord* s, const SpeciationState& st);
void CloseCarbonate(SpeciationWork& w);
// The carbonate alkalinity (eq/kg) a held water's closure is yet to add to
// the pass's (0 for a water whose carbonate is not held).
[[nodiscard]] double HeldCarbonateGap(const SpeciationWork& w);
// The pH at which a water whose carbonate alkalinity is held under a CO2
// partial pressure carries its alkalinity, the held CO2 giving its carbonate;
// NaN for any other water or when no pH in 0 to 14 balances it.
[[nodiscard]] double GasBalancePh(const SpeciationWork& w);
void RelaxLigands(SpeciationWork& w);
