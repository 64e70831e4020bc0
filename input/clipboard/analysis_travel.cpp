// The slot-by-slot conversions of "tkIntermediate". Concentrations use the unit
// factor table (a value times its factor is mg/L as the ion); lead and oxalate,
// which have no column, use the chemistry engine's own rules; temperatures travel
// in degrees C, pressures and partial pressures in atm as the engine reads them,
// the density in g/mL, the residence time as the sender's seconds times the
// factor of its unit, the corrosion target in mpy.
#include "input/clipboard/analysis_travel.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "engine/inputs/engine_unit_factors.h"
#include "input/units/analysis_ranges.h"
#include "input/units/unit_change.h"
#include "input/units/unit_choices.h"

namespace {

namespace E = AnalysisElement;
namespace S = TransferSlot;

// An ion: its analysis element (and slot) and its unit item.
struct IonSlot {
    int element;
    int item;
};
constexpr IonSlot kIons[] = {
    {E::kChloride, UnitItem::kChloride},
    {E::kSulfate, UnitItem::kSulfate},
    {E::kSilica, UnitItem::kSilica},
    {E::kPhosphate, UnitItem::kPhosphate},
    {E::kFluoride, UnitItem::kFluoride},
    {E::kCalcium, UnitItem::kCalcium},
    {E::kMagnesium, UnitItem::kMagnesium},
    {E::kSodium, UnitItem::kSodium},
    {E::kAmmonia, UnitItem::kAmmonia},
    {E::kIron, UnitItem::kIron},
    {E::kAluminum, UnitItem::kAluminum},
    {E::kManganese, UnitItem::kManganese},
    {E::kPotassium, UnitItem::kPotassium},
    {E::kBoron, UnitItem::kBoron},
    {E::kH2S, UnitItem::kH2S},
    {E::kNitrate, UnitItem::kNitrate},
    {E::kZinc, UnitItem::kZinc},
    {E::kBromine, UnitItem::kBromine},
    {E::kStrontium, UnitItem::kStrontium},
    {E::kBarium, UnitItem::kBarium},
    {E::kLithium, UnitItem::kLithium},
    {E::kBrineFlow, UnitItem::kBrineFlow},
    {E::kOilFlow, UnitItem::kOilFlow},
    {E::kGasFlow, UnitItem::kGasFlow},
};

// Unit-code slots: slot k carries the code of item k, except where listed.
struct UnitSlot {
    int slot;
    int item;
};
constexpr UnitSlot kUnitSlots[] = {
    {25, UnitItem::kBromine}, {27, UnitItem::kGasH2S},        {38, UnitItem::kPressure},
    {39, UnitItem::kGasCo2},  {42, UnitItem::kLead},          {45, UnitItem::kBrineFlow},
    {46, UnitItem::kOilFlow}, {47, UnitItem::kGasFlow},       {49, UnitItem::kCorrosionRate},
    {37, UnitItem::kDensity}, {41, UnitItem::kResidenceTime}, {43, UnitItem::kMAlkalinity},
    {56, UnitItem::kLithium}, {57, UnitItem::kCorrosionRate},
};
constexpr int kSameItemSlots[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                  12, 13, 14, 15, 17, 18, 19, 20, 21, 24, 26};

constexpr double kOxalateMgPerMmol = 88.0196;  // mg of C2O4 per mmol
constexpr double kMmPerYearPerMpy = 0.0254;
constexpr double kLbsPerGalOfWater = 8.34;
constexpr double kResidenceFactors[4] = {1.0, 60.0, 3600.0, 86400.0};

uint16_t Code(const TravelUnits& u, int item) {
    return u.units->code[item];
}

// The factor of an item's unit; code 0 (and a code without a row) is the base
// unit itself.
double TableFactor(const TravelUnits& u, int item) {
    const uint16_t code = Code(u, item);
    if (code < 1 || code > kUnitFactorRows || item >= kUnitFactorColumns) return 1.0;
    return u.factors[code - 1][item];
}

// Lead as the engine reads it.
double LeadFactor(const TravelUnits& u) {
    return EngineUnitFactor(*u.units, UnitItem::kLead);
}

// Oxalate to mg/L as C2O4 by the engine's rule (it reads oxalate in mmol/L).
double OxalateFactor(const TravelUnits& u) {
    const uint16_t code = Code(u, UnitItem::kOxalate);
    return code == 0 ? 1.0 : OxalateToMmolL(1.0, code) * kOxalateMgPerMmol;
}

// A base-unit value into a unit of factor `factor`; a unit without a factor (0)
// receives 0.
double FromBase(double value, double factor) {
    return factor == 0.0 ? 0.0 : value / factor;
}

float Stored(double value) {
    if (std::isnan(value)) return 0.0f;
    if (std::fabs(value) > FLT_MAX) return value < 0.0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(value);
}

double PressureBar(double value, uint16_t code) {
    return PressureToPsia(value, code) * kBarPerPsia;
}

double TemperatureToC(double t, uint16_t code) {
    switch (code) {
        case TemperatureUnit::kFahrenheit:
            return (t - 32.0) * 0.5555556;
        case TemperatureUnit::kKelvin:
            return t - 273.16;
        default:
            return t;
    }
}

double TemperatureFromC(double t, uint16_t code) {
    switch (code) {
        case TemperatureUnit::kFahrenheit:
            return t * 9.0 / 5.0 + 32.0;
        case TemperatureUnit::kKelvin:
            return t + 273.16;
        default:
            return t;
    }
}

// The density travels in g/mL; lbs/gal is the density of water times 8.34.
double DensityFactor(uint16_t code) {
    return code == 1 ? kLbsPerGalOfWater : 1.0;
}

// A pressure of 0 or less arriving means one atmosphere in the receiver's unit.
double DefaultPressure(uint16_t code) {
    switch (code) {
        case PressureUnit::kPsia:
            return 14.7;
        case PressureUnit::kKPa:
            return 100.0;
        default:
            return 1.0;
    }
}

void CopyDescriptions(const SampleDescription& from, AnalysisTransfer& out) {
    for (int line = 0; line < 8; ++line) {
        std::memcpy(out.descriptions[line], from.text[line], kTransferDescriptionChars);
        out.descriptions[line][kTransferDescriptionChars - 1] = '\0';
    }
}

// The mg/L as CaCO3 in one unit of the M and P alkalinity of modes 4 to 7;
// 0 for the other modes.
double AlkalinityAsCaCO3Factor(uint16_t mode) {
    switch (mode) {
        case 4:
            return 500.05 / 30.0;
        case 5:
            return 50.0445;
        case 6:
            return 10.0;
        case 7:
            return 17.9;
        default:
            return 0.0;
    }
}

// The M and P alkalinity (or the species) in the receiver's alkalinity mode.
void PasteAlkalinity(const float* slot, uint16_t mode, float* v) {
    const double m = slot[S::kMAlkalinity];
    const double p = slot[S::kPAlkalinity];
    switch (mode) {
        case 1:
            v[E::kAlkalinity] = v[E::kMAlkalinity] = slot[S::kTotalAlkalinity];
            v[E::kPAlkalinity] = slot[S::kPAlkalinity];
            return;
        case 2:
        case 3:
            v[E::kAlkalinity] = slot[S::kTotalAlkalinity];
            v[E::kMAlkalinity] = slot[S::kBicarbonate];
            v[E::kPAlkalinity] = slot[S::kCarbonate];
            return;
        case 4:  // ml of N/30 acid
        case 5:  // epm
        case 6:  // French degrees: 10 mg/L as CaCO3 each
        case 7:  // German degrees: 17.9 mg/L as CaCO3 each
            v[E::kMAlkalinity] = Stored(m / AlkalinityAsCaCO3Factor(mode));
            v[E::kPAlkalinity] = Stored(p / AlkalinityAsCaCO3Factor(mode));
            break;
        case 8:  // the species in mol/L
            v[E::kMAlkalinity] = Stored(slot[S::kBicarbonate] / 61017.3);
            v[E::kPAlkalinity] = Stored(slot[S::kCarbonate] / 60009.4);
            break;
        default:
            return;
    }
    v[E::kAlkalinity] = slot[S::kTotalAlkalinity];
}

// The analysis values a receiver takes, beside the base-unit slots.
bool TakenElement(int e) {
    switch (e) {
        case E::kPh:
        case E::kAlkalinity:
        case E::kMAlkalinity:
        case E::kPAlkalinity:
        case E::kTemperature:
        case E::kPH2S:
        case E::kPressure:
        case E::kPco2:
        case E::kDensity:
        case E::kLead:
        case E::kAcidity:
        case E::kPolyphosphate:
        case E::kOxalate:
            return true;
        default:
            break;
    }
    for (const IonSlot& ion : kIons)
        if (ion.element == e) return true;
    return false;
}

// The unit items a change of units reads, whose choices a sender's units must
// keep to.
constexpr int kConvertedItems[] = {
    UnitItem::kCalcium,   UnitItem::kMagnesium, UnitItem::kSodium,        UnitItem::kPotassium,
    UnitItem::kIron,      UnitItem::kAmmonia,   UnitItem::kAluminum,      UnitItem::kBoron,
    UnitItem::kChloride,  UnitItem::kSulfate,   UnitItem::kH2S,           UnitItem::kSilica,
    UnitItem::kPhosphate, UnitItem::kFluoride,  UnitItem::kNitrate,       UnitItem::kTemperature,
    UnitItem::kStrontium, UnitItem::kBarium,    UnitItem::kLithium,       UnitItem::kPressure,
    UnitItem::kGasCo2,    UnitItem::kDensity,   UnitItem::kBrineFlow,     UnitItem::kOilFlow,
    UnitItem::kGasFlow,   UnitItem::kGasH2S,    UnitItem::kManganese,     UnitItem::kZinc,
    UnitItem::kBromine,   UnitItem::kLead,      UnitItem::kPolyphosphate, UnitItem::kOxalate,
};

// Whether a change between two alkalinity modes converts the M and P
// alkalinity: within one mode, or between modes that name the same amount
// (every mode but the species given, 3).
bool AlkalinityConverts(uint16_t from, uint16_t to) {
    auto converts = [](uint16_t mode) { return mode == 2 || AlkalinityCaCO3PerUnit(mode) > 0.0; };
    return from == to || (converts(from) && converts(to));
}

// The sender's values converted into the receiver's units, over what the
// base-unit slots gave.
void PasteSenderValues(const SenderUnits& sent, const TravelUnits& u, float* v) {
    UnitCodes senderCodes{};
    std::memcpy(senderCodes.code, sent.codes, sizeof senderCodes.code);
    const UnitBasis before{senderCodes, sent.reportingMode, sent.alkalinityMode};
    const UnitBasis after{*u.units, u.reportingMode, u.alkalinityMode};
    double w[E::kCount];
    for (int e = 0; e < E::kCount; ++e) w[e] = sent.values[e];
    ConvertValuesOnce(w, before, after);
    const bool alkalinity = AlkalinityConverts(sent.alkalinityMode, u.alkalinityMode);
    for (int e = 0; e < E::kCount; ++e) {
        if (!TakenElement(e)) continue;
        const bool alkalinityElement =
            e == E::kAlkalinity || e == E::kMAlkalinity || e == E::kPAlkalinity;
        if (alkalinityElement && !alkalinity) continue;
        v[e] = Stored(w[e]);
    }
}

}  // namespace

