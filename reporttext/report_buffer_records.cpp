// Definition of the report buffer record.
#include "reporttext/report_buffer_records.h"

ReportBuffer reportBuffer;

void ResetReportBufferRecords() {
    reportBuffer = ReportBuffer{};
}
