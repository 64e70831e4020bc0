// Definitions of the PNG records.
#include "imaging/png/png_records.h"

PngResolutionRecord PngResolution;
int32_t PngErrorDetail = 0;

void ResetPngRecords() {
    PngResolution = PngResolutionRecord{};
    PngErrorDetail = 0;
}