bool SentElement(int element) {
    return element >= 0 && element < E::kCount && TakenElement(element);
}

bool PastesSenderUnits(const AnalysisTransfer& in) {
    const SenderUnits& s = in.sender;
    if (!s.present) return false;
    if (s.reportingMode < ReportingMode::kPpm || s.reportingMode > ReportingMode::kEpm)
        return false;
    if (s.alkalinityMode < 1 || s.alkalinityMode > 8) return false;
    for (int item : kConvertedItems)
        if (s.codes[item] > MaxUnitChoice(item)) return false;
    return true;
}

void SendAlkalinityAsTyped(const float* v, const TravelUnits& u, AnalysisTransfer& out) {
    float* slot = out.values;
    const double m = v[E::kMAlkalinity];
    const double p = v[E::kPAlkalinity];
    switch (u.alkalinityMode) {
        case 1:
            slot[S::kPAlkalinity] = v[E::kPAlkalinity];
            return;
        case 2:
        case 3:
            slot[S::kBicarbonate] = v[E::kMAlkalinity];
            slot[S::kCarbonate] = v[E::kPAlkalinity];
            return;
        case 8:
            slot[S::kBicarbonate] = Stored(m * 61017.3);
            slot[S::kCarbonate] = Stored(p * 60009.4);
            return;
        default:
            break;
    }
    const double factor = AlkalinityAsCaCO3Factor(u.alkalinityMode);
    if (factor == 0.0) return;
    slot[S::kMAlkalinity] = Stored(m * factor);
    slot[S::kPAlkalinity] = Stored(p * factor);
}

