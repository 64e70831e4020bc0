// Definition of the working water's backup.
#include "shell/commands/analysis_backup_records.h"

AnalysisBackup analysisBackup;

void ResetAnalysisBackupRecords() {
    analysisBackup = AnalysisBackup{};
}
