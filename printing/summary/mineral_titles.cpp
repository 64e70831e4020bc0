// The mineral title table of the summary pages.
#include "printing/summary/mineral_titles.h"

#include <cstdio>

namespace {

struct MineralTitle {
    int16_t code;
    const char* name;
    const char* formula;
};

constexpr MineralTitle kTitles[] = {
    {0, "Calcite", "CaCO_3"},
    {1, "Aragonite", "CaCO_3"},
    {2, "Amorphous Silica", "SiO_2"},
    {3, "Calcium phosphate", "Ca_3(PO_4)_2"},
    {4, "Anhydrite", "CaSO_4"},
    {5, "Gypsum", "CaSO_4*2H_2O"},
    {12, "Brucite", "Mg(OH)_2"},
    {19, "Strontianite", "SrCO_3"},
    {20, "Fluorite", "CaF_2"},
    {21, "Barite", "BaSO_4"},
    {22, "Witherite", "BaCO_3"},
    {23, "Iron Hydroxide", "Fe(OH)_3"},
    {24, "Siderite", "FeCO_3"},
    {25, "Magnesite", "MgCO_3"},
    {26, "Strengite", "FePO_4*2H_2O"},
    {32, "Halite", "NaCl"},
    {36, "Hydroxyapatite", "Ca_5(PO_4)_3(OH)"},
    {37, "Celestite", "SrSO_4"},
    {44, "Mackinawite", "FeS"},
    {45, "Thenardite", "Na_2SO_4"},
    {47, "Magnesium silicate", "MgSiO_3"},
};

}  // namespace

void GetMineralNameFormula(int16_t code, char* name, char* formula) {
    for (const MineralTitle& t : kTitles) {
        if (t.code != code) continue;
        std::snprintf(name, kMineralTitleChars, "%s", t.name);
        std::snprintf(formula, kMineralTitleChars, "%s", t.formula);
        return;
    }
    std::snprintf(name, kMineralTitleChars, "%s", "UNKNOWN");
    formula[0] = '\0';
}
