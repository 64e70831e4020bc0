// The one saved copy of the working water that the 3D graph window keeps while
// it puts a grid cell's water into the working analysis: the 64 values, the
// first seven description texts (the eighth, the sample id, is not kept) and
// the 64 saturation results.
#pragma once

#include "common/water_analysis.h"
#include "engine/records.h"

constexpr int kBackedUpDescriptionTexts = 7;

struct AnalysisBackup {
    float values[AnalysisElement::kCount];
    char texts[kBackedUpDescriptionTexts][128];
    float saturation[kSaturationResultCount];
};
extern AnalysisBackup analysisBackup;

void ResetAnalysisBackupRecords();
