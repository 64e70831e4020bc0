// The conditions at which a treatment product's dose is tested: three test
// temperatures in the user's temperature unit and four further conditions of
// the test. The residence time that completes the set is residenceTimeAtSelect
// (pages/records.h). New sets them by the temperature unit.
#pragma once

constexpr int kDoseTestTemperatures = 3;
constexpr int kDoseTestFurtherValues = 4;

struct DoseTestConditions {
    float temperature[kDoseTestTemperatures];
    float further[kDoseTestFurtherValues];
};

extern DoseTestConditions doseTestConditions;

// Start-of-run state: every value zero.
void ResetDoseTestRecords();
