// Names of graph and limit codes.
#include "treatment/graphs/graph_code_names.h"

#include <cstring>
#include <iterator>

#include "common/water_analysis.h"
#include "engine/records.h"
#include "input/records.h"
#include "treatment/records.h"

namespace {

struct CodeTitle {
    int code;
    const char* title;
};

// Minerals by IndexCode; the momentary excess of code 100 + k and the
// precipitation potentials name the mineral of the same row.
constexpr CodeTitle kMinerals[] = {
    {0, "Calcite"},           {1, "Aragonite"},       {2, "Amorphous Silica"},
    {3, "Calcium phosphate"}, {4, "Anhydrite"},       {5, "Gypsum"},
    {12, "Brucite"},          {19, "Strontianite"},   {20, "Fluorite"},
    {21, "Barite"},           {22, "Witherite"},      {23, "Ferric hydroxide"},
    {24, "Siderite"},         {25, "Magnesite"},      {26, "Strengite"},
    {32, "Halite"},           {36, "Hydroxyapatite"}, {37, "Celestite"},
    {44, "Iron sulfide"},     {45, "Thenardite"},     {47, "Magnesium silicate"},
    {62, "Calcium oxalate"},
};

// The mineral of each momentary-excess code 100 to 121.
constexpr int kExcessMinerals[22] = {0,  1,  22, 24, 25, 4,  5,  21, 37, 3,  36,
                                     26, 12, 23, 2,  20, 19, 44, 45, 32, 62, 47};

// The precipitation-potential codes and their minerals.
constexpr CodeTitle kPrecipitation[] = {
    {51, "Strontianite"}, {53, "Magnesite"}, {55, "Siderite"},
    {57, "Witherite"},    {58, "Aragonite"}, {60, "Calcite"},
};

constexpr CodeTitle kIndices[] = {
    {10, "Langelier Saturation Index"},
    {11, "Ryznar Stability Index"},
    {18, "Larson-Skold Corrosivity Index"},
    {31, "Puckorius Equilibrium Index"},
    {42, "Oddo-Tomson Saturation Index"},
    {43, "Stiff-Davis Saturation Index"},
    {46, "Silt Density Index"},
};

constexpr CodeTitle kFixedGraphs[] = {
    {40, "Temperature Profile"},      {41, "pH Profile"},
    {94, "CO2 - H2S Corrosion rate"}, {95, "H2S Corrosion rate"},
    {96, "Surface Corrosion rate"},
};

constexpr const char* kAcids[] = {"Sulfuric Acid", "Hydrochloric Acid", "Carbon Dioxide"};
constexpr const char* kAlkalis[] = {"Lime", "Soda Ash", "Sodium Bicarbonate", "Caustic Soda",
                                    "Caustic Potash"};

// Analysis elements 0 to 49 by AnalysisElement.
constexpr const char* kElements[50] = {
    "pH",
    "Total alkalinity",
    "Chloride",
    "Sulfate",
    "Silica",
    "Phosphate",
    "Fluoride",
    "Calcium",
    "Magnesium",
    "Sodium",
    "Ammonia",
    "Iron",
    "Aluminum",
    "Bicarbonate",
    "Carbonate",
    "Temperature",
    "Manganese",
    "Potassium",
    "Boron",
    "H2S",
    "Nitrate",
    "Zinc",
    "Reporting mode",
    "Species given",
    "Alkalinity mode",
    "Bromide",
    "Carbonate alkalinity",
    "pH2S",
    "H2CO3",
    "Calculated bicarbonate",
    "Calculated carbonate",
    "Alkalinity (eq/L)",
    "Ionic strength",
    "Total carbonate",
    "Conductivity",
    "Strontium",
    "Barium",
    "Lithium",
    "Pressure",
    "pCO2",
    "Density",
    "Companion pH",
    "Lead",
    "Acidity",
    "Result scale",
    "Brine flow",
    "Oil flow",
    "Gas flow",
    "Polyphosphate",
    "Oxalate",
};

template <size_t N>
const char* Find(const CodeTitle (&table)[N], int code) {
    for (const CodeTitle& t : table)
        if (t.code == code) return t.title;
    return nullptr;
}

std::string MineralOfExcess(int entry) {
    if (entry < 0 || entry >= static_cast<int>(std::size(kExcessMinerals))) return "";
    const char* name = Find(kMinerals, kExcessMinerals[entry]);
    return name != nullptr ? name : "";
}

template <size_t N>
std::string Named(const char* const (&names)[N], uint16_t index, const char* fallback) {
    return std::string(index < N ? names[index] : fallback) + " Dosage Profile";
}

std::string ProductProfileName() {
    const ProductRecord& first = productTable.records[0];
    const std::string name(first.name, strnlen(first.name, sizeof first.name));
    return name + (first.productMode == 2 ? " Corrosion Profile" : " Dosage Profile");
}

}  // namespace

std::string IndexTitle(int code) {
    if (const char* m = Find(kMinerals, code)) return m;
    if (const char* i = Find(kIndices, code)) return i;
    return "";
}

std::string GraphCodeName(int code) {
    if (const char* m = Find(kMinerals, code)) return std::string(m) + " saturation";
    if (const char* i = Find(kIndices, code)) return i;
    if (const char* f = Find(kFixedGraphs, code)) return f;
    if (const char* p = Find(kPrecipitation, code))
        return std::string(p) + " precipitation potential";
    if (code >= 100 && code <= 121) return MineralOfExcess(code - 100) + " momentary excess";
    if (code == 89) return ProductProfileName();
    if (code == 90) return Named(kAcids, phControlSettings.acidChemical, "Acid");
    if (code == 91) return Named(kAlkalis, phControlSettings.alkaliChemical, "Alkali");
    return "Graph " + std::to_string(code);
}

std::string LimitCodeName(int code) {
    if (code >= 0 && code < 100) {
        if (const char* m = Find(kMinerals, code)) return std::string(m) + " saturation";
        if (const char* i = Find(kIndices, code)) return i;
        return "Result " + std::to_string(code);
    }
    if (code >= 100 && code < 100 + static_cast<int>(std::size(kElements)))
        return kElements[code - 100];
    if (code >= 100 && code < 200) return "Analysis value " + std::to_string(code - 100);
    if (code == 200) return "Residence time";
    if (code == 301) return "General corrosion rate";
    if (code == 302) return "Local corrosion rate";
    if (code >= 500 && code < 500 + kMomentaryExcessCount) {
        const std::string mineral = MineralOfExcess(code - 500);
        if (!mineral.empty()) return mineral + " momentary excess";
        return "Momentary excess " + std::to_string(code - 500);
    }
    return "Code " + std::to_string(code);
}