int TransferSlotField(int slot) {
    for (const IonSlot& ion : kIons)
        if (ion.element == slot) return ion.element;
    switch (slot) {
        case S::kPh:
            return E::kPh;
        case S::kTotalAlkalinity:
            return E::kAlkalinity;
        case S::kTemperatureC:
            return E::kTemperature;
        case S::kPh2sAtm:
            return E::kPH2S;
        case S::kPressureAtm:
            return E::kPressure;
        case S::kPco2Atm:
            return E::kPco2;
        case S::kDensity:
            return E::kDensity;
        case S::kLead:
            return E::kLead;
        case S::kOxalate:
            return E::kOxalate;
        case S::kResidence:
            return StoredField::kResidenceSeconds;
        case S::kCorrosionTarget:
            return StoredField::kCorrosionTarget;
        case S::kBicarbonate:
            return E::kBicarbonate;
        case S::kCarbonate:
            return E::kCarbonate;
        case S::kMAlkalinity:
            return E::kMAlkalinity;
        case S::kPAlkalinity:
            return E::kPAlkalinity;
        case S::kAcidity:
        case S::kDissolvedCO2Copy:
            return E::kAcidity;
        default:
            break;
    }
    if (slot >= S::kFirstAcid && slot < S::kFirstAcid + 4)
        return StoredField::kC2 - (slot - S::kFirstAcid);
    return kUnreadSlot;
}

