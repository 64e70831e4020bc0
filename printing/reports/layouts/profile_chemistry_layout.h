// The printed chemistry along a profile, one value column per point: the
// what-if profiles of temperature, pressure, pH or pCO2, and the waterflood
// mixing profile at its ratios. The head holds the underlined axis heading
// and the "CATIONS" line with the axis values (drawn at the page's plain line
// pitch); the rows follow at the body pitch.
#pragma once

#include "reporttext/layout/report_layout.h"
#include "reporttext/profilepages/profile_view.h"

// What-if kinds: 0 temperature, 3 pressure, any other the pH profile (or the
// pCO2 profile while pCO2 is varied).
struct ProfileChemistryLayout {
    ReportLayout head;
    ReportLayout rows;
};

// The what-if page (title in head.title).
void LayOutWhatIfChemistry(int kind, const ProfileViewRecord& profile,
                           ProfileChemistryLayout& layout);

// The ratio page over its first `points` points. `dosesCurrent` says whether
// the profile's doses belong to the selected product; when they do not, the
// product row carries its label alone.
void LayOutRatioChemistry(const ProfileViewRecord& profile, int points, bool dosesCurrent,
                          ProfileChemistryLayout& layout);

// "WATER CHEMISTRY VERSUS TEMPERATURE" and its sisters.
[[nodiscard]] const char* WhatIfChemistryTitle(int kind);
inline constexpr const char* kRatioChemistryTitle = "WATER CHEMISTRY AT VARIOUS RATIOS";

// A ratio-page dose: a marked dose in brackets by magnitude ("[0.050]",
// "[   12]"), an unmarked one as FormatValue7 gives it.
[[nodiscard]] std::string RatioDoseCell(float dose, bool marked);
