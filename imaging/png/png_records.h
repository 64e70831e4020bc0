// The PNG settings and last failure detail shared by the PNG writer and reader.
#pragma once

#include <cstdint>

struct PngResolutionRecord {
    uint32_t xPerUnit = 11812;  // about 300 dpi
    uint32_t yPerUnit = 11812;
    uint8_t unit = 1;  // 1 = metre
};
extern PngResolutionRecord PngResolution;
extern int32_t PngErrorDetail;

void ResetPngRecords();
