// The units of the rows whose figures the basis does not name.
#include "reporttext/format/row_units.h"

#include "common/unit_codes.h"
#include "engine/records.h"

const char* H2sRowSuffix(const char* suffix) {
    return reportingMode == ReportingMode::kEpm ? "(meq)" : suffix;
}

const char* DissolvedCo2RowSuffix(const char* suffix) {
    return reportingMode == ReportingMode::kEpm ? "(mmol)" : suffix;
}
