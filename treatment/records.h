// The current treatment product and what the treatment-products subsystem keeps
// beside it. ProductTable is a byte-packed record of 29,359 bytes that the work
// file stores whole: a header with the component count, the selection word, the
// dose header values and up to 30 limit slots, followed by 28 component records
// (ProductRecord) of 1,000 bytes each. The calculations use the first seven
// components. Unknown bytes of either layout are kept in the reserved fields so
// that a table read from a file is written back byte for byte
// (treatment/product_table_codec.h encodes and decodes it).
#pragma once

#include <cstdint>

constexpr int kProductTableBytes = 29359;
constexpr int kProductRecordBytes = 1000;
constexpr int kProductRecordCount = 28;
constexpr int kProductHeaderBytes = kProductTableBytes - kProductRecordCount * kProductRecordBytes;
static_assert(kProductHeaderBytes == 1359, "the header fills what the 28 records leave");

// Components whose dose models the calculations evaluate.
constexpr int kDosedComponentCount = 7;
// Limit slots of a product that the treatment limits are rated against.
constexpr int kLimitSlotCount = 30;
// Term slots of a kind-99 dose model.
constexpr int kDoseTermCount = 6;
// Limit pairs each component carries of its own.
constexpr int kComponentLimitCount = 7;

// The value that marks an unset limit.
constexpr float kUnsetLimit = -99.0f;

// Model kinds of a component's dose model.
namespace DoseModelKind {
enum : uint16_t {
    kLogDriver = 0,       // exp of a log-linear function of the driver value
    kLogDriverPlain = 1,  // the same, with any positive driver
    kLogDriverPh = 2,     // the same with a pH term
    kLogTerms = 3,        // log-linear in the dose inputs
    kNone = 66,
    kTermList = 99,  // a list of up to six terms of variable codes
    kKinetic = 101,  // induction-time (kinetic) model
};
}  // namespace DoseModelKind

// One of a component's own limits: the variable (as ProductRecord::limitCode),
// a flag word kept as the file holds it, and the bounds (-99.0 unset).
struct ComponentLimit {
    int16_t code;
    uint16_t word;
    float lower;
    float upper;
};
constexpr int kComponentLimitBytes = 12;

// One component of the product, 1,000 bytes. Offsets in bytes from the record's
// start. The dose model block lies at 743 (treatedIndex) to 938 (doseMode); the
// model positions 0 to 195 of a product file's model block map onto it one to
// one. The kind-99 term list and the pKa of the active ingredient, which lie
// past that range in a product file, are kept at 600 to 703.
struct ProductRecord {
    int16_t limitCode;      // 0: the variable whose value is this component's limit input
                            //    (below 100 an IndexCode, 100..199 an AnalysisElement + 100,
                            //    200 the residence time, 301/302 the corrosion target,
                            //    500..537 a MomentaryExcess entry + 500)
    int16_t productMode;    // 2: below 2 a scale-inhibitor (dose in mg/L), 2 a corrosion inhibitor
    float activesPercent;   // 4: total actives, percent
    float blendShare;       // 8: share of the component in its group's blend
    char name[20];          // 12: zero-terminated, at most 19 characters
    char fileName[80];      // 32: the product file name
    char functionText[80];  // 112: what the product does
    ComponentLimit componentLimits[kComponentLimitCount];  // 192 + 12k
    uint8_t reserved276[324];

    // 600: kind-99 term list.
    uint16_t termCode[kDoseTermCount];      // 600 + 4t: variable code of term t
    int16_t termTransform[kDoseTermCount];  // 602 + 4t: 0 ends the list
    uint8_t reserved624[2];
    int16_t resultSwitch;             // 626
    float termLower[kDoseTermCount];  // 628 + 8t (-99.0 unset)
    float termUpper[kDoseTermCount];  // 632 + 8t (-99.0 unset)
    uint8_t reserved676[4];
    float pKa25;  // 680: pKa of the active at 25 degrees C
    uint8_t reserved684[16];
    float pKaEnthalpy;  // 700: enthalpy term of the pKa, kcal/mol
    uint8_t reserved704[39];

    // 743: dose model block.
    uint16_t treatedIndex;      // 743: IndexCode of the scale treated (3 and 39 count as one)
    uint16_t modelKind;         // 745: DoseModelKind
    float activeConc;           // 747: concentration of the active (0: no dose)
    float c[12];                // 751: c1..c12 (c[0] is c1); kinds 0..2 use c5..c12 as four pairs
    float driverLimit;          // 799: upper limit of the driver value
    float c14;                  // 803: intercept of kind 99, pH coefficient of kind 2
    float c15;                  // 807
    float c16;                  // 811
    float c17;                  // 815
    float termCoefficient4;     // 819: the fourth term coefficient of kind 99
    float depletion2Rate;       // 823
    float depletion2Threshold;  // 827
    float ingredient2;          // 831: fraction of the second ingredient
    float ingredient3;          // 835: fraction of the third ingredient
    float depletion1Rate;       // 839
    float depletion1Threshold;  // 843
    float ingredient1;          // 847: fraction of the first ingredient (the phosphate content)
    uint8_t reserved851[10];
    int16_t energyForm;  // 861: -1 the intercept is used as is, else its natural logarithm
    uint8_t reserved863[64];
    float doseScale;  // 927: multiplies the component dose when positive
    uint8_t reserved931[6];
    uint16_t doseMode;  // 937: of the first component, for the whole product: 0, 1 additive,
                        //      2 rated against the header limit
    uint8_t reserved939[61];
};

// One limit slot: the variable it watches and its bounds.
struct LimitSlot {
    int16_t limitCode;  // as ProductRecord::limitCode
    uint16_t enabled;   // non-zero: the slot is rated
    float lower;        // -99.0 unset
    float upper;        // -99.0 unset
};
constexpr int kLimitSlotBytes = 12;

struct ProductTable {
    int16_t baseRecordCode;  // 0: 99 for a new product
    int16_t componentCount;  // 2: 1..28
    uint16_t selection;      // 4: 0xFFFF for none
    uint8_t reserved6[2];
    float headerValue;    // 8: must be above 0 for any group dose
    float headerLimit;    // 12: dose mode 2 compares the product dose with it (-99.0 unset)
    uint32_t limitsWord;  // 16: the word stored ahead of the limit slots
    LimitSlot limits[kLimitSlotCount];  // 20
    uint8_t reserved380[kProductHeaderBytes - 380];
    ProductRecord records[kProductRecordCount];  // 1359 + 1000 k
};

// What EvaluateTreatmentLimits found on its last call, one row per enabled slot.
struct TreatmentLimitEvaluation {
    int16_t mode;         // the dose mode value at the call (99 from the inhibitor dose)
    int16_t rowCount;     // enabled slots rated
    int16_t worstRating;  // 0 within limits, 1 within ten percent of one, 2 outside
    int16_t slotIndex[kLimitSlotCount];
    float value[kLimitSlotCount];
    int16_t rating[kLimitSlotCount];
};

// The current product; the selection word and the texts of record 0 say whether
// one is loaded ("None", "No File", "No Function" when none is).
extern ProductTable productTable;
// Set when a product file is loaded; the multi-mix blend clears it.
extern uint16_t productLoaded;
extern TreatmentLimitEvaluation treatmentLimitEvaluation;

// Puts the table back to "no product" and clears the flag, the evaluation and
// the older product state.
void ResetTreatmentRecords();
