// The printed indicators along a what-if profile, two pages with one value
// column per point: page 1 the saturation of 22 minerals and the simple
// indices, page 2 the total and free ions and the free-ion momentary excess.
// Line 0 of each page is its underlined axis heading; the rest follow at the
// body pitch.
#pragma once

#include "reporttext/layout/report_layout.h"
#include "reporttext/profilepages/profile_view.h"

struct ProfileIndicatorsLayout {
    ReportLayout page1;
    ReportLayout page2;
};

// Kinds: 0 temperature, 3 pressure, any other the pH profile (or pCO2 while
// pCO2 is varied); only kind 1 prints Larson-Skold on the pH profile.
void LayOutWhatIfIndicators(int kind, const ProfileViewRecord& profile,
                            ProfileIndicatorsLayout& layout);

// The waterflood mix at its first `points` ratios (at most 7): page 1 opens
// with a head (the percent heading line and the saturation heading with the
// percents) drawn at the page's plain pitch; the rest of page 1 and all of
// page 2 (whose line 0 is its percent heading line) at the body pitch.
struct RatioIndicatorsLayout {
    ReportLayout head1;
    ReportLayout page1;
    ReportLayout page2;
};
void LayOutRatioIndicators(const ProfileViewRecord& profile, int points,
                           RatioIndicatorsLayout& layout);

// "VERSUS TEMPERATURE" and its sisters, under "DEPOSITION POTENTIAL INDICATORS".
[[nodiscard]] const char* WhatIfIndicatorsSecondTitle(int kind);
