// The working water's backup. The texts are copied as strings, within their
// 128-byte fields.
#include "shell/commands/analysis_backup.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "input/description_records.h"

namespace {

void CopyText(char (&to)[128], const char (&from)[128]) {
    const size_t n = strnlen(from, sizeof from);
    std::memcpy(to, from, n);
    std::memset(to + n, 0, sizeof to - n);
}

}  // namespace

void BackupAnalysis(const WaterAnalysis& working, const SampleDescription& description,
                    const float (&saturation)[kSaturationResultCount], AnalysisBackup& backup) {
    std::copy(std::begin(working.values), std::end(working.values), backup.values);
    for (int t = 0; t < kBackedUpDescriptionTexts; ++t)
        CopyText(backup.texts[t], description.text[t]);
    std::copy(std::begin(saturation), std::end(saturation), backup.saturation);
}

void RestoreAnalysis(const AnalysisBackup& backup, WaterAnalysis& working,
                     SampleDescription& description, float (&saturation)[kSaturationResultCount]) {
    std::copy(std::begin(backup.values), std::end(backup.values), working.values);
    for (int t = 0; t < kBackedUpDescriptionTexts; ++t)
        CopyText(description.text[t], backup.texts[t]);
    std::copy(std::begin(backup.saturation), std::end(backup.saturation), saturation);
}

int BackupCurrentAnalysis() {
    BackupAnalysis(currentAnalysis, currentDescription, SaturationResults, analysisBackup);
    return 0;
}

int RestoreCurrentAnalysis() {
    RestoreAnalysis(analysisBackup, currentAnalysis, currentDescription, SaturationResults);
    return 0;
}
