// Saving and restoring the working water around a temporary use of it.
#pragma once

#include "common/water_analysis.h"
#include "shell/commands/analysis_backup_records.h"

// Copies the working values, the first seven texts of the current description
// and the saturation results into the backup; 0.
int BackupCurrentAnalysis();
// Copies them back in the same order; 0.
int RestoreCurrentAnalysis();

// The working forms.
void BackupAnalysis(const WaterAnalysis& working, const SampleDescription& description,
                    const float (&saturation)[kSaturationResultCount], AnalysisBackup& backup);
void RestoreAnalysis(const AnalysisBackup& backup, WaterAnalysis& working,
                     SampleDescription& description, float (&saturation)[kSaturationResultCount]);
