// The rows that the column pages of several waters share on their indicators
// side (the profile pages and the multi-mix source-water page): the 22
// minerals with their saturation slot and momentary excess entry, the total
// and free ions, the carbonates' precipitation potential, the six simple
// indices, and the cells those rows show.
#pragma once

#include <string>

struct MineralRow {
    const char* label;
    int slot;         // SaturationResults slot of the saturation ratio
    int excessEntry;  // MomentaryExcess entry
};
struct SlotRow {
    const char* label;
    int slot;  // SaturationResults slot
};

constexpr int kMineralRowCount = 22;
constexpr int kIonRowCount = 10;
constexpr int kPotentialRowCount = 6;
constexpr int kSimpleIndexRowCount = 6;
extern const MineralRow kMineralRows[kMineralRowCount];
extern const SlotRow kIonRows[kIonRowCount];
extern const SlotRow kPotentialRows[kPotentialRowCount];
extern const SlotRow kSimpleIndexRows[kSimpleIndexRowCount];

constexpr int kMagnesiumSilicateSlot = 47;
constexpr int kLarsonSkoldSlot = 18;
// Calcium oxalate is named without its formula on every column page: with
// it the label would reach the first column's value.

// A saturation ratio as the display settings show it: "%7.2f" of the ratio,
// or of its log10 ("    N/A" for a ratio of 0 or less).
[[nodiscard]] std::string SaturationCell(float ratio);
// A simple index in "%7.1f", shown only when the water has a bicarbonate
// (slot 27) or carbonate (slot 29) result above 1e-6; Larson-Skold also needs
// a stored chloride or sulfate above 0. "    N/A" otherwise.
[[nodiscard]] std::string SimpleIndexCell(const float* results, const float* values, int slot);
// A precipitation potential in the display unit, "%7.2f"; "    N/A" where the
// target solver left its not-reached marker.
[[nodiscard]] std::string PotentialCell(float mgPerLitre);
// "(mg/L)", "(Lbs/1000 Barrels)" or "(kg/1000 Barrels)" by the display settings.
[[nodiscard]] const char* PrecipitationUnitText();
// `text` followed by blanks to `width` characters.
[[nodiscard]] std::string PaddedTo(const std::string& text, std::size_t width);
