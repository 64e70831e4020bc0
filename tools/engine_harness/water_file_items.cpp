// The water-file items and the unit choices the units dialog offers for each.
#include "tools/engine_harness/water_file_items.h"

#include "common/unit_codes.h"
#include "common/water_analysis.h"

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

// Unit lists of the concentrations, by unit code: as the ion, as CaCO3, (as another
// compound,) French and German degrees of hardness.
constexpr const char* kCa[] = {"Ca", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kMg[] = {"Mg", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kK[] = {"K", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kSo4[] = {"SO4", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kF[] = {"F", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kNo3[] = {"NO3", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kSr[] = {"Sr", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kBa[] = {"Ba", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kLi[] = {"Li", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kMn[] = {"Mn", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kZn[] = {"Zn", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kBr[] = {"Br", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kPb[] = {"Pb", "CaCO3", "°Fr", "°Ger"};
constexpr const char* kNa[] = {"Na", "CaCO3", "NaCl", "°Fr", "°Ger"};
constexpr const char* kCl[] = {"Cl", "CaCO3", "NaCl", "°Fr", "°Ger"};
constexpr const char* kFe[] = {"Fe", "CaCO3", "Fe2O3", "°Fr", "°Ger"};
constexpr const char* kNh3[] = {"NH3", "CaCO3", "N", "°Fr", "°Ger"};
constexpr const char* kAl[] = {"Al", "CaCO3", "Al2O3", "°Fr", "°Ger"};
constexpr const char* kB[] = {"B", "CaCO3", "B2O3|B2O5", "°Fr", "°Ger"};
constexpr const char* kH2s[] = {"H2S", "CaCO3", "S", "°Fr", "°Ger"};
constexpr const char* kSiO2[] = {"SiO2", "CaCO3", "Si", "°Fr", "°Ger"};
constexpr const char* kPo4[] = {"PO4", "CaCO3", "P2O5", "P", "°Fr", "°Ger"};
constexpr const char* kOxalate[] = {"C2O4", "CaCO3", "epm", "moles/L|mol/L"};

// Alkalinity family, by alkalinity mode 1..7.
constexpr const char* kBicarbonate[] = {"CaCO3", "HCO3", "cor. HCO3", "ml N/30 acid",
                                        "epm",   "°Fr",  "°Ger"};
constexpr const char* kCarbonate[] = {"CaCO3", "CO3", "cor. CO3", "ml N/30 acid",
                                      "epm",   "°Fr", "°Ger"};
constexpr const char* kAcidity[] = {"CaCO3", "CO2", "CO2", "ml N/30 acid", "epm", "°Fr", "°Ger"};

// Measures.
constexpr const char* kPh[] = {"pH|pH units"};
constexpr const char* kTotalAlk[] = {"CaCO3"};
constexpr const char* kTemperature[] = {"F", "C", "K"};
constexpr const char* kPressure[] = {"atm", "bar|bars", "psia", "kPa"};
constexpr const char* kGasPressure[] = {"atm", "bar|bars",   "psia",
                                        "kPa", "ppm in gas", "mole %|mol %"};
constexpr const char* kDensity[] = {"g/mL", "lbs/gal|lb/gal"};
constexpr const char* kLiquidFlow[] = {"BPD", "L/Day"};
constexpr const char* kGasFlow[] = {"MMCF/D", "Mm^3/D", "Mm^3/Hr"};

using K = WaterItemKind;

const WaterItem kItems[] = {
    {"ph", E::kPh, -1, K::kPh, kPh},
    {"alkalinity", E::kAlkalinity, -1, K::kTotalAlkalinity, kTotalAlk},
    {"chloride", E::kChloride, U::kChloride, K::kIon, kCl},
    {"sulfate", E::kSulfate, U::kSulfate, K::kIon, kSo4},
    {"silica", E::kSilica, U::kSilica, K::kIon, kSiO2},
    {"phosphate", E::kPhosphate, U::kPhosphate, K::kIon, kPo4},
    {"fluoride", E::kFluoride, U::kFluoride, K::kIon, kF},
    {"calcium", E::kCalcium, U::kCalcium, K::kIon, kCa},
    {"magnesium", E::kMagnesium, U::kMagnesium, K::kIon, kMg},
    {"sodium", E::kSodium, U::kSodium, K::kIon, kNa},
    {"ammonia", E::kAmmonia, U::kAmmonia, K::kIon, kNh3},
    {"iron", E::kIron, U::kIron, K::kIon, kFe},
    {"aluminum", E::kAluminum, U::kAluminum, K::kIon, kAl},
    {"bicarbonate", E::kMAlkalinity, U::kMAlkalinity, K::kAlkalinityFamily, kBicarbonate},
    {"carbonate", E::kPAlkalinity, U::kPAlkalinity, K::kAlkalinityFamily, kCarbonate},
    {"temperature", E::kTemperature, U::kTemperature, K::kMeasure, kTemperature},
    {"manganese", E::kManganese, U::kManganese, K::kIon, kMn},
    {"potassium", E::kPotassium, U::kPotassium, K::kIon, kK},
    {"boron", E::kBoron, U::kBoron, K::kIon, kB},
    {"h2s", E::kH2S, U::kH2S, K::kIon, kH2s},
    {"nitrate", E::kNitrate, U::kNitrate, K::kIon, kNo3},
    {"zinc", E::kZinc, U::kZinc, K::kIon, kZn},
    {"bromine", E::kBromine, U::kBromine, K::kIon, kBr},
    {"ph2s", E::kPH2S, U::kGasH2S, K::kMeasure, kGasPressure},
    {"strontium", E::kStrontium, U::kStrontium, K::kIon, kSr},
    {"barium", E::kBarium, U::kBarium, K::kIon, kBa},
    {"lithium", E::kLithium, U::kLithium, K::kIon, kLi},
    {"pressure", E::kPressure, U::kPressure, K::kMeasure, kPressure},
    {"pco2", E::kPco2, U::kGasCo2, K::kMeasure, kGasPressure},
    {"density", E::kDensity, U::kDensity, K::kMeasure, kDensity},
    {"lead", E::kLead, U::kLead, K::kIon, kPb},
    {"acidity", E::kAcidity, U::kMAlkalinity, K::kAlkalinityFamily, kAcidity},
    {"brine_flow", E::kBrineFlow, U::kBrineFlow, K::kMeasure, kLiquidFlow},
    {"oil_flow", E::kOilFlow, U::kOilFlow, K::kMeasure, kLiquidFlow},
    {"gas_flow", E::kGasFlow, U::kGasFlow, K::kMeasure, kGasFlow},
    {"polyphosphate", E::kPolyphosphate, U::kPolyphosphate, K::kIon, kPo4},
    {"oxalate", E::kOxalate, U::kOxalate, K::kOxalate, kOxalate},
};

}  // namespace

std::span<const WaterItem> WaterItems() {
    return kItems;
}

const WaterItem* FindWaterItem(std::string_view name) {
    for (const WaterItem& item : kItems)
        if (name == item.name) return &item;
    return nullptr;
}

std::string_view UnitLabel(const WaterItem& item, int code) {
    if (code < 0 || code >= static_cast<int>(item.labels.size())) return {};
    std::string_view label = item.labels[code];
    return label.substr(0, label.find('|'));
}

bool IsMassLabel(std::string_view label) {
    return !(label.starts_with("°") || label.starts_with("epm") || label.starts_with("moles/L"));
}
