// Definition of the CSV export's file names.
#include "printing/reports/csv/csv_export_records.h"

CsvExportState csvExportState;

void ResetCsvExportRecords() {
    csvExportState = CsvExportState{};
}
