// The value rows that the water analysis form (templates 80 to 83) and the
// multi-mix input (115 to 117) share: each row a caption, an edit and the
// caption of its unit, column by column, top to bottom. The unit captions
// start with the text of unit code 0; the dialogs write the user's units over
// them. Each dialog adds its own rows after the shared part of the third
// column (its residence time, and the form's corrosion target).
#pragma once

#include "resources/dialog_ids.h"

namespace analysisrows {

inline constexpr int kNoCaption = -1;

struct ValueRow {
    int labelId;  // kNoCaption for a fixed caption
    const char* label;
    int editId;
    int unitId;  // kNoCaption for a fixed unit text
    const char* unit;
};

namespace C = WaterFormControl;
namespace U = WaterFormCaption;
constexpr int kNo = kNoCaption;

inline constexpr ValueRow kCations[] = {
    {kNo, "Calcium", C::kCalcium, U::kCalcium, "(as Ca)"},
    {kNo, "Magnesium", C::kMagnesium, U::kMagnesium, "(as Mg)"},
    {kNo, "Barium", C::kBarium, U::kBarium, "(as Ba)"},
    {kNo, "Strontium", C::kStrontium, U::kStrontium, "(as Sr)"},
    {kNo, "Sodium", C::kSodium, U::kSodium, "(as Na)"},
    {kNo, "Potassium", C::kPotassium, U::kPotassium, "(as K)"},
    {kNo, "Lithium", C::kLithium, U::kLithium, "(as Li)"},
    {kNo, "Iron", C::kIron, U::kIron, "(as Fe)"},
    {kNo, "Manganese", C::kManganese, U::kManganese, "(as Mn)"},
    {kNo, "Zinc", C::kZinc, U::kZinc, "(as Zn)"},
    {kNo, "Lead", C::kLead, U::kLead, "(as Pb)"},
    {kNo, "Aluminum", C::kAluminum, U::kAluminum, "(as Al)"},
    {kNo, "Ammonia", C::kAmmonia, U::kAmmonia, "(as NH3)"},
    {kNo, "Boron", C::kBoron, U::kBoron, "(as B)"},
};
inline constexpr ValueRow kAnions[] = {
    {kNo, "Chloride", C::kChloride, U::kChloride, "(as Cl)"},
    {kNo, "Sulfate", C::kSulfate, U::kSulfate, "(as SO4)"},
    {kNo, "Bromine", C::kBromine, U::kBromine, "(as Br)"},
    {kNo, "Fluoride", C::kFluoride, U::kFluoride, "(as F)"},
    {kNo, "Nitrate", C::kNitrate, U::kNitrate, "(as NO3)"},
    {C::kAcidityLabel, "Acidity", C::kAcidity, U::kAcidity, "(as CaCO3)"},
    {C::kMAlkalinityLabel, "M Alkalinity", C::kMAlkalinity, U::kMAlkalinity, "(as CaCO3)"},
    {C::kPAlkalinityLabel, "P Alkalinity", C::kPAlkalinity, U::kPAlkalinity, "(as CaCO3)"},
    {kNo, "Hydrogen sulfide", C::kH2S, U::kH2S, "(as H2S)"},
    {kNo, "Silica", C::kSilica, U::kSilica, "(as SiO2)"},
    {kNo, "Phosphate", C::kPhosphate, U::kPhosphate, "(as PO4)"},
    {kNo, "Polyphosphate", C::kPolyphosphate, U::kPolyphosphate, "(as PO4)"},
    {kNo, "Oxalate", C::kOxalate, U::kOxalate, "(as C2O4)"},
};
// The conditions: the shared head of the third column.
inline constexpr ValueRow kConditions[] = {
    {kNo, "pH", C::kPh, kNo, "(pH Units)"},
    {kNo, "Temperature", C::kTemperature, U::kTemperature,
     "(as \xB0"
     "F)"},
    {kNo, "Pressure", C::kPressure, U::kPressure, "(Atm.)"},
    {kNo, "Density", C::kDensity, U::kDensity, "(g/mL)"},
    {kNo, "pCO2", C::kPco2, U::kPco2, "(Atm.)"},
    {kNo, "pH2S", C::kPh2s, U::kPh2s, "(Atm.)"},
};
inline constexpr ValueRow kFlows[] = {
    {kNo, "Brine Flow", C::kBrineFlow, U::kBrineFlow, "(BPD)"},
    {kNo, "Oil Flow", C::kOilFlow, U::kOilFlow, "(BPD)"},
    {kNo, "Gas Flow", C::kGasFlow, U::kGasFlow, "(MMCF/D)"},
};

}  // namespace analysisrows