void AnalysisToTransfer(const TravelAnalysis& from, const TravelUnits& u, AnalysisTransfer& out) {
    out = AnalysisTransfer{};
    const WaterAnalysis& a = *from.analysis;
    const float* v = a.values;
    float* slot = out.values;

    slot[S::kPh] = v[E::kPh];
    slot[S::kTotalAlkalinity] = v[E::kAlkalinity];
    for (const IonSlot& ion : kIons)
        slot[ion.element] = Stored(v[ion.element] * TableFactor(u, ion.item));
    slot[S::kTemperatureC] =
        Stored(TemperatureToC(v[E::kTemperature], Code(u, UnitItem::kTemperature)));

    const uint16_t pressureCode = Code(u, UnitItem::kPressure);
    slot[S::kPressureAtm] = Stored(PressureToPsia(v[E::kPressure], pressureCode) * kAtmPerPsia);
    const double bar = PressureBar(v[E::kPressure], pressureCode);
    slot[S::kPco2Atm] = Stored(PartialPressureToAtm(v[E::kPco2], Code(u, UnitItem::kGasCo2), bar));
    slot[S::kPh2sAtm] = Stored(PartialPressureToAtm(v[E::kPH2S], Code(u, UnitItem::kGasH2S), bar));
    slot[S::kDensity] = Stored(v[E::kDensity] / DensityFactor(Code(u, UnitItem::kDensity)));
    slot[S::kLead] = Stored(v[E::kLead] * LeadFactor(u));
    slot[S::kOxalate] = Stored(v[E::kOxalate] * OxalateFactor(u));

    const uint16_t residenceCode = Code(u, UnitItem::kResidenceTime);
    slot[S::kResidence] = residenceCode < 4
                              ? Stored(*from.residenceSeconds * kResidenceFactors[residenceCode])
                              : 0.0f;
    for (int i = 0; i < 4; ++i) slot[S::kFirstAcid + i] = from.organicAcids[i];
    slot[S::kBicarbonate] = from.saturation[27];
    slot[S::kCarbonate] = from.saturation[29];
    slot[S::kMAlkalinity] = from.saturation[28];
    slot[S::kPAlkalinity] = from.saturation[30];
    slot[S::kAcidity] = v[E::kAcidity];
    slot[S::kDissolvedCO2Copy] = *from.dissolvedCO2Copy;
    const bool mmPerYear = Code(u, UnitItem::kCorrosionRate) == 1;
    slot[S::kCorrosionTarget] =
        Stored(*from.corrosionTarget / (mmPerYear ? kMmPerYearPerMpy : 1.0));

    for (int k : kSameItemSlots) out.units[k] = Code(u, k);
    for (const UnitSlot& s : kUnitSlots) out.units[s.slot] = Code(u, s.item);

    SenderUnits& sent = out.sender;
    sent.present = true;
    sent.reportingMode = u.reportingMode;
    sent.alkalinityMode = u.alkalinityMode;
    std::memcpy(sent.codes, u.units->code, sizeof sent.codes);
    std::memcpy(sent.values, v, sizeof sent.values);

    out.marker = 1;
    out.sampleNumber = a.sampleNumber;
    out.reportDate = a.reportDate;
    out.sampleDate = a.sampleDate;
    out.sampleTime = a.sampleTime;
    CopyDescriptions(*from.description, out);
}

