// Ion unit conversions: an analysis value in the unit the user chose for it,
// turned into mg/L of the ion (the base of UnitFactorTable) before it is compared
// with a product limit or fed to the inhibitor dose or a corrosion model.
//
// Every converter exists twice: a working form that takes the unit choices as a
// UnitContext, and the named entry that binds the global records (unitCodes,
// reportingMode, alkalinityMode, UnitFactorTable).
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "input/unit_factor_records.h"

struct UnitContext {
    const UnitCodes& units;
    uint16_t reportingMode;   // 1 ppm, 2 mg/l, 3 epm
    uint16_t alkalinityMode;  // 1..7
    const float (&factors)[kUnitFactorRows][kUnitFactorColumns];
};

// The unit choices of the global records.
UnitContext GlobalUnitContext();

// The unit items that three converters read. Ammonia, manganese and
// polyphosphate read their own unit choice; polyphosphate has no column of its
// own in UnitFactorTable and, having the same unit captions and factors as
// phosphate (as PO4, as CaCO3, ...), converts through the phosphate column.
constexpr int kAmmoniaUnitItem = UnitItem::kAmmonia;
constexpr int kManganeseUnitItem = UnitItem::kManganese;
constexpr int kPolyphosphateUnitItem = UnitItem::kPolyphosphate;
constexpr int kPolyphosphateFactorColumn = UnitItem::kPhosphate;

double ConvCaUnits(float value, const UnitContext& u);
double ConvMgUnits(float value, const UnitContext& u);
double ConvFeUnits(float value, const UnitContext& u);
double ConvClUnits(float value, const UnitContext& u);
double ConvSO4Units(float value, const UnitContext& u);
double ConvSiO2Units(float value, const UnitContext& u);
double ConvPO4Units(float value, const UnitContext& u);
double ConvSrUnits(float value, const UnitContext& u);
double ConvBaUnits(float value, const UnitContext& u);
double ConvNH3Units(float value, const UnitContext& u);
double ConvZnUnits(float value, const UnitContext& u);
double ConvMnUnits(float value, const UnitContext& u);
double ConvPolyPO4Units(float value, const UnitContext& u);
double ConvAlkUnits(float value, const UnitContext& u);

double ConvCaUnits(float value);
double ConvMgUnits(float value);
double ConvFeUnits(float value);
double ConvClUnits(float value);
double ConvSO4Units(float value);
double ConvSiO2Units(float value);
double ConvPO4Units(float value);
double ConvSrUnits(float value);
double ConvBaUnits(float value);
double ConvNH3Units(float value);
double ConvZnUnits(float value);
double ConvMnUnits(float value);
double ConvPolyPO4Units(float value);
double ConvAlkUnits(float value);

// The UnitCodes item whose unit an AnalysisElement is read in, -1 for an
// element the converters take as it stands.
int UnitItemOfElement(int element);

// The factor that turns a value of the given AnalysisElement, in the user's unit,
// into mg/L: 1.0 for the base unit and for elements without a unit item, the
// equivalent weight in epm reporting, else the UnitFactorTable entry.
float GetIonUnitFactor(int16_t element, const UnitContext& u);
float GetIonUnitFactor(int16_t element);

// A dose of phosphate (or polyphosphate) in mg/L as PO4, expressed in the user's
// unit so that it can be added to the stored analysis value. This is the inverse
// of ConvPO4Units (ConvPolyPO4Units): converting the result back gives the dose.
// A unit whose factor is 0 has no inverse and gives 0 (nothing is added).
double PhosphateDoseInUserUnits(double doseMgL, const UnitContext& u);
double PolyphosphateDoseInUserUnits(double doseMgL, const UnitContext& u);
// The same for zinc, the inverse of ConvZnUnits.
double ZincDoseInUserUnits(double doseMgL, const UnitContext& u);

// The corrosion-rate unit of the whole program is UnitCodes item 25: code 0 is
// mils per year, any other code mm/yr (as the units dialog, the pages and the
// graphs label it). The corrosion models compute in mm/yr and divide by 0.0254
// when this is true. Product data are in mils per year: the corrosion target,
// kept in the user's unit, is read by the dose and the limits in mpy, and a
// corrosion product's figure is given back in the user's unit.
// mg/L per mg/kg of the solution in reporting mode `reportingMode`: the specific
// gravity `resultScale` (analysis element 44) in mg/L reporting (modes 0 and 2)
// when one is given, else 1. Entered mg/L enter the calculation divided by it.
inline double ResultScaleFactor(double resultScale, int reportingMode) {
    const bool perLitre = reportingMode == 0 || reportingMode == ReportingMode::kMgPerL;
    return perLitre && resultScale != 0.0 ? resultScale : 1.0;
}

// What an amount of `item` as entered is multiplied by to be per kilogram of
// solution. Concentrations follow the
// reporting basis (ResultScaleFactor); moles/L of oxalate name an amount per
// litre whatever the basis, so they are taken at the specific gravity in ppm
// reporting too.
inline double EntryPerKilogram(const UnitCodes& units, int item, double resultScale,
                               int reportingMode) {
    constexpr unsigned kOxalateMolesPerLitre = 3;
    if (item == UnitItem::kOxalate && units.code[item] == kOxalateMolesPerLitre &&
        reportingMode != ReportingMode::kEpm && resultScale != 0.0)
        return 1.0 / resultScale;
    return 1.0 / ResultScaleFactor(resultScale, reportingMode);
}

inline bool CorrosionRateInMpy(const UnitCodes& units) {
    return units.code[UnitItem::kCorrosionRate] == 0;
}
constexpr double kMmPerMil = 0.0254;

// A corrosion rate in the user's unit expressed in mils per year.
inline double CorrosionRateAsMpy(double rate, const UnitCodes& units) {
    return CorrosionRateInMpy(units) ? rate : rate / kMmPerMil;
}
