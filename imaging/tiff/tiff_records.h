// The TIFF writer's settings that outlive a call: the next page's resolution
// and the sizes of the caller's extra blocks.
#pragma once

#include <cstdint>
#include <vector>

struct TiffSettingsRecord {
    uint32_t xResolution = 300;
    uint32_t yResolution = 300;
    uint32_t resolutionUnit = 2;
    std::vector<uint8_t> extra[2];
};
extern TiffSettingsRecord TiffSettings;

void ResetTiffRecords();
