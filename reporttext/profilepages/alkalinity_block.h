// The alkalinity block of the profile chemistry pages: acidity, "M", "P" and
// OH alkalinity, or dissolved CO2, bicarbonate, carbonate and hydroxide, at
// each point of the profile. The mixing-ratio page has no fourth row. The
// page draws the block with the rest of its rows; the alkalinity commands
// redraw it in place when the form changes.
#pragma once

#include "reporttext/report/report_builders.h"  // ProfileKind

constexpr int kAlkalinityRowsMax = 4;
constexpr int kAlkalinityPoints = 7;

struct AlkalinityRow {
    const char* label;  // with the trailing blanks that cover the other form's label
    float values[kAlkalinityPoints];
};

// 1 or 2 is the species form, anything else the acidity and alkalinity form.
[[nodiscard]] bool SpeciesForm(int displayForm);

// The form the chemistry page of a profile (ProfileKind) shows, which its
// alkalinity commands set: the mixing-ratio page shares the mix pages' form,
// which every mix sets; each single water's profile page has its own.
[[nodiscard]] uint16_t& AlkalinityFormOf(int profile);

// The label of row `row` (0 to 3) of the block in either form, with the
// trailing blanks that cover the other form's label.
[[nodiscard]] const char* AlkalinityLabel(bool species, int row);

// SaturationResults slots of the block: the hydroxide, and the "M" and "P"
// alkalinity.
constexpr int kHydroxideSlot = 15;
constexpr int kMAlkalinitySlot = 28;
constexpr int kPAlkalinitySlot = 30;
// The OH alkalinity of a result record: the "M" alkalinity less the two
// hydrogen-ion terms (slots 13 and 14), as the "M" and "P" rows count them.
[[nodiscard]] float OhAlkalinity(const float* results);

// A value of row `row` (0 to 3) of the block in either form, as its page keeps
// it (mg per kilogram in ppm and epm, the acidity, alkalinity and hydroxide
// as CaCO3), in the reporting basis in force: in epm in milliequivalents per
// kilogram, as the ions beside it (one equivalent per mole of dissolved CO2,
// its acidity to the bicarbonate end point); as kept in any other basis. Every
// page, print and export that shows these rows in epm shows them so.
[[nodiscard]] float AlkalinityRowInBasis(bool species, int row, float value);

// Decimals of the block's values: one, two in epm reporting, where the rows
// are milliequivalents.
[[nodiscard]] int AlkalinityDecimals();

// The block's rows for a profile (ProfileKind::kPh, kPressure or kMixing) in
// the given form; returns how many rows it has (4, or 3 on the mixing page).
int AlkalinityBlock(int profile, int displayForm, AlkalinityRow (&rows)[kAlkalinityRowsMax]);
