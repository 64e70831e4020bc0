// Definitions of the JPEG records.
#include "imaging/jpeg/jpeg_records.h"

JpegSettingsRecord JpegSettings;
int32_t JpegErrorDetail = 0;
JpegCapturedTables JpegCapture;
JpegTableSet JpegSecondTables;

void ResetJpegRecords() {
    JpegSettings = JpegSettingsRecord{};
    JpegErrorDetail = 0;
    JpegCapture = JpegCapturedTables{};
    JpegSecondTables = JpegTableSet{};
}
