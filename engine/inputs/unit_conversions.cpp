// The ion unit converters. Each one follows the same three steps: in epm
// reporting the value (meq/L) times the ion's equivalent weight; unit code 0 (the
// ion itself) as is; any other code times its factor from UnitFactorTable. The
// factors and the equivalent weights are those of the program's one unit table
// (engine_unit_factors.h).
#include "engine/inputs/unit_conversions.h"

#include "engine/inputs/engine_unit_factors.h"
#include "engine/records.h"

namespace {

bool IsEpm(const UnitContext& u) {
    return u.reportingMode == ReportingMode::kEpm;
}

// The factor of `item`'s current code in `column`, or 0 when the code is 0 or has
// no row in the table (a code no unit dialog offers is taken as the base unit).
double TableFactor(const UnitContext& u, int item, int column, bool& inBaseUnit) {
    const unsigned code = u.units.code[item];
    inBaseUnit = code == 0 || code > static_cast<unsigned>(kUnitFactorRows);
    return inBaseUnit ? 1.0 : static_cast<double>(u.factors[code - 1][column]);
}

double ByTable(float value, int item, int column, const UnitContext& u) {
    if (IsEpm(u)) return value * EquivalentWeightOfUnitItem(item);
    bool inBaseUnit = false;
    const double factor = TableFactor(u, item, column, inBaseUnit);
    return inBaseUnit ? static_cast<double>(value) : value * factor;
}

// Equivalent weight of each unit item for GetIonUnitFactor in epm reporting:
// that of the unit table; the alkalinities are counted as CaCO3 (50.0445 mg per
// meq).
double EquivalentWeightOfItem(int item) {
    if (item == UnitItem::kMAlkalinity || item == UnitItem::kPAlkalinity) return 50.0445;
    const double weight = EquivalentWeightOfUnitItem(item);
    return weight > 0.0 ? weight : 1.0;
}

double DoseInUserUnits(double doseMgL, int item, int column, const UnitContext& u) {
    if (IsEpm(u)) return doseMgL / EquivalentWeightOfUnitItem(item);
    bool inBaseUnit = false;
    const double factor = TableFactor(u, item, column, inBaseUnit);
    if (inBaseUnit) return doseMgL;
    return factor != 0.0 ? doseMgL / factor : 0.0;
}

}  // namespace

// AnalysisElement -> UnitCodes item for GetIonUnitFactor, -1 for none.
int UnitItemOfElement(int element) {
    switch (element) {
        case AnalysisElement::kChloride:
            return UnitItem::kChloride;
        case AnalysisElement::kSulfate:
            return UnitItem::kSulfate;
        case AnalysisElement::kSilica:
            return UnitItem::kSilica;
        case AnalysisElement::kPhosphate:
            return UnitItem::kPhosphate;
        case AnalysisElement::kFluoride:
            return UnitItem::kFluoride;
        case AnalysisElement::kCalcium:
            return UnitItem::kCalcium;
        case AnalysisElement::kMagnesium:
            return UnitItem::kMagnesium;
        case AnalysisElement::kSodium:
            return UnitItem::kSodium;
        case AnalysisElement::kAmmonia:
            return UnitItem::kAmmonia;
        case AnalysisElement::kIron:
            return UnitItem::kIron;
        case AnalysisElement::kAluminum:
            return UnitItem::kAluminum;
        case AnalysisElement::kMAlkalinity:
            return UnitItem::kMAlkalinity;
        case AnalysisElement::kPAlkalinity:
            return UnitItem::kPAlkalinity;
        case AnalysisElement::kPotassium:
            return UnitItem::kPotassium;
        case AnalysisElement::kBoron:
            return UnitItem::kBoron;
        case AnalysisElement::kH2S:
            return UnitItem::kH2S;
        case AnalysisElement::kNitrate:
            return UnitItem::kNitrate;
        case AnalysisElement::kStrontium:
            return UnitItem::kStrontium;
        case AnalysisElement::kBarium:
            return UnitItem::kBarium;
        case AnalysisElement::kLithium:
            return UnitItem::kLithium;
        default:
            return -1;
    }
}

UnitContext GlobalUnitContext() {
    return UnitContext{unitCodes, reportingMode, alkalinityMode, UnitFactorTable};
}

double ConvCaUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kCalcium, UnitItem::kCalcium, u);
}
double ConvMgUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kMagnesium, UnitItem::kMagnesium, u);
}
double ConvFeUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kIron, UnitItem::kIron, u);
}
double ConvClUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kChloride, UnitItem::kChloride, u);
}
double ConvSO4Units(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kSulfate, UnitItem::kSulfate, u);
}
double ConvSiO2Units(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kSilica, UnitItem::kSilica, u);
}
double ConvPO4Units(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kPhosphate, UnitItem::kPhosphate, u);
}
double ConvSrUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kStrontium, UnitItem::kStrontium, u);
}
double ConvBaUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kBarium, UnitItem::kBarium, u);
}
double ConvNH3Units(float value, const UnitContext& u) {
    return ByTable(value, kAmmoniaUnitItem, kAmmoniaUnitItem, u);
}
double ConvZnUnits(float value, const UnitContext& u) {
    return ByTable(value, UnitItem::kZinc, UnitItem::kZinc, u);
}
double ConvMnUnits(float value, const UnitContext& u) {
    return ByTable(value, kManganeseUnitItem, kManganeseUnitItem, u);
}
double ConvPolyPO4Units(float value, const UnitContext& u) {
    return ByTable(value, kPolyphosphateUnitItem, kPolyphosphateFactorColumn, u);
}

// Alkalinity as CaCO3 (modes 2 to 5 are already in mg/L of their species and
// are returned as they are): mode 1 converts as CaCO3 to as CO3 (60.05 / 50.05);
// modes 6 and 7 are French and German degrees (1 degree French = 10 mg/L as
// CaCO3, 1 degree German = 10 mg/L as CaO).
double ConvAlkUnits(float value, const UnitContext& u) {
    switch (u.alkalinityMode) {
        case 1:
            return value * (60.05 / 50.05);
        case 6:
            return value * (60.05 / 5.005);
        case 7:
            return value * (1074.895 / 5.005);
        default:
            return value;
    }
}

double ConvCaUnits(float value) {
    return ConvCaUnits(value, GlobalUnitContext());
}
double ConvMgUnits(float value) {
    return ConvMgUnits(value, GlobalUnitContext());
}
double ConvFeUnits(float value) {
    return ConvFeUnits(value, GlobalUnitContext());
}
double ConvClUnits(float value) {
    return ConvClUnits(value, GlobalUnitContext());
}
double ConvSO4Units(float value) {
    return ConvSO4Units(value, GlobalUnitContext());
}
double ConvSiO2Units(float value) {
    return ConvSiO2Units(value, GlobalUnitContext());
}
double ConvPO4Units(float value) {
    return ConvPO4Units(value, GlobalUnitContext());
}
double ConvSrUnits(float value) {
    return ConvSrUnits(value, GlobalUnitContext());
}
double ConvBaUnits(float value) {
    return ConvBaUnits(value, GlobalUnitContext());
}
double ConvNH3Units(float value) {
    return ConvNH3Units(value, GlobalUnitContext());
}
double ConvZnUnits(float value) {
    return ConvZnUnits(value, GlobalUnitContext());
}
double ConvMnUnits(float value) {
    return ConvMnUnits(value, GlobalUnitContext());
}
double ConvPolyPO4Units(float value) {
    return ConvPolyPO4Units(value, GlobalUnitContext());
}
double ConvAlkUnits(float value) {
    return ConvAlkUnits(value, GlobalUnitContext());
}

float GetIonUnitFactor(int16_t element, const UnitContext& u) {
    const int item = UnitItemOfElement(element);
    if (item < 0) return 1.0f;
    // In epm reporting every ion value is in meq/L whatever its unit code says,
    // so the equivalent weight applies before the code is looked at (as in the
    // converters); taking a code of 0 as mg/L there would read meq/L as mg/L.
    if (IsEpm(u)) return static_cast<float>(EquivalentWeightOfItem(item));
    bool inBaseUnit = false;
    const double factor = TableFactor(u, item, item, inBaseUnit);
    return inBaseUnit ? 1.0f : static_cast<float>(factor);
}
float GetIonUnitFactor(int16_t element) {
    return GetIonUnitFactor(element, GlobalUnitContext());
}

double PhosphateDoseInUserUnits(double doseMgL, const UnitContext& u) {
    return DoseInUserUnits(doseMgL, UnitItem::kPhosphate, UnitItem::kPhosphate, u);
}
double PolyphosphateDoseInUserUnits(double doseMgL, const UnitContext& u) {
    return DoseInUserUnits(doseMgL, kPolyphosphateUnitItem, kPolyphosphateFactorColumn, u);
}
double ZincDoseInUserUnits(double doseMgL, const UnitContext& u) {
    return DoseInUserUnits(doseMgL, UnitItem::kZinc, UnitItem::kZinc, u);
}
