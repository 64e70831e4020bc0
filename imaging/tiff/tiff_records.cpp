// Definitions of the TIFF records.
#include "imaging/tiff/tiff_records.h"

TiffSettingsRecord TiffSettings;

void ResetTiffRecords() {
    TiffSettings = TiffSettingsRecord{};
}