void TransferToAnalysis(const AnalysisTransfer& in, const TravelUnits& u,
                        const TravelAnalysis& to) {
    WaterAnalysis& a = *to.analysis;
    float* v = a.values;
    const float* slot = in.values;
    std::memset(v, 0, sizeof a.values);
    std::memset(to.saturation, 0, 64 * sizeof(float));

    a.sampleNumber = in.sampleNumber;
    a.reportDate = in.reportDate;
    a.sampleDate = in.sampleDate;
    a.sampleTime = in.sampleTime;
    for (int line = 0; line < 8; ++line) {
        std::memcpy(to.description->text[line], in.descriptions[line], kTransferDescriptionChars);
        to.description->text[line][kTransferDescriptionChars - 1] = '\0';
    }

    v[E::kPh] = slot[S::kPh];
    for (const IonSlot& ion : kIons)
        v[ion.element] = Stored(FromBase(slot[ion.element], TableFactor(u, ion.item)));
    v[E::kDensity] = Stored(slot[S::kDensity] * DensityFactor(Code(u, UnitItem::kDensity)));
    v[E::kLead] = Stored(FromBase(slot[S::kLead], LeadFactor(u)));
    v[E::kOxalate] = Stored(FromBase(slot[S::kOxalate], OxalateFactor(u)));

    const uint16_t pressureCode = Code(u, UnitItem::kPressure);
    v[E::kPressure] = Stored(PsiaToPressureUnit(slot[S::kPressureAtm] / kAtmPerPsia, pressureCode));
    if (v[E::kPressure] <= 0.0f)
        v[E::kPressure] = static_cast<float>(DefaultPressure(pressureCode));
    const double bar = PressureBar(v[E::kPressure], pressureCode);
    v[E::kPco2] =
        Stored(AtmToPartialPressureUnit(slot[S::kPco2Atm], Code(u, UnitItem::kGasCo2), bar));
    v[E::kPH2S] =
        Stored(AtmToPartialPressureUnit(slot[S::kPh2sAtm], Code(u, UnitItem::kGasH2S), bar));
    v[E::kTemperature] =
        Stored(TemperatureFromC(slot[S::kTemperatureC], Code(u, UnitItem::kTemperature)));

    v[E::kAcidity] = slot[S::kAcidity];
    *to.dissolvedCO2Copy = slot[S::kDissolvedCO2Copy];
    for (int i = 0; i < 4; ++i) to.organicAcids[i] = slot[S::kFirstAcid + i];
    to.saturation[27] = slot[S::kBicarbonate];
    to.saturation[29] = slot[S::kCarbonate];
    to.saturation[28] = slot[S::kMAlkalinity];
    to.saturation[30] = slot[S::kPAlkalinity];
    PasteAlkalinity(slot, u.alkalinityMode, v);
    if (PastesSenderUnits(in)) {
        PasteSenderValues(in.sender, u, v);
        if (v[E::kPressure] <= 0.0f)
            v[E::kPressure] = static_cast<float>(DefaultPressure(pressureCode));
    }

    // The sender's residence unit undoes its factor; an unknown unit is taken
    // as days.
    const int32_t senderCode = in.units[UnitItem::kResidenceTime];
    const double factor =
        senderCode >= 0 && senderCode < 4 ? kResidenceFactors[senderCode] : 86400.0;
    *to.residenceSeconds = Stored(slot[S::kResidence] / factor);
    const bool mmPerYear = Code(u, UnitItem::kCorrosionRate) == 1;
    *to.corrosionTarget = Stored(slot[S::kCorrosionTarget] * (mmPerYear ? kMmPerYearPerMpy : 1.0));
}
