// GetGraphChoiceName: minerals by their saturation and precipitation codes, the
// plain indices and the chemicals' profiles.
#include "input/whatif/graph_choice_name.h"

#include <cstdio>
#include <string>

#include "engine/records.h"
#include "input/records.h"
#include "reporttext/graphs/graph_index_names.h"
#include "shell/mainwindow/display_settings_records.h"
#include "treatment/records.h"

namespace {

struct Mineral {
    int saturationCode;
    int precipitationCode;
    const char* name;
    const char* formula;
};

constexpr Mineral kMinerals[] = {
    {0, 100, "Calcite", " CaCO3"},
    {1, 101, "Aragonite", " CaCO3"},
    {22, 102, "Witherite", " BaCO3"},
    {24, 103, "Siderite", " FeCO3"},
    {25, 104, "Magnesite", " MgCO3"},
    {4, 105, "Anhydrite", " CaSO4"},
    {5, 106, "Gypsum", " CaSO4*2H2O"},
    {21, 107, "Barite", " BaSO4"},
    {37, 108, "Celestite", " SrSO4"},
    {3, 109, "Calcium phosphate", " Ca3(PO4)2"},
    {36, 110, "Hydroxyapatite", " Ca5(PO4)3(OH)"},
    {26, 111, "Strengite", " FePO4"},
    {12, 112, "Brucite", " Mg(OH)2"},
    {23, 113, "Ferric hydroxide", " Fe(OH)3"},
    {2, 114, "Amorphous Silica", " SiO2"},
    {20, 115, "Fluorite", " CaF2"},
    {19, 116, "Strontianite", " SrCO3"},
    {44, 117, "Iron sulfide", " FeS"},
    {45, 118, "Thenardite", " Na2SO4"},
    {32, 119, "Halite", " NaCl"},
    {47, 121, "Magnesium silicate", " MgSiO3"},
};

const char* PrecipitationSuffix() {
    switch (displaySettings.precipitationUnit) {
        case 0:
            return " (mg/L)";
        case 1:
            return " (lbs/1000 Barrels)";
        default:
            return " (kg/1000 Barrels)";
    }
}

std::string ProductName() {
    const char* name = productTable.records[0].name;
    size_t n = 0;
    while (n < sizeof productTable.records[0].name && name[n] != '\0') ++n;
    return std::string(name, n);
}

std::string Name(int code) {
    for (const Mineral& m : kMinerals) {
        if (code == m.saturationCode) return std::string(m.name) + m.formula + " (x SAT)";
        if (code == m.precipitationCode)
            return std::string(m.name) + m.formula + PrecipitationSuffix();
    }
    if (const char* title = GraphIndexTitle(code)) return UnmarkedTitle(title);
    const PhControlSettings& ph = phControlSettings;
    switch (code) {
        case 89: {
            if (productTable.records[0].productMode < 2)
                return ProductName() + " Dosage Profile (mg/L)";
            const bool mpy = unitCodes.code[UnitItem::kCorrosionRate] == 0;
            return ProductName() + " Corrosion Profile" + (mpy ? " (mpy)" : " (mm/yr)");
        }
        case 90:
            // No acid chosen: the unit alone.
            return std::string(AcidName(ph.acidChemical)) + "mg/l";
        case 91:
            return std::string(AlkaliName(ph.alkaliChemical)) + "mg/l";
        default:
            break;
    }
    if (code < 89) return ProductName() + " (x SAT)";
    if (code >= 100) return ProductName() + PrecipitationSuffix();
    return ProductName();
}

}  // namespace

void GetGraphChoiceName(int code, char* text) {
    std::snprintf(text, kGraphNameChars, "%s", Name(code).c_str());
}
