// The items a water file may name: each item's analysis element, its unit item in
// UnitCodes and the units the units dialog offers for it.
#pragma once

#include <span>
#include <string_view>

// How an item's unit is written and which shared choice it touches.
enum class WaterItemKind {
    kPh,                // pH units only
    kTotalAlkalinity,   // total alkalinity, always as CaCO3
    kIon,               // a concentration: its own unit code, and the reporting unit
    kOxalate,           // a concentration whose unit list also holds epm and moles/L
    kAlkalinityFamily,  // M and P alkalinity (bicarbonate, carbonate) and acidity: the
                        // alkalinity mode is their shared unit
    kMeasure,           // temperature, pressure, partial pressures, density, flows
};

struct WaterItem {
    const char* name;  // the name in the file
    int element;       // AnalysisElement index
    int unitItem;      // UnitItem index, -1 when the item has no unit choice
    WaterItemKind kind;
    // Unit labels by unit code (for the alkalinity family: by alkalinity mode, from
    // mode 1). For ions the label names the form of the amount ("CaCO3" for "as
    // CaCO3"); labels starting with the degree sign, "epm" and "moles/L" are not
    // mass concentrations. Alternative spellings of one unit are separated by '|';
    // the first is the one shown.
    std::span<const char* const> labels;
};

// Every item, in analysis-element order.
std::span<const WaterItem> WaterItems();

// The item of a name, or nullptr.
const WaterItem* FindWaterItem(std::string_view name);

// The label of a unit code as shown (its first spelling), "" when the code has none.
std::string_view UnitLabel(const WaterItem& item, int code);

// True when the label (first spelling) denotes a mass concentration (mg/L or ppm of
// some form of the item).
bool IsMassLabel(std::string_view label);
